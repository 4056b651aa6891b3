// Border flood fill on an image, the shading primitive of the drawing surfaces.
#pragma once

#include <QImage>
#include <QPoint>

// Paints the 4-connected region around seed with fill, up to pixels of colour border or the image
// edge. Colours compare on their RGB components only. A seed outside the image or on the border
// colour paints nothing. Returns whether any pixel was painted.
//
// Every pixel of the region that is not the border colour is painted, whatever colour it had
// (including fill itself); fill is written opaque. seed is in the image's device pixels.
// Format_RGB32, Format_ARGB32 and Format_ARGB32_Premultiplied are painted in place (a
// premultiplied pixel compares by the colour it shows, i.e. unpremultiplied). Any other format
// is first converted to Format_ARGB32 (when it has alpha) or Format_RGB32, and stays so, whenever
// the seed lies inside the image.
bool floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill);
