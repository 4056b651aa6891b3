#include "platform/qt/fonts.h"

#include "platform/shared/gothicfaces.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
template <std::size_t count> QStringList faces(const std::array<std::u16string_view, count> &names)
{
    QStringList list;
    for (const std::u16string_view name : names)
        list.append(QString(reinterpret_cast<const QChar *>(name.data()), qsizetype(name.size())));
    return list;
}

// The first of the wanted faces that is installed, else the first installed of the free stand-ins
// a Linux machine has. Naming an installed face keeps every font request of the layout out of
// fontconfig's fallback search.
QString firstInstalled(const QStringList &wanted)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : wanted + faces(freeGothicFaces))
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}
} // namespace

QString gothicFamily()
{
    static const QString family = firstInstalled(faces(layoutGothicFaces));
    return family;
}

QString uiFamily()
{
    static const QString family =
        firstInstalled(faces(std::array{layoutUserInterfaceFace}) + faces(layoutGothicFaces));
    return family;
}

QFont qtFont(const Font &font, double scale)
{
    QFont qfont(font.face == Font::Face::Gothic ? gothicFamily() : uiFamily());
    qfont.setPixelSize(scale == 1 ? font.pixelSize
                                  : std::max(1, int(std::lround(font.pixelSize * scale))));
    qfont.setBold(font.bold);
    return qfont;
}
