// One step of P back towards B.
#include "app/form1.h"

void Form1::modoru_Click() {}
