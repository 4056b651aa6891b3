// Where the page's events reach the program: clicks, keys and changes of the page's scale.
#pragma once

#include "platform/shared/pendingnotification.h"
#include "platform/window.h"

#include <functional>
#include <string>
#include <vector>

class ClickableControl;
class Surface;

// One event as the page queues it.
struct PageEvent
{
    // The same numbers as Page.events in page.js.
    enum Kind { Click = 0, KeyDown = 1, Rescale = 2, Change = 3, MenuChoice = 4 };

    int kind = Click;
    // The element clicked or changed, the key (a PageKey), or the window of a menu.
    int a = 0;
    // The modifiers held with the key (PageKeyFlags), or the menu's item chosen.
    int b = 0;
};

// The page is one for the program, and so is the router of its windows' events.
class EventRouter
{
public:
    static EventRouter &instance();

    void addClickable(int element, ClickableControl &control);
    void addChangeable(int element, std::function<void()> change);
    void removeControl(int element);
    void addSurface(Surface &surface);
    void removeSurface(Surface &surface);
    // The windows by the page's numbers. The page's keys go to the modal window's key preview
    // while one is shown, else to the first window's.
    void addWindow(int index, Window &window);
    void removeWindow(int index);
    void setModal(Window *window);

    // Runs the event's handler; gives whether the window took a key.
    bool handle(const PageEvent &event);
    // Handles an event that came straight from the page, then shows what it changed.
    static bool handleFromPage(const PageEvent &event);
    // Runs every event queued while a handler waited.
    void handleQueued();
    // Draws every surface again if the page's scale changed.
    void rescale();
    // Shows what the surfaces drew since they were last shown, and has the live region say what
    // was asked for since.
    void present();

    // From the window's first showing on, what the live region is to say at the next present:
    // an announcement, or a surface's changed description.
    void setShown();
    void announce(const std::u16string &text);
    void describeChange(const void *surface, const std::u16string &description);

private:
    bool click(int element);
    // The window of the page's number, or nullptr.
    Window *windowAt(int index) const;
    bool key(int key, int flags);
    void chooseMenuItem(int index, int item);

    // By element number: the page numbers its elements from 1 as they are made.
    std::vector<ClickableControl *> m_clickables;
    std::vector<std::function<void()>> m_changeables;
    std::vector<Surface *> m_surfaces;
    std::vector<Window *> m_windows;
    Window *m_modal = nullptr;
    bool m_shown = false;
    PendingNotification m_pending;
};
