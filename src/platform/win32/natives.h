// The Win32 peers of the platform's controls, window and painter.
#pragma once

#include "platform/control.h"
#include "platform/shared/drawingrecord.h"
#include "platform/surfacepainter.h"
#include "platform/win32/fonts.h"
#include "platform/window.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class LiveRegion;
class SurfaceImage;

// A control's child window of the program's window, at device pixels.
struct Control::Native
{
    enum class Kind { Button, CheckBox, Edit, ComboBox, Label, Surface };

    Native(Window &window, Kind kind, const wchar_t *className, DWORD style, DWORD extendedStyle);
    ~Native();
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    void showFont(const Font &font) const;

    Window &window;
    Kind kind;
    HWND hwnd = nullptr;
    // The control the child window stands for, known once the control is made.
    Control *owner = nullptr;
    // Only a surface has them: its image at the layout's scale (imageScale), and what it holds
    // since it was last cleared.
    std::unique_ptr<SurfaceImage> image;
    double imageScale = 0;
    DrawingRecord drawing;
    // While the program's own setText runs: the change it makes is no user's.
    bool settingText = false;
};

struct Window::Native
{
    explicit Native(Window &window);
    ~Native();
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    Window &owner;
    HWND hwnd = nullptr;
    std::vector<Control::Native *> controls;
    // The child that had the focus when the window was last deactivated.
    HWND lastFocus = nullptr;
    std::unique_ptr<LiveRegion> liveRegion;
    // The fonts of the controls and surfaces, at the window's layout scale.
    FontSet fonts;
    // The context menu made from the window's items, or nullptr while it has none.
    HMENU contextMenu = nullptr;
    // The display's scale where the window is (dpiScale), as WM_DPICHANGED last told it.
    double dpiScale = 1;
    // Full screen (F11), and the frame's style and place to go back to.
    bool fullScreen = false;
    LONG_PTR framedStyle = 0;
    WINDOWPLACEMENT framedPlacement{};
};

// Fits the window's layout to its client area anew (Window::refit), at its display's scale.
void fitToClientArea(Window::Native &window);
// Switches the window between full screen, without a frame, on its monitor, and its frame.
void toggleFullScreen(Window::Native &window);

struct SurfacePainter::Native
{
    HDC dc;
    double scale;
    FontSet &fonts;
};

// The native peer behind a child window of the program, or nullptr for any other window.
Control::Native *controlOf(HWND hwnd);
// The program's window behind a top-level window, or nullptr for any other window.
Window::Native *windowOf(HWND hwnd);

// Sets the window text a screen reader reads as the control's name: its accessible name, or a
// check box's caption while it has none.
void showName(const Control &control);
