// Writes icon pictures into one Windows icon file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The bytes of an .ico file holding the images in the given order. Each image is indexed with a
// colour table of 2 or 16 colours and is stored as a 1- or 4-bit bitmap with that table; the
// pictures are opaque, so their transparency masks are empty.
QByteArray icoFile(const QList<QImage> &images);
