#include "zeilenfeld.h"

#include "records/bloecke.h"
#include "util/texte.h"

#include <QLineEdit>
#include <QValidator>

#include <limits>

namespace {

class ZeilenPruefer : public QValidator
{
public:
    ZeilenPruefer(QLineEdit *feld, int grenze) : QValidator(feld), feld(feld), grenze(grenze), bisher(feld->text())
    {
        // The text before a change: a change is checked against it.
        connect(feld, &QLineEdit::textChanged, this, [this](const QString &text) { bisher = text; });
    }

    State validate(QString &eingabe, int &stelle) const override
    {
        // Text the program sets (setText clears the flag) stays as it is.
        if (!feld->isModified())
            return Acceptable;
        // Only what is new is checked; the rest stays as it stands.
        const qsizetype kuerzer = qMin(eingabe.size(), bisher.size());
        qsizetype vorne = 0;
        while (vorne < kuerzer && eingabe.at(vorne) == bisher.at(vorne))
            ++vorne;
        qsizetype hinten = 0;
        while (hinten < kuerzer - vorne
               && eingabe.at(eingabe.size() - 1 - hinten) == bisher.at(bisher.size() - 1 - hinten))
            ++hinten;
        const qsizetype alt = vorne + hinten;
        QString neu = Einzeilig(eingabe.mid(vorne, eingabe.size() - alt));
        if (grenze > 0) {
            const qsizetype platz = qMax<qsizetype>(0, qMax<qsizetype>(grenze, bisher.size()) - alt);
            if (neu.size() > platz) {
                neu.truncate(platz);
                if (!neu.isEmpty() && neu.back().isHighSurrogate())
                    neu.chop(1);
            }
        }
        const QString ergebnis = eingabe.left(vorne) + neu + eingabe.right(hinten);
        if (ergebnis.contains(Blocktrenner) && !bisher.contains(Blocktrenner))
            return Invalid;
        eingabe = ergebnis;
        stelle = int(vorne + neu.size());
        return Acceptable;
    }

private:
    QLineEdit *feld;
    int grenze;
    QString bisher;
};

} // namespace

void ZeilenfeldEinrichten(QLineEdit *feld, int grenze)
{
    // Text read from a file is never cut (Qt's default limit is 32,767).
    feld->setMaxLength(std::numeric_limits<int>::max());
    feld->setValidator(new ZeilenPruefer(feld, grenze));
}
