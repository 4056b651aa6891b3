// The page's problem, and the message about it.
#include "platform/opening.h"

#include "platform/web/page.h"

// Not read yet: the page opens today's lesson.
std::u16string openingText()
{
    return {};
}

void showMessage(const Window &, const std::u16string &text)
{
    page_show_message(text.data(), int(text.size()));
}
