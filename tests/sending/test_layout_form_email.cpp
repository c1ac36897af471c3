#include "sending/LayoutFormEmail.h"

#include <gtest/gtest.h>

namespace {

MisureFormEmail Misure(int righe, bool fax, int altezzaPrincipale = 12000)
{
    return {altezzaPrincipale, 6900, 1200, righe, 17, fax};
}

TEST(LayoutFormEmail, RecipientsFrameGrowsWithItsRowsUpToTheMaximum)
{
    EXPECT_EQ(CalcolaLayoutFormEmail(Misure(3, false)).Destinatari.Altezza, 3 * 257 + 50);
    EXPECT_EQ(CalcolaLayoutFormEmail(Misure(17, false, 20000)).Destinatari.Altezza, 17 * 257 + 50);
    EXPECT_EQ(CalcolaLayoutFormEmail(Misure(40, false, 20000)).Destinatari.Altezza, 17 * 257 + 30);
    EXPECT_EQ(NumeroMaxElementi(1024), 17);
    EXPECT_EQ(NumeroMaxElementi(800), 10);
}

TEST(LayoutFormEmail, ASmallMainWindowLimitsTheRecipientsFrame)
{
    const LayoutFormEmail layout = CalcolaLayoutFormEmail(Misure(40, true, 9000));
    const int sotto = layout.Testo.Altezza + 60 + layout.Tentativi.Altezza + 60;
    EXPECT_EQ(layout.Destinatari.Altezza, 9000 - layout.Destinatari.Alto - sotto - 600);
}

TEST(LayoutFormEmail, FramesAreStackedAndTheDialogEndsBelowTheLastShown)
{
    for (const bool fax : {false, true}) {
        const LayoutFormEmail layout = CalcolaLayoutFormEmail(Misure(5, fax));
        EXPECT_LT(layout.Oggetto.Basso(), layout.Destinatari.Alto);
        EXPECT_LT(layout.Destinatari.Basso(), layout.Testo.Alto);
        EXPECT_EQ(layout.Destinatari.Larghezza, 1200 + 6900 + 100);
        EXPECT_EQ(layout.Lista.Alto, 30);
        const int ultimo = fax ? layout.Tentativi.Basso() : layout.Testo.Basso();
        EXPECT_EQ(layout.Altezza, ultimo + 1000);
        EXPECT_EQ(layout.BarraDestra.Alto, layout.BarraAlto.Basso());
        EXPECT_EQ(layout.BarraDestra.Basso(), layout.Altezza);
    }
}

TEST(LayoutFormEmail, EditorLeavesRoomForTheCheckBoxAndTheScrollBar)
{
    const PosizioneEditore libero = PosizionaEditore(1000, 4000, 3000, 300, false, 255);
    EXPECT_EQ(libero.Testo.Larghezza, 2700);
    EXPECT_EQ(libero.SinistraCheck, 4000 + 2700 + 50);
    EXPECT_EQ(libero.AltoCheck, 1000);
    const PosizioneEditore coperto = PosizionaEditore(1000, 4000, 3000, 300, true, 255);
    EXPECT_EQ(coperto.Testo.Larghezza, 2700 - 255);
    EXPECT_EQ(coperto.SinistraCheck, 4000 + 2700 - 255 + 30);
}

} // namespace
