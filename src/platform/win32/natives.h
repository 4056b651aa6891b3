// The Win32 peers of the platform's controls, window and painter.
#pragma once

#include "platform/control.h"
#include "platform/surfacepainter.h"
#include "platform/window.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LiveRegion;
class PictureBox;
class SurfaceImage;

// A control's child window of the program's window. Its place and font are kept in logical
// pixels; the window itself lies at device pixels.
struct Control::Native
{
    enum class Kind { Button, CheckBox, Edit, ComboBox, Label, Surface };

    Native(Window &window, Kind kind, const wchar_t *className, DWORD style, DWORD extendedStyle);
    ~Native();
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    Font currentFont() const;
    void applyFont();
    // The window text is the name a screen reader reads, where the text is not the content.
    void showName();

    Window &window;
    Kind kind;
    HWND hwnd = nullptr;
    Rect geometry;
    std::optional<Font> font;
    std::u16string caption;
    std::u16string accessibleName;
    std::optional<Color> backColor;
    Color foreColor{0, 0, 0};
    std::function<void()> onClick;
    const PictureBox *surface = nullptr;
    std::unique_ptr<SurfaceImage> image;
};

struct Window::Native
{
    Native();
    ~Native();
    Native(const Native &) = delete;
    Native &operator=(const Native &) = delete;

    HWND hwnd = nullptr;
    Color backColor{240, 240, 240};
    Font font = defaultUiFont();
    std::vector<Control::Native *> controls;
    std::function<bool(const KeyPress &)> keyPreview;
    std::function<void()> onClose;
    // The child that had the focus when the window was last deactivated.
    HWND lastFocus = nullptr;
    std::unique_ptr<LiveRegion> liveRegion;
};

struct SurfacePainter::Native
{
    HDC dc;
    double scale;
};

// The native peer behind a child window of the program, or nullptr for any other window.
Control::Native *controlOf(HWND hwnd);
// The program's window behind a top-level window, or nullptr for any other window.
Window::Native *windowOf(HWND hwnd);
