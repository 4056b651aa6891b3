// The page as the program's application: its start, the entry of its events and its end.
#include "platform/application.h"

#include "platform/shared/gothicfaces.h"
#include "platform/web/eventrouter.h"
#include "platform/web/page.h"
#include "runtime/runtimeerror.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

namespace {
template <std::size_t count> void addFaces(const std::array<std::u16string_view, count> &faces)
{
    for (const std::u16string_view face : faces)
        page_add_face(0, face.data(), int(face.size()));
}

// The faces of the page's text: the layout's, then the stand-ins of every system a browser may
// run on, free faces first, as most pupils' devices have them.
void addFaces()
{
    page_add_face(1, layoutUserInterfaceFace.data(), int(layoutUserInterfaceFace.size()));
    addFaces(layoutGothicFaces);
    addFaces(freeGothicFaces);
    addFaces(appleGothicFaces);
    addFaces(windowsGothicFaces);
}

[[noreturn]] void endWithReport(const std::u16string &report)
{
    page_end(report.data(), int(report.size()));
    emscripten_unwind_to_js_event_loop();
}
} // namespace

// Every event of the page enters here, unless a handler waits; then the wait's dispatch runs it.
// No procedure of the program handles errors: whatever escapes a handler ends the program, after
// a message that names it. Each call made inside the try goes out to the page and back, so there
// is one.
extern "C" EMSCRIPTEN_KEEPALIVE int tavilo_handle(int kind, int a, int b)
{
    try {
        return EventRouter::handleFromPage({kind, a, b});
    } catch (const std::exception &error) {
        endWithReport(errorReport(error));
    }
}

struct Application::Native
{
};

Application::Application(int &, char **) : m_native(std::make_unique<Native>())
{
    addFaces();
    page_start();
}

Application::~Application() = default;

// The page's own event loop runs the program from here on; the window lives on in main's frame.
int Application::exec()
{
    EventRouter::instance().present();
    emscripten_exit_with_live_runtime();
}

void endProgram(int)
{
    endWithReport(u"");
}
