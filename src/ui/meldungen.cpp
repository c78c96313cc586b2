#include "meldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MeldungsAntwort festeAntwort;

bool Zeigen(MeldungsArt art, const QString &text, bool neinVorgabe)
{
    QWidget *eltern = QApplication::activeModalWidget();
    if (!eltern)
        eltern = QApplication::activeWindow();
    QMessageBox box(eltern);
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (art) {
    case MeldungsArt::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    case MeldungsArt::Fehler:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Fehler"));
        break;
    case MeldungsArt::Frage:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Bestätigung"));
        break;
    }
    if (art != MeldungsArt::Frage) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return true;
    }
    QPushButton *ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(neinVorgabe ? nein : ja);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja;
}

bool Melden(MeldungsArt art, const QString &text, bool neinVorgabe = false)
{
    return festeAntwort ? festeAntwort(art, text) : Zeigen(art, text, neinVorgabe);
}

} // namespace

void Information(const QString &text)
{
    Melden(MeldungsArt::Information, text);
}

void Fehler(const QString &text)
{
    Melden(MeldungsArt::Fehler, text);
}

bool Frage(const QString &text, bool neinVorgabe)
{
    return Melden(MeldungsArt::Frage, text, neinVorgabe);
}

void MeldungsAntwortFestlegen(MeldungsAntwort antwort)
{
    festeAntwort = std::move(antwort);
}
