// The three pictures of the program icon: the rectangle with the moving point and its triangle.
#pragma once

#include <QImage>

// 32 x 32, black and white, as an indexed image with the two colours in its colour table.
QImage twoColourIcon32();

// size x size (16 or 32), in the classic 16-colour palette, as an indexed image whose colour
// table is that palette.
QImage sixteenColourIcon(int size);

// size x size on the window's olive, for a home screen: the 32 x 32 picture enlarged pixel for
// pixel by a whole factor and centred. At 512 the figure stays within the middle circle of 80 %
// that a masked (round or rounded) icon always shows.
QImage appIcon(int size);
