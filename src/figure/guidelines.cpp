// The two optional guides on the blackboard: the travelled path and the height of the triangle.
#include "app/form1.h"

void Form1::DrawPathLines() {}

void Form1::DrawHeightLine() {}

void Form1::Check1_Click() {}

void Form1::Check3_Click() {}
