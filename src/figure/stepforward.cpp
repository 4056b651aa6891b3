// One step of P forward along B, A, D, C.
#include "app/form1.h"

void Form1::susumu_Click() {}
