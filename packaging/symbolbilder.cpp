// Renders the program's icon into the PNG sizes of the icon theme, with the
// same renderer that draws the window icon:
//   symbolbilder <svg> <zielordner> <name> <groesse>...
// writes <zielordner>/<n>x<n>/apps/<name>.png for every size.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fputs("Aufruf: symbolbilder <svg> <zielordner> <name> <groesse>...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "symbolbilder: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    const QString ziel = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int n = 4; n < argc; ++n) {
        const int groesse = QString::fromLocal8Bit(argv[n]).toInt();
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        svg.render(&maler);
        maler.end();
        const QString ordner = QStringLiteral("%1/%2x%2/apps").arg(ziel).arg(groesse);
        QDir().mkpath(ordner);
        if (!bild.save(ordner + QLatin1Char('/') + name + QLatin1String(".png"))) {
            std::fprintf(stderr, "symbolbilder: %s kann nicht geschrieben werden\n", qPrintable(ordner));
            return 1;
        }
    }
    return 0;
}
