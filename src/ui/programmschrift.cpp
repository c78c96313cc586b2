#include "programmschrift.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QTextEdit>

ProgrammSchriftWerte &ProgrammSchrift()
{
    static ProgrammSchriftWerte werte = [] {
        ProgrammSchriftWerte w;
        w.schrift = QFont(QStringLiteral("Arial"), 12);
        return w;
    }();
    return werte;
}

QColor FarbeAusWert(quint32 wert)
{
    if ((wert & 0xFF000000u) != 0)
        return QApplication::palette().color(QPalette::WindowText);
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}

quint32 WertAusFarbe(const QColor &farbe)
{
    return quint32(farbe.red()) | (quint32(farbe.green()) << 8) | (quint32(farbe.blue()) << 16);
}

QColor SchriftFarbe()
{
    return FarbeAusWert(ProgrammSchrift().farbe);
}

int StilBits(const QFont &schrift)
{
    return (schrift.italic() ? 1 : 0) | (schrift.bold() ? 2 : 0) | (schrift.underline() ? 4 : 0)
           | (schrift.strikeOut() ? 8 : 0);
}

void StilBitsSetzen(QFont &schrift, int bits)
{
    schrift.setItalic(bits & 1);
    schrift.setBold(bits & 2);
    schrift.setUnderline(bits & 4);
    schrift.setStrikeOut(bits & 8);
}

const HintergrundEintrag &HintergrundTabelle(int nummer)
{
    static const HintergrundEintrag tabelle[HintergrundAnzahl] = {
        {"Schwarz", QColor(0, 0, 0)},        {"Weiß", QColor(255, 255, 255)},
        {"Gelb", QColor(255, 255, 0)},       {"Blau", QColor(0, 0, 255)},
        {"Marineblau", QColor(0, 0, 128)},   {"Himmelblau", QColor(166, 202, 240)},
        {"Blaugrün", QColor(0, 128, 128)},   {"Grün", QColor(0, 128, 0)},
        {"Minzgrün", QColor(192, 220, 192)}, {"Gelbgrün", QColor(0, 255, 0)},
        {"Olivgrün", QColor(128, 128, 0)},   {"Grau", QColor(128, 128, 128)},
        {"Dunkelgrau", QColor(128, 128, 128)}, {"Hellgrau", QColor(192, 192, 192)},
        {"Rot", QColor(255, 0, 0)},          {"Purpur", QColor(128, 0, 128)},
        {"Lila", QColor(255, 0, 255)},       {"Silber", QColor(192, 192, 192)},
        {"Braun", QColor(43, 90, 139)},
    };
    return tabelle[(nummer >= 0 && nummer < HintergrundAnzahl) ? nummer : 0];
}

QString HintergrundName(int nummer)
{
    return QString::fromUtf8(HintergrundTabelle(nummer).name);
}

QColor &Hintergrundfarbe()
{
    static QColor farbe = HintergrundTabelle(1).farbe;
    return farbe;
}

namespace {

bool IstTextControl(QWidget *w)
{
    return qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w)
           || qobject_cast<QListWidget *>(w) || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)
           || qobject_cast<QGroupBox *>(w) || w->inherits("StatusLeiste");
}

void Faerben(QWidget *w)
{
    QPalette palette = w->palette();
    const QColor text = SchriftFarbe();
    for (auto rolle : {QPalette::Base, QPalette::Window})
        palette.setColor(rolle, Hintergrundfarbe());
    for (auto rolle : {QPalette::Text, QPalette::WindowText})
        palette.setColor(rolle, text);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

} // namespace

void SchriftUndFarbeAnwenden(QWidget *fenster)
{
    const QFont &programm = ProgrammSchrift().schrift;
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(w)) {
            w->setFont(programm); // the radio items show their group's colours
            w->setPalette(w->parentWidget()->palette());
        } else if (auto *knopf = qobject_cast<QAbstractButton *>(w)) {
            QFont schrift = knopf->font();
            schrift.setFamily(programm.family());
            schrift.setPointSizeF(programm.pointSizeF());
            knopf->setFont(schrift);
        } else if (IstTextControl(w)) {
            w->setFont(programm);
            Faerben(w);
        }
    }
}
