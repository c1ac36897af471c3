#include "ServerDocumenti.h"

#include "orbeni/local/AmbienteLocale.h"
#include "tests/support/DialoghiScriptati.h"

#include "documents/CercaDocumenti.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/ColonneDocumenti.h"
#include "documents/RicercaClienti.h"
#include "documents/SelezioneDocumenti.h"
#include "orbeni/local/DocumentiArchivio.h"
#include "server/Richieste.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

namespace {

const QString Fatture = u"FATTURE EMESSE"_s;
const QString NoteCredito = u"NOTE DI CREDITO EMESSE"_s;
const QString Conferme = u"CONFERME"_s;
const QString Bolle = u"BOLLE DI VENDITA"_s;
const QString Packing = u"PACKING LIST"_s;
const QString Cct = u"BOLLE LAVORAZIONE CCT"_s;

// One document of each type for Alfa, a second invoice for Beta, all in 2025.
class RicercaSulServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(s.Anagrafiche()) << s.Dati->Errore().toStdString();
        const QList<std::tuple<QString, QString, QString, int, QDate>> documenti {
            {u"C1"_s, Fatture, u"FA"_s, 1, QDate(2025, 1, 10)},
            {u"C1"_s, NoteCredito, u"NC"_s, 2, QDate(2025, 2, 10)},
            {u"C1"_s, Conferme, u"CO"_s, 3, QDate(2025, 3, 10)},
            {u"C1"_s, Bolle, u"BV"_s, 4, QDate(2025, 4, 10)},
            {u"C1"_s, Packing, u"PL"_s, 5, QDate(2025, 5, 10)},
            {u"C1"_s, Cct, u"LC"_s, 6, QDate(2025, 6, 10)},
            {u"C2"_s, Fatture, u"FB"_s, 7, QDate(2024, 12, 31)}};
        for (const auto& [cliente, tipo, serie, numero, data] : documenti) {
            const qint64 id = s.Documento(cliente, tipo, serie, numero, data);
            ASSERT_GT(id, 0) << s.Dati->Errore().toStdString();
            id_.append(id);
        }
        ColonneLWDocumenti(lista);
    }

    // The numbers of the listed documents, in list order.
    QList<int> Cerca(const CriteriRicercaDocumenti& criteri)
    {
        const auto esito = CercaDocumenti(lista, criteri, s.Sessione);
        EXPECT_TRUE(esito.RispostaRicevuta) << s.Server->UltimoErrore().toStdString();
        QList<int> numeri;
        for (const auto& riga : lista.Righe())
            numeri.append(riga.TagCome<DocumentoPtr>()->Numero);
        return numeri;
    }

    static CriteriRicercaDocumenti Criteri(const QString& etichetta, const QString& categoria = {})
    {
        CriteriRicercaDocumenti criteri;
        criteri.etichetta = etichetta;
        criteri.categoria = categoria;
        return criteri;
    }

    ServerDocumenti s;
    QList<qint64> id_;
    Elenco lista;
};

struct CasoCategoria {
    const char* Nome;
    QString Etichetta;
    QString Categoria;
    QList<int> Numeri;
};

class CategorieSulServer : public RicercaSulServer,
                           public ::testing::WithParamInterface<CasoCategoria> { };

TEST_P(CategorieSulServer, ListTheTypesOfTheLabelAndCategory)
{
    EXPECT_EQ(Cerca(Criteri(GetParam().Etichetta, GetParam().Categoria)), GetParam().Numeri);
}

INSTANTIATE_TEST_SUITE_P(Viste, CategorieSulServer,
    ::testing::Values(CasoCategoria {"Type", u"FATTURE EMESSE"_s, u"3"_s, {1, 7}},
        CasoCategoria {"All", u"TUTTI I DOCUMENTI"_s, {}, {1, 2, 3, 4, 5, 6, 7}},
        CasoCategoria {"ToViewAll", u"DA VISIONARE"_s, u"0"_s, {1, 2, 3, 4, 5, 6, 7}},
        CasoCategoria {"ToViewNone", u"DA VISIONARE"_s, {}, {1, 2, 3, 4, 5, 6, 7}},
        CasoCategoria {"ToViewInvoices", u"DA VISIONARE"_s, u"1"_s, {1, 2, 7}},
        CasoCategoria {"ToViewConfirmations", u"DA VISIONARE"_s, u"2"_s, {3}},
        CasoCategoria {"ToViewDeliveries", u"DA VISIONARE"_s, u"3"_s, {4, 5}},
        CasoCategoria {"ToSendAll", u"DA INVIARE"_s, {}, {1, 2, 3, 4, 7}},
        CasoCategoria {"ToSendInvoicesConfirmations", u"DA INVIARE"_s, u"0"_s, {1, 3, 7}},
        CasoCategoria {"ToSendInvoices", u"DA INVIARE"_s, u"1"_s, {1, 7}},
        CasoCategoria {"ToSendConfirmations", u"DA INVIARE"_s, u"2"_s, {3}},
        CasoCategoria {"ToSendDeliveries", u"DA INVIARE"_s, u"3"_s, {4}},
        CasoCategoria {"ToSendCreditNotes", u"DA INVIARE"_s, u"4"_s, {2}},
        CasoCategoria {"ToSendDeliveriesInvoices", u"DA INVIARE"_s, u"5"_s, {1, 4, 7}},
        CasoCategoria {"Credemtel", u"CREDEMTEL - INVIO DOCUMENTI"_s, {}, {1, 2, 7}}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST_F(RicercaSulServer, ReadsEveryCriterionAtItsIndex)
{
    CriteriRicercaDocumenti criteri = Criteri(u"TUTTI I DOCUMENTI"_s);
    criteri.serie = u"FB"_s;
    EXPECT_EQ(Cerca(criteri), QList<int> {7});
    criteri = Criteri(u"TUTTI I DOCUMENTI"_s);
    criteri.numero = 3;
    EXPECT_EQ(Cerca(criteri), QList<int> {3});
    criteri.numero = -1;
    criteri.anno = 2024;
    EXPECT_EQ(Cerca(criteri), QList<int> {7});
    criteri.anno = -1;
    // The period takes whole days at both ends.
    criteri.dataDa = QDate(2025, 2, 10);
    criteri.dataA = QDate(2025, 4, 10);
    EXPECT_EQ(Cerca(criteri), (QList<int> {2, 3, 4}));
    criteri.dataDa = {};
    EXPECT_EQ(Cerca(criteri), (QList<int> {1, 2, 3, 4, 7}));

    s.Sessione.ClientiSelezionati = {std::make_shared<Cliente>()};
    s.Sessione.ClientiSelezionati[0]->Codice = u"C2"_s;
    EXPECT_EQ(Cerca(Criteri(Fatture)), QList<int> {7});
}

TEST_F(RicercaSulServer, AnswersCustomersWithTheirDocumentsAndSendRecords)
{
    Documento invio;
    invio.InviatoDa = u"mario"_s;
    invio.ModoInvio = u"EMAIL"_s;
    invio.DataInvio = u"11/01/2025"_s;
    invio.EstremiInvio = u"a@b.it"_s;
    QSqlDatabase db = s.Server->Archivio().Database();
    QString errore;
    ASSERT_TRUE(RegistraInvio(db, id_[0], invio, s.Ora.Adesso(), errore)) << errore.toStdString();

    Cerca(Criteri(Fatture));
    ASSERT_EQ(s.Sessione.Trovati->Clienti.size(), 2);
    const Cliente& alfa = *s.Sessione.Trovati->Clienti[0];
    EXPECT_EQ(alfa.Codice, u"C1"_s);
    EXPECT_EQ(alfa.Nominativo, u"Alfa 100% srl"_s);
    ASSERT_EQ(alfa.DocumentiCliente.size(), 1);
    const Documento& fattura = *alfa.DocumentiCliente[0];
    EXPECT_EQ(fattura.IdServer, id_[0]);
    EXPECT_EQ(fattura.Sigla, u"FATT."_s);
    EXPECT_EQ(fattura.Data, QDateTime(QDate(2025, 1, 10), QTime(10, 0)));
    EXPECT_TRUE(fattura.Inviato());
    ASSERT_EQ(lista.Conta(), 2);
    EXPECT_EQ(lista.Riga(0).Chiave, u"FATT.|FA|1|2025|"_s);
    EXPECT_EQ(lista.Riga(0).Cella(K::KInviato)->Testo, u"    Si"_s);
    EXPECT_EQ(lista.Riga(1).Cella(K::KInviato)->Testo, u"    No"_s);
}

TEST_F(RicercaSulServer, ToSendLeavesOutSentSetAsideAndHandedOver)
{
    QSqlDatabase db = s.Server->Archivio().Database();
    QString errore;
    Documento invio;
    invio.InviatoDa = u"mario"_s;
    invio.ModoInvio = u"FAX"_s;
    invio.DataInvio = u"11/01/2025"_s;
    invio.EstremiInvio = u"051"_s;
    ASSERT_TRUE(RegistraInvio(db, id_[0], invio, s.Ora.Adesso(), errore));
    ASSERT_TRUE(RegistraTrattato(db, id_[2], u"demo"_s, false, s.Ora.Adesso(), errore));
    // An incomplete send record does not count as sent.
    invio.EstremiInvio.clear();
    ASSERT_TRUE(RegistraInvio(db, id_[6], invio, s.Ora.Adesso(), errore));
    EXPECT_EQ(Cerca(Criteri(u"DA INVIARE"_s)), (QList<int> {2, 4, 7}));

    // "Imposta da non inviare" takes the marked row off the next search.
    ColonneLWDocumentiDaInviare(lista);
    CercaDocumenti(lista, Criteri(u"DA INVIARE"_s), s.Sessione);
    ImpostaCella(lista.Riga(0), K::Check, true);
    EXPECT_TRUE(ImpostaDaNonInviare(lista, s.Sessione, s.Dialoghi))
        << s.Server->UltimoErrore().toStdString();
    EXPECT_EQ(Cerca(Criteri(u"DA INVIARE"_s)), (QList<int> {4, 7}));
}

TEST_F(RicercaSulServer, ToSendFollowsRecordsRemovedOrChangedLater)
{
    QSqlDatabase db = s.Server->Archivio().Database();
    QString errore;
    Documento invio;
    invio.InviatoDa = u"mario"_s;
    invio.ModoInvio = u"flag"_s;
    invio.DataInvio = u"11/01/2025"_s;
    ASSERT_TRUE(RegistraInvio(db, id_[0], invio, s.Ora.Adesso(), errore));
    ASSERT_TRUE(RegistraTrattato(db, id_[1], u"demo"_s, true, s.Ora.Adesso(), errore));
    EXPECT_EQ(Cerca(Criteri(u"DA INVIARE"_s)), (QList<int> {3, 4, 7}));

    QSqlQuery query(db);
    ASSERT_TRUE(
        query.exec(u"UPDATE invii SET ModoInvio = 'EMAIL' WHERE IdServer = %1"_s.arg(id_[0])));
    EXPECT_EQ(Cerca(Criteri(u"DA INVIARE"_s)), (QList<int> {1, 3, 4, 7}));
    ASSERT_TRUE(query.exec(u"DELETE FROM documenti_registrati WHERE IdServer = %1"_s.arg(id_[1])));
    EXPECT_EQ(Cerca(Criteri(u"DA INVIARE"_s)), (QList<int> {1, 2, 3, 4, 7}));
}

struct CasoRifiutato {
    const char* Nome;
    int Indice;
    QString Valore;
};

class RichiestaRifiutata : public RicercaSulServer,
                           public ::testing::WithParamInterface<CasoRifiutato> { };

TEST_P(RichiestaRifiutata, FailsWithAReasonAndNoDocuments)
{
    QStringList richiesta
        = RichiestaCercaDocumenti(u"01"_s, u"demo"_s, {}, Criteri(u"DA INVIARE"_s));
    richiesta[GetParam().Indice] = GetParam().Valore;
    DocumentiTrovati trovati;
    EXPECT_FALSE(s.Server->Richiesta(u"local"_s, u"DOCUME"_s, richiesta, trovati));
    EXPECT_FALSE(s.Server->UltimoErrore().isEmpty());
    EXPECT_TRUE(trovati.Clienti.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Indici, RichiestaRifiutata,
    ::testing::Values(CasoRifiutato {"Number", 23, u"12x"_s},
        CasoRifiutato {"Year", 24, u"venti"_s}, CasoRifiutato {"DateFrom", 25, u"20250231"_s},
        CasoRifiutato {"DateTo", 26, u"2025-01-01"_s}, CasoRifiutato {"Category", 94, u"6"_s},
        CasoRifiutato {"CodesList", 90, u"A:B:"_s}, CasoRifiutato {"NoLabel", 27, QString()},
        CasoRifiutato {"PrivacyList", 27, u"INFORMATIVE LEGGE PRIVACY DA INVIARE"_s},
        CasoRifiutato {"ExportSelector", 88, u"E"_s}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST_F(RicercaSulServer, CustomerSearchByCodeOrName)
{
    Elenco risultati;
    ColonneLWNominativi(risultati);
    const auto codici = [&](const QString& testo, bool iniziale) {
        EXPECT_TRUE(CercaNominativi(risultati, testo, iniziale, s.Sessione))
            << s.Server->UltimoErrore().toStdString();
        QStringList trovati;
        for (const auto& riga : risultati.Righe())
            trovati.append(riga.Testo);
        return trovati;
    };
    EXPECT_EQ(codici(u"c2"_s, true), QStringList {u"C2"_s});
    EXPECT_EQ(codici(u"alfa"_s, true), QStringList {u"C1"_s});
    // Suppliers are not customers, whatever their name.
    EXPECT_EQ(codici(u"alfa"_s, false), QStringList {u"C1"_s});
    EXPECT_EQ(codici(u"a"_s, false), (QStringList {u"C1"_s, u"C2"_s}));
    // Pattern characters are taken literally.
    EXPECT_EQ(codici(u"%"_s, false), QStringList {u"C1"_s});
    EXPECT_EQ(codici(u"_"_s, false), QStringList());
    ASSERT_EQ(codici(u"Beta"_s, true).size(), 1);
    EXPECT_EQ(risultati.Riga(0).TagCome<ClientePtr>()->Nominativo, u"Beta spa"_s);
}

} // namespace

namespace {

// The demo data of a new root, through the client's search of each view.
TEST(RicercaSulServerDemo, EveryViewFindsDocuments)
{
    TempRoot temp;
    DialoghiScriptati dialoghi;
    OrologioFisso ora(QDateTime(QDate(2025, 6, 16), QTime(9, 30)));
    auto ambiente = std::make_shared<AmbienteLocale>(temp.File(u"postazione"_s));
    Invexo_Main sessione;
    auto server = std::make_shared<ServerLocale>(
        temp.File(u"server"_s), ambiente, dialoghi, OpzioniServerLocale {true, &ora});
    ASSERT_TRUE(server->Pronto()) << server->UltimoErrore().toStdString();
    sessione.Servizi = server;
    sessione.CodiceAzienda = u"01"_s;
    sessione.Archivio = std::make_shared<ArchivioSerie>();
    ASSERT_TRUE(server->Richiesta(
        u"local"_s, u"DOCUME"_s, RichiestaArchivioSerie(u"01"_s, u"demo"_s), *sessione.Archivio));

    for (const QString& etichetta :
        {u"FATTURE EMESSE"_s, u"BOLLE DI VENDITA"_s, u"TUTTI I DOCUMENTI"_s, u"DA INVIARE"_s}) {
        Elenco lista;
        CriteriRicercaDocumenti criteri;
        criteri.etichetta = etichetta;
        const auto esito = CercaDocumenti(lista, criteri, sessione);
        EXPECT_TRUE(esito.RispostaRicevuta) << server->UltimoErrore().toStdString();
        EXPECT_GT(lista.Conta(), 0) << etichetta.toStdString();
        EXPECT_EQ(esito.Righe.Doppie, 0) << etichetta.toStdString();
        if (etichetta != u"DA INVIARE")
            continue;
        for (const auto& riga : lista.Righe()) {
            EXPECT_FALSE(riga.TagCome<DocumentoPtr>()->Inviato()) << riga.Chiave.toStdString();
        }
    }
}

} // namespace
