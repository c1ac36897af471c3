#include "app/Impostazioni.h"
#include "tests/support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ImpostazioniSuFile : public testing::Test {
protected:
    TempRoot cartella;
    QString percorso = cartella.File(u"Invexo.ini"_s);
};

TEST_F(ImpostazioniSuFile, SezioniDelProdottoNelFile)
{
    {
        Impostazioni impostazioni(percorso);
        impostazioni.Scrivi(ChiaviImpostazioni::NomeComputer, u"UFF01"_s);
        impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, u"Eudora"_s);
        impostazioni.Scrivi(ChiaviImpostazioni::MittenteEmail, u"a@b.it"_s);
        impostazioni.Scrivi(ChiaviImpostazioni::MittenteFax, u"Ufficio"_s);
    }
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString testo = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(testo.contains(u"[General]\nCLIENTMAIL=Eudora\n"_s)) << testo.toStdString();
    EXPECT_TRUE(testo.contains(u"[NOMEPC]\nNOMECOMPUTER=UFF01\n"_s)) << testo.toStdString();
    EXPECT_TRUE(testo.contains(u"[EMAIL]\nMittente=a@b.it\n"_s)) << testo.toStdString();
    EXPECT_TRUE(testo.contains(u"[FAX]\nMittente=Ufficio\n"_s)) << testo.toStdString();
}

TEST_F(ImpostazioniSuFile, ScrittoSubitoELettoDaUnAltroOggetto)
{
    Impostazioni scrittore(percorso);
    scrittore.Scrivi(ChiaviImpostazioni::CodiceFiscaleElenchi, u"RSSMRA70A01H501U"_s);
    scrittore.Scrivi(ChiaviImpostazioni::NumeroCafElenchi, QString());
    scrittore.Scrivi(ChiaviImpostazioni::NominativoMittenteInvioDoc, u"Rossi, Bianchi & C."_s);

    const Impostazioni lettore(percorso);
    EXPECT_EQ(lettore.Leggi(ChiaviImpostazioni::CodiceFiscaleElenchi), u"RSSMRA70A01H501U"_s);
    EXPECT_EQ(lettore.Leggi(ChiaviImpostazioni::CodiceFiscaleEsenzione), QString());
    EXPECT_EQ(lettore.Leggi(ChiaviImpostazioni::NumeroCafElenchi), QString());
    EXPECT_EQ(
        lettore.Leggi(ChiaviImpostazioni::NominativoMittenteInvioDoc), u"Rossi, Bianchi & C."_s);
}

TEST_F(ImpostazioniSuFile, ValoreScrittoAManoConVirgoleRestaTesto)
{
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[INVIODOC]\nMittente=uno@a.it, due@a.it\n");
    file.close();
    EXPECT_EQ(
        Impostazioni(percorso).Leggi(ChiaviImpostazioni::MittenteInvioDoc), u"uno@a.it,due@a.it"_s);
}

TEST_F(ImpostazioniSuFile, PredefinitoQuandoMancaIlValore)
{
    const Impostazione conPredefinito {u"ESENZIONE"_s, u"Destinatario"_s, u"nessuno"_s};
    Impostazioni impostazioni(percorso);
    EXPECT_EQ(impostazioni.Leggi(conPredefinito), u"nessuno"_s);
    impostazioni.Scrivi(conPredefinito, QString());
    EXPECT_EQ(impostazioni.Leggi(conPredefinito), QString());
}

} // namespace
