#include "eingabelaenge.h"

#include <QLineEdit>
#include <QValidator>

namespace {

class LaengenPruefer : public QValidator
{
public:
    LaengenPruefer(QLineEdit *feld, int laenge) : QValidator(feld), feld(feld), laenge(laenge) {}

    State validate(QString &eingabe, int &) const override
    {
        // Typing may not grow a text beyond the limit; shortening always works.
        if (eingabe.size() > laenge && eingabe.size() > feld->text().size())
            return Invalid;
        return Acceptable;
    }

private:
    QLineEdit *feld;
    int laenge;
};

} // namespace

void EingabeBegrenzen(QLineEdit *feld, int laenge)
{
    feld->setValidator(new LaengenPruefer(feld, laenge));
}
