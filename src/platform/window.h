// The program's top-level window: caption, client area, colours, font, tab order and its events.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/layoutfit.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Control;

// The keys the program binds; every other key is Key::Other. Enter is either Enter key, Comma the
// key that gives "," unshifted.
enum class Key { PageDown, PageUp, F5, Escape, Enter, Comma, Other };

struct KeyPress
{
    Key key = Key::Other;
    // Shift, Ctrl, Alt or a system key held with it.
    bool withModifiers = false;
    // Ctrl held with it, and no other of those.
    bool withControlOnly = false;
};

// An item of a window's context menu: its text, and what choosing it does.
struct MenuItem
{
    std::u16string text;
    std::function<void()> action;
};

// The state the program sets and reads back, and its handlers, are kept here, once for every
// window system. Each backend defines Native and the members marked "Backend:".
class Window
{
public:
    struct Native;

    // Backend: makes the top-level window, not shown yet.
    Window();
    // Backend: destroys it.
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    const std::u16string &caption() const { return m_caption; }
    void setCaption(const std::u16string &caption);
    // Sizes the client area, in logical pixels: the layout's own size, at which its factor is 1.
    void setClientSize(Size size)
    {
        m_layoutSize = size;
        applyClientSize();
    }
    Size layoutSize() const { return m_layoutSize; }
    // How the layout fits the client area now: a larger or smaller client area (a resized,
    // maximised or full-screen window) scales the whole layout uniformly, centred.
    const LayoutFit &fit() const { return m_fit; }
    Color backColor() const { return m_backColor; }
    void setBackColor(Color color)
    {
        m_backColor = color;
        applyBackColor();
    }
    // The font of every control that is given none of its own.
    Font font() const { return m_font; }
    void setFont(const Font &font);
    // Tab moves through the controls in this order, Shift+Tab back.
    void setTabOrder(const std::vector<Control *> &order);
    // The control of the tab order that has the focus, or nullptr.
    Control *focusedControl() const;
    // Backend: shows the window.
    void show();
    // Backend: shows the window in front of its owner, centred over it, and modal to it: the
    // owner takes no input, by pointer or keys, until the window is hidden. In the page, a panel
    // over the owner's, with the focus kept inside it.
    void showModal(Window &owner);
    // Backend: hides the window; a modal window's owner takes input again. The program gives the
    // focus back to where it was.
    void hide();

    // The window's context menu, opened by a right click, a long press on a touch screen, the
    // menu key or Shift+F10 anywhere in the window; choosing an item runs its action.
    const std::vector<MenuItem> &contextMenu() const { return m_contextMenu; }
    void setContextMenu(std::vector<MenuItem> items);

    // Sees every key pressed in the window before the focused control does; returning true
    // keeps the key from the control.
    void setKeyPreview(std::function<bool(const KeyPress &)> preview);
    // Called when the user closes the window by its frame or the system's close key.
    void setOnClose(std::function<void()> onClose);

    // Backend: has a screen reader speak the text once, politely, wherever the focus is.
    void announce(const std::u16string &text);

    // For the backend, as the window system reports a key press in the window: runs the key
    // preview, and gives whether it took the key.
    bool previewKey(const KeyPress &press) { return m_keyPreview && m_keyPreview(press); }
    // For the backend, as the user closes the window: runs the close handler.
    void handleClose();
    // For the backend, as the user chooses an item of the context menu: runs its action.
    void handleMenuChoice(int index);
    // For the backend, as the client area or the units it counts in change: fits the layout to a
    // client area of the given size anew and, where the fit changed, shows the window at it.
    void refit(Size client, double unitsPerPixel);

    Native &native() const { return *m_native; }

private:
    // Backend: each shows the state just stored.
    void applyClientSize();
    void applyCaption();
    void applyBackColor();
    void applyFont();
    // Backend: the window system's own order of the controls.
    void applyTabOrder(const std::vector<Control *> &order);
    // Backend: shows the window's font and every control (Control::showAtFit) at the new fit.
    void applyFit();
    // Backend: makes the native menu of the items just stored, where the window system wants it
    // made beforehand.
    void applyContextMenu();

    std::unique_ptr<Native> m_native;
    std::u16string m_caption;
    Size m_layoutSize;
    LayoutFit m_fit;
    Color m_backColor{240, 240, 240};
    Font m_font = defaultUiFont();
    std::vector<Control *> m_tabOrder;
    std::function<bool(const KeyPress &)> m_keyPreview;
    std::function<void()> m_onClose;
    std::vector<MenuItem> m_contextMenu;
};
