// Writes the program's picture as PNG files for the desktop's icon theme:
//   make_icons <folder>   →  <folder>/<n>x<n>/apps/com.bertovan.Quillmaren.png for each size
// The pictures come from the same drawing as the window icon.
#include "mainwindow/AppIcon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(sizeFolder) ||
            !AppIconPixmap(size).save(sizeFolder + QStringLiteral("/com.bertovan.Quillmaren.png"), "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(sizeFolder));
            return 1;
        }
    }
    return 0;
}
