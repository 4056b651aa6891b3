// Automatic play of the whole walk, its stop button and the pause between steps.
#include "app/form1.h"

void Form1::jidou_Click() {}

void Form1::tomeru_Click() {}

void Form1::Pause(std::int32_t) {}
