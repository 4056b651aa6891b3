// The browser peers of the platform's controls, window and painter.
#pragma once

#include "platform/control.h"
#include "platform/shared/rasterpainter.h"
#include "platform/surfacepainter.h"
#include "platform/web/page.h"
#include "platform/web/textimages.h"
#include "platform/window.h"

#include <memory>
#include <string>

class Surface;

// A control is one element of the page, known by its number.
struct Control::Native
{
    explicit Native(ElementKind kind);
    ~Native();

    int element;
    // Only a picture box has one.
    std::unique_ptr<Surface> surface;
};

// A window is known to the page by its number: 0 is the page's own, later ones panels.
struct Window::Native
{
    int index;
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
