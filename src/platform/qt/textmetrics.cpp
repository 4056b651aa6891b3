#include "platform/textmetrics.h"

#include "platform/qt/fonts.h"
#include "platform/qt/qtext.h"

#include <QFontMetrics>

Size textSize(const Font &font, const std::u16string &text)
{
    const QFontMetrics metrics(qtFont(font));
    return {metrics.horizontalAdvance(toQString(text)), metrics.height()};
}
