// The program icon for its window, from the pictures built into the program.
#pragma once

#include <QIcon>

QIcon programIcon();
