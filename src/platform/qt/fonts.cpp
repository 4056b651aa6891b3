#include "platform/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
// Stand-ins in order of preference, all proportional Japanese Gothic faces.
const QStringList standInGothics = {QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                                    QStringLiteral("Noto Sans CJK JP")};

// The first of the wanted faces that is installed. Naming an installed face keeps every font
// request of the layout out of fontconfig's fallback search.
QString firstInstalled(const QStringList &wanted)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : wanted)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}
} // namespace

QString gothicFamily()
{
    static const QString family = firstInstalled(
        QStringList{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic")} +
        standInGothics);
    return family;
}

QString uiFamily()
{
    static const QString family = firstInstalled(QStringList{QStringLiteral("MS UI Gothic"),
                                                             QStringLiteral("ＭＳ Ｐゴシック"),
                                                             QStringLiteral("MS PGothic")} +
                                                 standInGothics);
    return family;
}

QFont qtFont(const Font &font)
{
    QFont qfont(font.face == Font::Face::Gothic ? gothicFamily() : uiFamily());
    qfont.setPixelSize(font.pixelSize);
    qfont.setBold(font.bold);
    return qfont;
}
