// Draws the program icon and writes it as the two theme PNGs, the Windows .ico and the browser
// app's home-screen icons.
// Usage: tavilo_iconmaker OUTPUT_FOLDER
#include "icofile.h"
#include "iconpictures.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: tavilo_iconmaker OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage small = sixteenColourIcon(16);
    const QImage large = sixteenColourIcon(32);
    bool written = small.save(folder.filePath(QStringLiteral("tavilo-16.png"))) &&
                   large.save(folder.filePath(QStringLiteral("tavilo-32.png"))) &&
                   writeFile(folder.filePath(QStringLiteral("tavilo.ico")),
                             icoFile({twoColourIcon32(), large, small}));
    for (const int size : {180, 192, 512})
        written = written &&
                  appIcon(size).save(folder.filePath(QStringLiteral("tavilo-%1.png").arg(size)));
    if (!written) {
        std::fputs("tavilo_iconmaker: cannot write the icon files\n", stderr);
        return 1;
    }
    return 0;
}
