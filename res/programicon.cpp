// The window icon: the 16- and 32-pixel pictures of the installed icon.
#include "programicon.h"

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tavilo-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/tavilo-32.png"), QSize(32, 32));
    return icon;
}
