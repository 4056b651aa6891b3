// A check box's value as the program reads it: 0 unchecked, 1 checked, 2 grayed.
#pragma once

#include <QCheckBox>

inline int checkValue(const QCheckBox &box)
{
    switch (box.checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}
