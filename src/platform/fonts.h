// Fonts: the Japanese Gothic face the layout names, or the installed face that stands in for it.
#pragma once

#include <QFont>
#include <QString>

// The proportional Gothic face, resolved once from the installed fonts: the layout's own face
// where installed, else the first installed of a few proportional Japanese Gothic faces.
QString gothicFamily();

// The platform's Japanese user-interface face, resolved the same way.
QString uiFamily();

// The proportional Gothic face at an em height in pixels.
QFont gothicFont(int pixelSize, bool bold = false);

// The platform's standard Japanese user-interface font of about 9 points.
QFont defaultUiFont();
