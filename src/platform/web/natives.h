// The browser peers of the platform's controls, window and painter.
#pragma once

#include "platform/color.h"
#include "platform/control.h"
#include "platform/shared/rasterpainter.h"
#include "platform/surfacepainter.h"
#include "platform/web/page.h"
#include "platform/web/textimages.h"
#include "platform/window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Surface;

// A control is one element of the page, known by its number.
struct Control::Native
{
    explicit Native(ElementKind kind);
    ~Native();

    int element;
    Rect geometry;
    bool enabled = true;
    Font font = defaultUiFont();
    std::u16string accessibleName;
    Color backColor{240, 240, 240};
    std::function<void()> onClick;
    // Only a combo box has them.
    std::vector<std::u16string> items;
    // Only a picture box has one.
    std::unique_ptr<Surface> surface;
};

struct Window::Native
{
    std::u16string caption;
    Size clientSize{865, 437};
    Color backColor{240, 240, 240};
};

// Paints a surface's controls over a copy of its image, at device pixels.
struct SurfacePainter::Native
{
    RasterPainter &painter;
    double scale;
    TextImages &texts;
};

inline int length(const std::u16string &text)
{
    return int(text.size());
}

inline int elementOf(const Control &control)
{
    return control.native().element;
}
