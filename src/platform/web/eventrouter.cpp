#include "platform/web/eventrouter.h"

#include "platform/clickablecontrol.h"
#include "platform/web/natives.h"
#include "platform/web/page.h"
#include "platform/web/surface.h"

#include <algorithm>

EventRouter &EventRouter::instance()
{
    static EventRouter router;
    return router;
}

void EventRouter::addClickable(int element, ClickableControl &control)
{
    if (std::size_t(element) >= m_clickables.size())
        m_clickables.resize(std::size_t(element) + 1, nullptr);
    m_clickables[std::size_t(element)] = &control;
}

void EventRouter::addChangeable(int element, std::function<void()> change)
{
    if (std::size_t(element) >= m_changeables.size())
        m_changeables.resize(std::size_t(element) + 1);
    m_changeables[std::size_t(element)] = std::move(change);
}

void EventRouter::removeControl(int element)
{
    if (std::size_t(element) < m_clickables.size())
        m_clickables[std::size_t(element)] = nullptr;
    if (std::size_t(element) < m_changeables.size())
        m_changeables[std::size_t(element)] = nullptr;
}

void EventRouter::addSurface(Surface &surface)
{
    m_surfaces.push_back(&surface);
}

void EventRouter::removeSurface(Surface &surface)
{
    std::erase(m_surfaces, &surface);
}

void EventRouter::addWindow(int index, Window &window)
{
    if (std::size_t(index) >= m_windows.size())
        m_windows.resize(std::size_t(index) + 1, nullptr);
    m_windows[std::size_t(index)] = &window;
}

void EventRouter::removeWindow(int index)
{
    if (m_modal == m_windows[std::size_t(index)])
        m_modal = nullptr;
    m_windows[std::size_t(index)] = nullptr;
}

void EventRouter::setModal(Window *window)
{
    m_modal = window;
}

bool EventRouter::handle(const PageEvent &event)
{
    switch (event.kind) {
    case PageEvent::Click:
        return click(event.a);
    case PageEvent::KeyDown:
        return key(event.a, event.b);
    case PageEvent::Rescale:
        rescale();
        return false;
    case PageEvent::Change:
        if (event.a >= 0 && std::size_t(event.a) < m_changeables.size() &&
            m_changeables[std::size_t(event.a)])
            m_changeables[std::size_t(event.a)]();
        return false;
    case PageEvent::MenuChoice:
        chooseMenuItem(event.a, event.b);
        return false;
    }
    return false;
}

bool EventRouter::handleFromPage(const PageEvent &event)
{
    EventRouter &router = instance();
    const bool taken = router.handle(event);
    router.present();
    return taken;
}

void EventRouter::handleQueued()
{
    PageEvent event;
    while (page_take_event(&event.kind, &event.a, &event.b) != 0)
        handle(event);
}

void EventRouter::present()
{
    for (Surface *surface : m_surfaces)
        surface->present();
    if (m_pending.isEmpty())
        return;
    const std::u16string said = PendingNotification::joined(m_pending.take());
    window_announce(said.data(), int(said.size()));
}

void EventRouter::setShown()
{
    m_shown = true;
}

// Nothing is said before the window is shown: the screen reader reads the page then.
void EventRouter::announce(const std::u16string &text)
{
    if (m_shown && !text.empty())
        m_pending.announce(text);
}

void EventRouter::describeChange(const void *surface, const std::u16string &description)
{
    if (m_shown && !description.empty())
        m_pending.describe(surface, description);
}

// A click queued while its control was enabled is dropped if a handler disabled it meanwhile,
// as the desktop drops input to a disabled control.
bool EventRouter::click(int element)
{
    if (element >= 0 && std::size_t(element) < m_clickables.size() &&
        m_clickables[std::size_t(element)] != nullptr)
        m_clickables[std::size_t(element)]->handleClick();
    return false;
}

Window *EventRouter::windowAt(int index) const
{
    if (index < 0 || std::size_t(index) >= m_windows.size())
        return nullptr;
    return m_windows[std::size_t(index)];
}

bool EventRouter::key(int key, int flags)
{
    Window *const window = m_modal != nullptr ? m_modal : windowAt(0);
    if (window == nullptr)
        return false;
    return window->previewKey({Key(std::clamp(key, 0, int(OtherKey))), (flags & WithModifiers) != 0,
                               (flags & WithControlOnly) != 0});
}

// A window's menu is only chosen from while no modal window stands over it.
void EventRouter::chooseMenuItem(int index, int item)
{
    Window *const window = windowAt(index);
    if (window == nullptr || (m_modal != nullptr && m_modal != window))
        return;
    window->handleMenuChoice(item);
}

void EventRouter::rescale()
{
    for (Surface *surface : m_surfaces)
        surface->rescale();
}
