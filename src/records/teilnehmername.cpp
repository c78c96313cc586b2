#include "teilnehmername.h"

#include "util/texte.h"

QString NamensFehler(const QString &eingabe)
{
    const QString name = Trimmen(eingabe);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Der Name \"%1\" kann nicht als Dateiname verwendet werden!\r\n"
                              "Bitte geben Sie einen anderen Namen ein.")
            .arg(name);
    static const QString verboten = QStringLiteral("\\/:*?\"<>|");
    for (QChar zeichen : name) {
        if (zeichen.unicode() < 32 || zeichen.category() == QChar::Other_Control)
            return QStringLiteral("Der Name \"%1\" enthält ein Steuerzeichen (Code %2), das in "
                                  "Dateinamen nicht erlaubt ist!\r\nBitte geben Sie einen anderen Namen ein.")
                .arg(name)
                .arg(zeichen.unicode());
        if (verboten.contains(zeichen))
            return QStringLiteral("Der Name \"%1\" enthält das Zeichen \"%2\", das in Dateinamen "
                                  "nicht erlaubt ist!\r\nBitte geben Sie einen anderen Namen ein.")
                .arg(name, zeichen);
    }
    return {};
}
