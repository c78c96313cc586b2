#include "toene.h"

#include <QApplication>

#ifdef MERKWERK_CANBERRA
#include <canberra.h>
#endif

namespace {

TonSpieler festerSpieler;

#ifdef MERKWERK_CANBERRA
ca_context *Kontext()
{
    static ca_context *kontext = [] {
        ca_context *k = nullptr;
        if (ca_context_create(&k) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        return k;
    }();
    return kontext;
}
#endif

// Maps the Windows event names onto the freedesktop sound theme.
bool SystemTonSpielen(const QString &ereignis, bool warten)
{
    const bool standard = ereignis == QLatin1String("default");
#ifdef MERKWERK_CANBERRA
    if (ca_context *k = Kontext()) {
        const QByteArray id = standard ? "bell" : "dialog-information";
        Q_UNUSED(warten);
        if (ca_context_play(k, 0, CA_PROP_EVENT_ID, id.constData(), nullptr) == CA_SUCCESS)
            return true;
    }
#else
    Q_UNUSED(warten);
#endif
    if (standard && qApp) {
        QApplication::beep();
        return true;
    }
    return false;
}

bool Spielen(const QString &ereignis, bool warten)
{
    return festerSpieler ? festerSpieler(ereignis, warten) : SystemTonSpielen(ereignis, warten);
}

} // namespace

bool StandardTonSpielen(bool warten)
{
    return Spielen(QStringLiteral("default"), warten);
}

bool SternTonSpielen()
{
    return Spielen(QStringLiteral("systemasterisk"), false);
}

void TonSpielerFestlegen(TonSpieler spieler)
{
    festerSpieler = std::move(spieler);
}
