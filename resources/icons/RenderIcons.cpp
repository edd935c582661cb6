// Writes the program's icon, drawn by the same code as the window's and the tray's, as the
// PNG files of the hicolor theme: <folder>/<side>x<side>/apps/<name>.png for each side given.
//   quibbet_render_icons FOLDER NAME SIDE...
#include "app/WindowPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: quibbet_render_icons FOLDER NAME SIDE...\n", stderr);
        return 2;
    }
    const QDir folder(arguments[1]);
    const QString& name = arguments[2];
    for (const QString& text : arguments.mid(3)) {
        bool ok = false;
        const int side = text.toInt(&ok);
        if (!ok || side < 1) {
            std::fprintf(stderr, "quibbet_render_icons: not a size: %s\n", qPrintable(text));
            return 2;
        }
        const QString apps = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = folder.filePath(apps + QLatin1Char('/') + name + QStringLiteral(".png"));
        QImageWriter writer(path, "png");
        if (!folder.mkpath(apps) || !writer.write(app::notePadImage(side))) {
            std::fprintf(stderr, "quibbet_render_icons: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
