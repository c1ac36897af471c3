#include "app/NomePC.h"
#include "tests/app/AmbienteFinto.h"
#include "tests/app/DialoghiConLimite.h"
#include "tests/support/TempRoot.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class NomePC : public testing::Test {
protected:
    TempRoot cartella;
    Impostazioni impostazioni {cartella.File(u"Invexo.ini"_s)};
    DialoghiConLimite dialoghi;
    AmbienteFinto ambiente;
    Invexo_Main globali;

    void Leggi() { LeggiNomePC(globali, ambiente, impostazioni, dialoghi); }
};

TEST_F(NomePC, NomeSalvatoUsatoQualunqueLunghezza)
{
    for (const QString& salvato : {u"AB"_s, u"POSTAZIONE-LUNGA"_s}) {
        impostazioni.Scrivi(ChiaviImpostazioni::NomeComputer, salvato);
        ambiente.nomeComputer = u"ALTRO"_s;
        Leggi();
        EXPECT_EQ(globali.NomePC, salvato);
    }
    EXPECT_EQ(ambiente.richiesteNome, 0);
    EXPECT_TRUE(dialoghi.scriptati.Registrati.isEmpty());
}

TEST_F(NomePC, NomeCortoDelComputerSalvatoSenzaDomanda)
{
    ambiente.nomeComputer = u"PC01"_s;
    Leggi();
    EXPECT_EQ(globali.NomePC, u"PC01"_s);
    EXPECT_EQ(impostazioni.Leggi(ChiaviImpostazioni::NomeComputer), u"PC01"_s);
    EXPECT_TRUE(dialoghi.scriptati.Registrati.isEmpty());
}

TEST_F(NomePC, NomeLungoChiedeFinoACinqueCaratteri)
{
    ambiente.nomeComputer = u"UFFICIO-12"_s;
    // Too short, cancelled, too long, then right.
    dialoghi.scriptati.RisposteInput.append({u"UFF1"_s, QString(), u"UFF012"_s, u"UFF01"_s});

    Leggi();

    EXPECT_EQ(globali.NomePC, u"UFF01"_s);
    EXPECT_EQ(Impostazioni(cartella.File(u"Invexo.ini"_s)).Leggi(ChiaviImpostazioni::NomeComputer),
        u"UFF01"_s);
    const auto& domande = dialoghi.scriptati.Registrati;
    ASSERT_EQ(domande.size(), 4);
    for (const auto& domanda : domande) {
        EXPECT_TRUE(domanda.Input);
        EXPECT_EQ(domanda.Testo,
            u"Inserisci il nome di questo pc\r(deve essere di 5 caratteri ed unico)"_s);
        EXPECT_EQ(domanda.Titolo, u"Nome PC"_s);
        EXPECT_EQ(domanda.Proposta, QString());
    }
}

TEST_F(NomePC, ComputerDiSeiCaratteriChiede)
{
    ambiente.nomeComputer = u"ABCDEF"_s;
    dialoghi.scriptati.RisposteInput.enqueue(u"ABCDE"_s);
    Leggi();
    EXPECT_EQ(globali.NomePC, u"ABCDE"_s);
    EXPECT_EQ(dialoghi.scriptati.Registrati.size(), 1);
}

} // namespace
