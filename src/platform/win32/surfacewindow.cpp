#include "platform/win32/surfacewindow.h"

#include "platform/picturebox.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/errorreport.h"
#include "platform/win32/natives.h"
#include "platform/win32/surfaceimage.h"

#include <algorithm>
#include <memory>

namespace {
// The edge's two rings share the border's device pixels, the inner one taking any odd pixel.
void drawSunkenBorder(HDC dc, RECT rect, int border)
{
    const int outer = border / 2;
    for (int i = 0; i < outer; ++i)
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    for (int i = outer; i < border; ++i)
        DrawEdge(dc, &rect, BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
}

void paintControls(const PictureBox &surface, HDC dc, double scale)
{
    SurfacePainter::Native native{dc, scale, surface.native().window.native().fonts};
    SurfacePainter painter(native);
    surface.paintControls(painter);
}

// The composed picture of the part to repaint, made in the scratch image.
void paintSurface(Control::Native &native, HDC dc, const RECT &dirty)
{
    RECT client;
    GetClientRect(native.hwnd, &client);
    const double scale = native.imageScale;
    const int border = deviceBorder(scale);
    drawSunkenBorder(dc, client, border);
    const SurfaceImage &image = *native.image;
    const RECT area{std::max<LONG>(dirty.left - border, 0), std::max<LONG>(dirty.top - border, 0),
                    std::min<LONG>(dirty.right - border, image.size().width),
                    std::min<LONG>(dirty.bottom - border, image.size().height)};
    if (area.left >= area.right || area.top >= area.bottom)
        return;
    static std::unique_ptr<SurfaceImage> scratch;
    if (!scratch || scratch->size().width < image.size().width ||
        scratch->size().height < image.size().height)
        scratch = std::make_unique<SurfaceImage>(image.size());
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    BitBlt(scratch->dc(), area.left, area.top, width, height, image.dc(), area.left, area.top,
           SRCCOPY);
    const HRGN clip = CreateRectRgnIndirect(&area);
    SelectClipRgn(scratch->dc(), clip);
    DeleteObject(clip);
    paintControls(static_cast<const PictureBox &>(*native.owner), scratch->dc(), scale);
    SelectClipRgn(scratch->dc(), nullptr);
    BitBlt(dc, area.left + border, area.top + border, width, height, scratch->dc(), area.left,
           area.top, SRCCOPY);
}

LRESULT handle(Control::Native &native, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(native.hwnd, &paint);
        paintSurface(native, dc, paint.rcPaint);
        EndPaint(native.hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetFocus(native.hwnd);
        return 0;
    default:
        return DefWindowProcW(native.hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK surfaceProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *const native =
        reinterpret_cast<Control::Native *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (native == nullptr || !native->image)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return guarded([&] { return handle(*native, message, wParam, lParam); });
}
} // namespace

const wchar_t *surfaceWindowClass()
{
    static const wchar_t *const name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = surfaceProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        windowClass.lpszClassName = L"TaviloSurface";
        RegisterClassExW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

int deviceBorder(double scale)
{
    return std::max(2, devicePixels(PictureBox::borderWidth, scale));
}
