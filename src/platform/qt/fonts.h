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

QFont qtFont(const Font &font);
