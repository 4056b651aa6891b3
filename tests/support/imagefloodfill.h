// The border flood fill on a QImage of any format, for the tests and benchmarks that fill images.
#pragma once

#include <QImage>
#include <QPoint>

// floodFillBorder on the image's pixels, seed in device pixels. Format_RGB32, Format_ARGB32 and
// Format_ARGB32_Premultiplied are painted in place (a premultiplied pixel compares by the colour
// it shows). Any other format is first converted to Format_ARGB32 (when it has alpha) or
// Format_RGB32, and stays so, whenever the seed lies inside the image.
bool floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill);
