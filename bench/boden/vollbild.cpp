// The floor of a start: the least a Qt Widgets program does to show a
// window that fills the screen.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Boden"));
    fenster.showFullScreen();
    return anwendung.exec();
}
