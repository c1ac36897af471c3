#include "orbeni/local/PopolaArchivio.h"
#include "tests/local/RadiceDiProva.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList RichiestaArchivio(const QString& azienda)
{
    QStringList richiesta(111);
    richiesta[0] = azienda;
    richiesta[1] = u"ARCHIVIOSERIE"_s;
    richiesta[2] = u"AZ"_s;
    richiesta[3] = u"it"_s;
    richiesta[90] = u"@END@"_s;
    richiesta[95] = richiesta[96] = u"demo"_s;
    return richiesta;
}

TEST(ArchivioSerie, DellAziendaDemo)
{
    ServerLocale& server = RadiceDemo().Server();
    ArchivioSerie archivio;
    ASSERT_TRUE(server.Richiesta(u"local"_s, u"DOCUME"_s, RichiestaArchivio(u"01"_s), archivio))
        << server.UltimoErrore().toStdString();

    QStringList tipi;
    QStringList serie;
    for (const VoceSerie& voce : archivio.VociSerie) {
        if (voce.Serie.isEmpty()) {
            EXPECT_TRUE(serie.isEmpty()) << "types come before series";
            tipi.append(voce.TipoDocumento);
        } else {
            serie.append(voce.TipoDocumento + u'|' + voce.Serie + u'|' + voce.Sigla);
        }
    }
    const QStringList tipiAttesi {u"BOLLE DI VENDITA"_s, u"FATTURE EMESSE"_s,
        u"NOTE DI CREDITO EMESSE"_s, u"CONFERME"_s, u"PACKING LIST"_s, u"BOLLE LAVORAZIONE CCT"_s,
        u"TUTTI I DOCUMENTI"_s, u"DA VISIONARE"_s, u"DA INVIARE"_s,
        u"INFORMATIVE LEGGE PRIVACY DA INVIARE"_s, u"INFORMATIVE LEGGE PRIVACY INVIATE"_s,
        u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI REMOTE"_s,
        u"EXPORT MANAGER - INFORMATIVE DA INVIARE"_s, u"CREDEMTEL - INVIO DOCUMENTI"_s,
        u"CREDEMTEL - DOCUMENTI INVIATI"_s, u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s,
        u"INVIO TELEMATICO ELENCHI CLIENTI/FORNITORI"_s};
    EXPECT_EQ(tipi, tipiAttesi);
    EXPECT_EQ(serie,
        (QStringList {u"BOLLE DI VENDITA|BV|BOLLA"_s, u"BOLLE DI VENDITA|BX|BOLLA"_s,
            u"FATTURE EMESSE|FA|FATT."_s, u"FATTURE EMESSE|FB|FATT."_s,
            u"NOTE DI CREDITO EMESSE|NC|NT.CRED."_s, u"CONFERME|CO|CONF."_s, u"CONFERME|CE|CONF."_s,
            u"PACKING LIST|PL|PACK."_s, u"BOLLE LAVORAZIONE CCT|LC|CCT"_s}));

    for (const bool acceso : {archivio.PulsanteStampa, archivio.FaxDocumenti, archivio.FaxServer,
             archivio.InvioFatture, archivio.InvioConferme, archivio.InvioDaInviare,
             archivio.AnnotaFatture, archivio.AnnotaBolle, archivio.EmailInfo, archivio.FaxInfo})
        EXPECT_TRUE(acceso);
    for (const bool spento : {archivio.RubricaLdap, archivio.FaxViaEmail, archivio.SenzaBollo,
             archivio.ModificaInWord, archivio.ModoCodiciRicerca})
        EXPECT_FALSE(spento);
    EXPECT_EQ(archivio.DominioPosta, u"quorvanel.it"_s);
    EXPECT_FALSE(archivio.ServerLdap.isEmpty());
}

TEST(ArchivioSerie, RichiesteSbagliateFallisconoELascianoIlRisultatoVuoto)
{
    ServerLocale& server = RadiceDemo().Server();
    ArchivioSerie archivio;
    EXPECT_FALSE(server.Richiesta(u"local"_s, u"DOCUME"_s, RichiestaArchivio(u"99"_s), archivio));
    EXPECT_TRUE(server.UltimoErrore().contains(u"99"_s));
    EXPECT_TRUE(archivio.VociSerie.isEmpty());

    QStringList corta = RichiestaArchivio(u"01"_s).mid(0, 110);
    EXPECT_FALSE(server.Richiesta(u"local"_s, u"DOCUME"_s, corta, archivio));
    EXPECT_FALSE(server.Richiesta(u"local"_s, u"NOMECL"_s, RichiestaArchivio(u"01"_s), archivio));
    QStringList sconosciuta = RichiestaArchivio(u"01"_s);
    sconosciuta[1] = u"ARCHIVIO"_s;
    EXPECT_FALSE(server.Richiesta(u"local"_s, u"DOCUME"_s, sconosciuta, archivio));
    EXPECT_TRUE(archivio.VociSerie.isEmpty());

    ElencoClienti altroTipo;
    EXPECT_FALSE(server.Richiesta(u"local"_s, u"DOCUME"_s, RichiestaArchivio(u"01"_s), altroTipo));
}

TEST(ArchivioSerie, DiUnaRadiceConSoloIDatiScelti)
{
    RadiceDiProva radice(false);
    {
        PopolaArchivio dati(radice.Server().Archivio(), radice.Server().Radice());
        ASSERT_TRUE(dati.Azienda(u"02"_s, u"Prova s.r.l."_s));
        ASSERT_TRUE(dati.TipoDocumento(
            u"02"_s, u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s, u"ESEN."_s));
        ArchivioSerie opzioni;
        opzioni.FaxViaEmail = true;
        opzioni.DominioPosta = u"prova.it"_s;
        ASSERT_TRUE(dati.Opzioni(u"02"_s, opzioni));
    }
    ArchivioSerie archivio;
    ASSERT_TRUE(
        radice.Server().Richiesta(u"local"_s, u"DOCUME"_s, RichiestaArchivio(u"02"_s), archivio));
    ASSERT_EQ(archivio.VociSerie.size(), 1);
    EXPECT_EQ(
        archivio.VociSerie.at(0).TipoDocumento, u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s);
    EXPECT_TRUE(archivio.FaxViaEmail);
    EXPECT_FALSE(archivio.PulsanteStampa);
    EXPECT_EQ(archivio.DominioPosta, u"prova.it"_s);
}

TEST(ArchivioSerie, DellaDemoSenzaUnTipo)
{
    RadiceDiProva radice(true);
    {
        PopolaArchivio dati(radice.Server().Archivio(), radice.Server().Radice());
        ASSERT_TRUE(dati.TogliTipoDocumento(u"01"_s, u"BOLLE DI VENDITA"_s));
    }
    ArchivioSerie archivio;
    ASSERT_TRUE(
        radice.Server().Richiesta(u"local"_s, u"DOCUME"_s, RichiestaArchivio(u"01"_s), archivio));
    for (const VoceSerie& voce : archivio.VociSerie)
        EXPECT_NE(voce.TipoDocumento, u"BOLLE DI VENDITA"_s);
    EXPECT_EQ(archivio.VociSerie.first().TipoDocumento, u"FATTURE EMESSE"_s);
}

} // namespace
