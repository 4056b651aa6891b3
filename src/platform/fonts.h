// Fonts: the Japanese Gothic face the layout names, with the installed face that stands in for it.
#pragma once

#include <QFont>

// The proportional Gothic face at an em height in pixels; where that face is missing, the
// installed proportional Gothic with matching metrics takes its place.
QFont gothicFont(int pixelSize, bool bold = false);

// The platform's standard Japanese user-interface font of about 9 points.
QFont defaultUiFont();
