#include "platform/clipboard.h"

#include "platform/qt/qtext.h"

#include <QClipboard>
#include <QGuiApplication>

void copyToClipboard(const std::u16string &text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}
