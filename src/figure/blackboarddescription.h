// What a screen reader hears about the blackboard: where P stands and the area of triangle PBC.
#pragma once

#include <string>

// The text for P at a distance of 0 to 28 cm from B along B, A, D, C, for instance
// "点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²".
std::u16string blackboardDescription(int distance);
