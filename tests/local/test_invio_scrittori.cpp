// The workstation's own writers feeding the embedded server: what sending/ writes, the server
// sends.
#include "sending/ScriviSpool.h"
#include "tests/local/InvioDiProva.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The session of a workstation named PC1 on the test's server, user "demo".
Invexo_Main Sessione_(InvioDiProva& invio)
{
    Invexo_Main globali;
    globali.IndirizzoServer = u"local"_s;
    globali.CodiceAzienda = u"01"_s;
    globali.NomePC = InvioDiProva::NomePC;
    // The test owns the server and the environment; the session only points at them.
    globali.Servizi = std::shared_ptr<ServiziOrbeni>(std::shared_ptr<void>(), &invio.Server());
    globali.Ambiente
        = std::shared_ptr<AmbienteOrbeni>(std::shared_ptr<void>(), &invio.Radice().Ambiente());
    globali.SessioneOrbeni = std::make_shared<Sessione>();
    globali.SessioneOrbeni->Utente.Codice = u"demo"_s;
    globali.Archivio = std::make_shared<ArchivioSerie>();
    return globali;
}

// The documents the to-send search lists, each with its customer's copy as the send address.
QList<CDatiInvioDocumentoCliente> VociDaInviare(InvioDiProva& invio)
{
    QStringList richiesta(111);
    richiesta[0] = u"01"_s;
    richiesta[1] = u"DOCUMENTI"_s;
    richiesta[27] = u"DA INVIARE"_s;
    richiesta[90] = u"@END@"_s;
    DocumentiTrovati trovati;
    EXPECT_TRUE(invio.Server().Richiesta(u"local"_s, u"DOCUME"_s, richiesta, trovati));
    QList<CDatiInvioDocumentoCliente> voci;
    for (const ClientePtr& cliente : std::as_const(trovati.Clienti))
        for (const DocumentoPtr& documento : std::as_const(cliente->DocumentiCliente))
            voci.append({CopiaCliente(*cliente), documento, false});
    return voci;
}

TEST(ScrittoriEServer, DocumentiScrittiDallaPostazioneEsconoDaQuelliDaInviare)
{
    InvioDiProva invio;
    Invexo_Main globali = Sessione_(invio);
    QList<CDatiInvioDocumentoCliente> voci = VociDaInviare(invio);
    ASSERT_EQ(voci.size(), 4);
    QStringList restano;
    for (CDatiInvioDocumentoCliente& voce : voci) {
        const QString chiave = voce.Documento->Sigla + u' ' + voce.Documento->Serie;
        if (chiave == u"CONF. CO"_s) {
            voce.DaStampare = true;
            restano.append(u"CO 7"_s);
        } else if (chiave == u"CONF. FA"_s) {
            // An address changed in the list and to be kept in the master data.
            voce.Cliente->Email = u"nuovo@dangelo.it; copia@dangelo.it"_s;
            voce.Cliente->AggiornaRubrica = true;
        }
    }
    EXPECT_EQ(ScriviSpoolDocumenti(globali, voci, u"Ufficio Vendite"_s, u"vendite@quorvanel.it"_s,
                  {}, {}, QDateTime(QDate(2025, 6, 16), QTime(9, 29)), 3),
        EsitoSpool::Avviato)
        << invio.Server().UltimoErrore().toStdString();

    EXPECT_EQ(invio.DaInviare(), restano);
    const QStringList messaggi = invio.Messaggi();
    ASSERT_EQ(messaggi.size(), 2);
    QList<QByteArray> destinatari;
    for (const QString& nome : messaggi) {
        const EmailLetta email = LeggiEmail(invio.Messaggio(nome));
        destinatari.append(email.Intestazioni.value("to"));
        EXPECT_EQ(email.Intestazioni.value("from"), "\"Ufficio Vendite\" <vendite@quorvanel.it>");
        ASSERT_TRUE(Allegato(email, u"FA000123.pdf"_s)) << nome.toStdString();
    }
    EXPECT_TRUE(destinatari.contains("\"D'Angelo & Figli\" <vecchio@dangelo.it>"));
    EXPECT_TRUE(destinatari.contains("\"D'Angelo & Figli\" <nuovo@dangelo.it>, copia@dangelo.it"));
    EXPECT_EQ(invio.Valore(u"SELECT Email FROM anagrafiche WHERE Codice = 'C0001'"_s),
        u"nuovo@dangelo.it; copia@dangelo.it"_s);
    EXPECT_EQ(invio
                  .Valore(u"SELECT COUNT(*) FROM lavori_fax WHERE Destinatario = ?"_s,
                      {u"Bianchi S.p.A."_s})
                  .toInt(),
        1);
}

TEST(ScrittoriEServer, InformativeInviateEPoiRimesseDaInviare)
{
    InvioDiProva invio;
    Invexo_Main globali = Sessione_(invio);
    auto neri = std::make_shared<Cliente>();
    neri->Codice = u"F0001"_s;
    neri->Nominativo = u"Neri Paolo"_s;
    neri->Email = u"paolo@neri.it"_s;
    neri->DataPrivacy = QDate(2023, 11, 30);
    auto notizia = std::make_shared<Documento>();
    notizia->Sigla = u"PRIVACY"_s;
    const QList<CDatiInvioDocumentoCliente> voci {{neri, notizia, false}};

    ASSERT_EQ(ScriviSpoolInformative(globali, voci, u"Privacy"_s, u"privacy@quorvanel.it"_s,
                  u"Informativa privacy"_s, u"Gentile fornitore,\r\nin allegato."_s,
                  QDateTime(QDate(2025, 6, 16), QTime(9, 29)), 3),
        EsitoSpool::Avviato)
        << invio.Server().UltimoErrore().toStdString();
    ASSERT_EQ(invio.Messaggi().size(), 1);
    const EmailLetta email = LeggiEmail(invio.Messaggio(invio.Messaggi().first()));
    // The cover text as the workstation wrapped it, its closing empty line included.
    EXPECT_EQ(QString::fromUtf8(email.Parti.value(0).Corpo),
        u"Gentile fornitore,\r\nin allegato.\r\n\r\n"_s);
    EXPECT_TRUE(Allegato(email, u"Informativa_F0001.pdf"_s));
    EXPECT_EQ(invio.Valore(u"SELECT StatoInformativa FROM informative WHERE CodiceAnagrafica = ?"_s,
                  {u"F0001"_s}),
        u"E"_s);

    ASSERT_EQ(ScriviSpoolStatoInformative(globali, voci, u"DAINV"_s), EsitoSpool::Avviato)
        << invio.Server().UltimoErrore().toStdString();
    EXPECT_EQ(invio.Valore(u"SELECT StatoInformativa || '|' || DataInvio FROM informative "
                           "WHERE CodiceAnagrafica = ?"_s,
                  {u"F0001"_s}),
        u"|"_s);
    EXPECT_EQ(invio.Messaggi().size(), 1);
}

} // namespace
