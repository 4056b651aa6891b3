// The Qt fonts of the layout: its Japanese Gothic face, or the installed face that stands in.
#pragma once

#include "platform/font.h"

#include <QFont>
#include <QString>

// The proportional Gothic face, resolved once from the installed fonts: the layout's own face
// where installed, else the first installed of a few proportional Japanese Gothic faces.
QString gothicFamily();

// The platform's Japanese user-interface face, resolved the same way.
QString uiFamily();

// The font at an em of its pixel size times scale, at least one pixel.
QFont qtFont(const Font &font, double scale = 1);
