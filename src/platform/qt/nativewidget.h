// The widgets behind the window and its controls, for tests that read them as Qt sees them.
#pragma once

#include <QImage>
#include <QWidget>

class Control;
class PictureBox;
class Window;

QWidget &nativeWidget(const Control &control);
QWidget &nativeWidget(const Window &window);
// The persistent image a surface draws into, at device pixels.
const QImage &surfaceImage(const PictureBox &surface);
