#include "testhilfen.h"
#include "util/sicherschreiben.h"

class SicherSchreiben : public Umgebung
{
};

TEST_F(SicherSchreiben, NeueDateiErsetztNieEineVorhandene)
{
    const QString pfad = Ordner() + QLatin1String("Delta.dat");
    Schreiben(pfad, "Delta\r\n");
    QString fehler;
    EXPECT_FALSE(BytesSchreiben(pfad, "neu\r\n", fehler, true));
    EXPECT_EQ(Lesen(pfad), "Delta\r\n");
    EXPECT_TRUE(BytesSchreiben(Ordner() + QLatin1String("Zeta.dat"), "neu\r\n", fehler, true));
    EXPECT_EQ(Lesen(Ordner() + QLatin1String("Zeta.dat")), "neu\r\n");
}
