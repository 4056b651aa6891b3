// What a screen reader hears about the blackboard: where P stands and the area of the triangle.
#pragma once

#include <string>

// The text for today's problem with P at a distance of 0 to 28 cm from B along B, A, D, C, for
// instance "点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²"; any problem's is the model's
// boardText.
std::u16string blackboardDescription(int distance);
