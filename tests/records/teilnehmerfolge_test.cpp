#include "records/teilnehmerfolge.h"
#include "testhilfen.h"

TEST(Teilnehmerfolge, NachbarInDerReihenfolgeDerListe)
{
    // Sorted as the participant list sorts: German order, umlauts in place.
    const QStringList namen{"adam", "Ärger", "Berta", "Zeta"};
    struct Fall {
        QString name;
        int schritt;
        QString erwartet;
    } faelle[] = {
        {"adam", 1, "Ärger"},
        {"Ärger", 1, "Berta"},
        {"Zeta", -1, "Berta"},
        {"Ärger", -1, "adam"},
        // The ends: nothing.
        {"Zeta", 1, ""},
        {"adam", -1, ""},
        // Found as the list finds the open one, without regard to case.
        {"BERTA", 1, "Zeta"},
        // Not in the list (another class): from where it would stand.
        {"Carl", 1, "Zeta"},
        {"Carl", -1, "Berta"},
        {"Aal", -1, ""},
        {"Aal", 1, "adam"},
        {"Zz", 1, ""},
        {"Zz", -1, "Zeta"},
    };
    for (const Fall &fall : faelle)
        EXPECT_EQ(NachbarTeilnehmer(namen, fall.name, fall.schritt), fall.erwartet)
            << fall.name.toStdString() << " " << fall.schritt;
    EXPECT_EQ(NachbarTeilnehmer({}, "adam", 1), "");
    EXPECT_EQ(NachbarTeilnehmer({}, "adam", -1), "");
}
