#include "orbeni/TracciatoSpool.h"
#include "sending/ScriviSpool.h"
#include "tests/sending/ServiziFinti.h"
#include "tests/support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime OraInvio(QDate(2024, 3, 5), QTime(9, 7, 41));

ClientePtr NuovoCliente(const QString& codice, const QString& nominativo, const QString& email,
    const QString& fax, bool aggiornaRubrica)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Codice = codice;
    cliente->Nominativo = nominativo;
    cliente->Email = email;
    cliente->Fax = fax;
    cliente->AggiornaRubrica = aggiornaRubrica;
    return cliente;
}

DocumentoPtr NuovoDocumento(const QString& sigla, const QString& serie, int anno, int numero,
    int sottoNumero, const QString& stampaPdf, const QString& tipo)
{
    auto documento = std::make_shared<Documento>();
    documento->Sigla = sigla;
    documento->Serie = serie;
    documento->Anno = anno;
    documento->Numero = numero;
    documento->SottoNumero = sottoNumero;
    documento->StampaPDF = stampaPdf;
    documento->DescrizioneTipo = tipo;
    return documento;
}

CDatiInvioDocumentoCliente Voce(ClientePtr cliente, DocumentoPtr documento, bool daStampare = false)
{
    return {std::move(cliente), std::move(documento), daStampare};
}

QByteArray Leggi(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Where two spool files part, as record and offset, for a readable failure.
std::string PrimaDifferenza(const QByteArray& atteso, const QByteArray& scritto, int lunghezza)
{
    const qsizetype fine = std::min(atteso.size(), scritto.size());
    qsizetype i = 0;
    while (i < fine && atteso[i] == scritto[i])
        ++i;
    return "sizes " + std::to_string(atteso.size()) + "/" + std::to_string(scritto.size())
        + ", first difference in record " + std::to_string(i / lunghezza) + " at offset "
        + std::to_string(i % lunghezza);
}

class SpoolTest : public ::testing::Test {
protected:
    TempRoot m_cartella;
    std::shared_ptr<ServiziFinti> m_servizi = std::make_shared<ServiziFinti>();
    Invexo_Main m_globali = GlobaliDiProva(m_cartella.Percorso(), m_servizi);

    [[nodiscard]] QString Spool(QStringView prefisso) const
    {
        return m_cartella.File(prefisso + u"PC01"_s);
    }

    // The files of the run equal the hand-written ones of the case, byte for byte.
    void ConfrontaConAtteso(const QString& caso, bool conTestoCopertina = true) const
    {
        const QString atteso = CartellaDatiTest() + u"/spool/"_s + caso + u'/';
        const QByteArray destinatari = Leggi(Spool(TracciatoSpool::PrefissoDestinatari));
        const QByteArray attesiDestinatari = Leggi(atteso + u"desmail"_s);
        EXPECT_TRUE(destinatari == attesiDestinatari)
            << "desmail: " << PrimaDifferenza(attesiDestinatari, destinatari, 1338);
        const QByteArray allegati = Leggi(Spool(TracciatoSpool::PrefissoAllegati));
        const QByteArray attesiAllegati = Leggi(atteso + u"docmail"_s);
        EXPECT_TRUE(allegati == attesiAllegati)
            << "docmail: " << PrimaDifferenza(attesiAllegati, allegati, 114);
        if (conTestoCopertina) {
            EXPECT_EQ(Leggi(Spool(TracciatoSpool::PrefissoTestoCopertina)),
                Leggi(atteso + u"frontmail"_s));
        }
    }
};

QList<CDatiInvioDocumentoCliente> TreDocumentiSecondoStampato()
{
    return {
        Voce(NuovoCliente(
                 u"C0001"_s, u"D`Angelo & Figli"_s, u"info@dangelo.it"_s, u"0522 11"_s, true),
            NuovoDocumento(u"FATT."_s, u"FA"_s, 2007, 123, 0, u"A"_s, u"FATTURE EMESSE"_s)),
        Voce(NuovoCliente(u"C0002"_s, u"Stampa Srl"_s, u"a@stampa.it"_s, {}, false),
            NuovoDocumento(u"BOLLA"_s, u"BO"_s, 2008, 1, 0, u"B"_s, u"BOLLE DI VENDITA"_s), true),
        Voce(NuovoCliente(u"C0003"_s, u"Bianchi S.p.A."_s, {}, u"0522/123456"_s, false),
            NuovoDocumento(
                u"NT.CRED."_s, u"NC"_s, 2008, 4567, 12, {}, u"NOTE DI CREDITO EMESSE"_s)),
    };
}

TEST_F(SpoolTest, DocumentsWriteOnlyTheEntriesToSendAndRecordThem)
{
    const auto voci = TreDocumentiSecondoStampato();
    EXPECT_EQ(ScriviSpoolDocumenti(m_globali, voci, u"Ufficio `Vendite"_s,
                  u"vendite@quorvanel.it"_s, {}, {}, OraInvio, 3),
        EsitoSpool::Avviato);

    ConfrontaConAtteso(u"documenti"_s);
    ASSERT_EQ(m_servizi->Avvii.size(), 1);
    EXPECT_EQ(m_servizi->Avvii[0].Host, u"server01");
    EXPECT_EQ(m_servizi->Avvii[0].Azienda, u"01");
    EXPECT_EQ(m_servizi->Avvii[0].NomePC, u"PC01");
    EXPECT_EQ(m_servizi->Avvii[0].Utente, u"mrossi");
    ASSERT_EQ(m_servizi->Registrazioni.size(), 1);
    EXPECT_EQ(
        m_servizi->Registrazioni[0], (QList<DocumentoPtr> {voci[0].Documento, voci[2].Documento}));
    EXPECT_EQ(m_globali.FileDaCancellare,
        (QStringList {Spool(TracciatoSpool::PrefissoDestinatari),
            Spool(TracciatoSpool::PrefissoAllegati),
            Spool(TracciatoSpool::PrefissoTestoCopertina)}));
}

TEST_F(SpoolTest, DocumentsInGatewayModeNormalizeTheFaxAddressAndLeaveTheLongFieldsNul)
{
    m_globali.Archivio->FaxViaEmail = true;
    const QList<CDatiInvioDocumentoCliente> voci {
        Voce(NuovoCliente(
                 u"C0010"_s, u"Rossi Mario"_s, u"fax-0522/123.456@fax.quorvanel.it"_s, {}, false),
            NuovoDocumento(u"conf."_s, u"CO"_s, 2024, 7, 1, {}, u"CONFERME"_s)),
        Voce(NuovoCliente(u"C0011"_s, u"Łódź Trasporti €"_s, u"ordini@verdi.it"_s, {}, true),
            NuovoDocumento(u"PACK"_s, u"PL"_s, 2024, 99999, 0, {}, u"PACKING LIST"_s)),
    };
    EXPECT_EQ(ScriviSpoolDocumenti(m_globali, voci, {}, u"vendite@quorvanel.it"_s, u"Documenti"_s,
                  u"Extra"_s, OraInvio, 10),
        EsitoSpool::Avviato);
    ConfrontaConAtteso(u"documenti_gateway"_s);
}

TEST_F(SpoolTest, DocumentsAllToPrintWriteNothingAndLeaveOlderFiles)
{
    QFile vecchio(Spool(TracciatoSpool::PrefissoDestinatari));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.write("older run");
    vecchio.close();

    auto voci = TreDocumentiSecondoStampato();
    for (auto& voce : voci)
        voce.DaStampare = true;
    EXPECT_EQ(ScriviSpoolDocumenti(m_globali, voci, {}, {}, {}, {}, OraInvio, 3),
        EsitoSpool::NienteDaInviare);
    EXPECT_EQ(ScriviSpoolDocumenti(m_globali, {}, {}, {}, {}, {}, OraInvio, 3),
        EsitoSpool::NienteDaInviare);

    EXPECT_EQ(Leggi(Spool(TracciatoSpool::PrefissoDestinatari)), "older run");
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
    EXPECT_TRUE(m_servizi->Registrazioni.isEmpty());
    EXPECT_TRUE(m_globali.FileDaCancellare.isEmpty());
}

TEST_F(SpoolTest, ARunThatCannotWriteAFileLeavesTheOlderFilesAndDoesNotCallTheServer)
{
    QFile vecchio(Spool(TracciatoSpool::PrefissoDestinatari));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.write("older run");
    vecchio.close();
    // A folder where the cover text must go: that file cannot be written.
    ASSERT_TRUE(QDir(m_cartella.Percorso()).mkdir(Spool(TracciatoSpool::PrefissoTestoCopertina)));

    EXPECT_EQ(
        ScriviSpoolDocumenti(m_globali, TreDocumentiSecondoStampato(), {}, {}, {}, {}, OraInvio, 3),
        EsitoSpool::ErroreFile);

    EXPECT_EQ(Leggi(Spool(TracciatoSpool::PrefissoDestinatari)), "older run");
    EXPECT_FALSE(QFile::exists(Spool(TracciatoSpool::PrefissoAllegati)));
    EXPECT_EQ(QDir(m_cartella.Percorso()).entryList(QDir::Files).size(), 1)
        << "no temporary file is left behind";
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
    EXPECT_TRUE(m_servizi->Registrazioni.isEmpty());
    EXPECT_TRUE(m_globali.FileDaCancellare.isEmpty());
}

TEST_F(SpoolTest, DocumentsAreNotRecordedWhenTheServerWasNotTold)
{
    m_servizi->EsitoAvvio = false;
    EXPECT_EQ(
        ScriviSpoolDocumenti(m_globali, TreDocumentiSecondoStampato(), {}, {}, {}, {}, OraInvio, 3),
        EsitoSpool::ErroreServer);
    EXPECT_EQ(m_servizi->Avvii.size(), 1);
    EXPECT_TRUE(m_servizi->Registrazioni.isEmpty());
}

TEST_F(SpoolTest, AWorkstationNameThatIsAPathIsRefused)
{
    m_globali.NomePC = u"/../elsewhere"_s;
    EXPECT_EQ(
        ScriviSpoolDocumenti(m_globali, TreDocumentiSecondoStampato(), {}, {}, {}, {}, OraInvio, 3),
        EsitoSpool::ErroreFile);
    EXPECT_TRUE(QDir(m_cartella.Percorso()).isEmpty());
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
}

TEST_F(SpoolTest, MoreDocumentsThanSequenceNumbersGoOutAsConsecutiveRuns)
{
    QList<CDatiInvioDocumentoCliente> voci;
    for (int i = 0; i < 1001; ++i)
        voci.append(Voce(NuovoCliente(u"C1"_s, u"Uno"_s, u"a@b.it"_s, {}, false),
            NuovoDocumento(u"FATT."_s, u"FA"_s, 2024, i + 1, 0, {}, u"F"_s)));
    QList<qsizetype> recordPerCorsa;
    QList<QByteArray> ultimoProgressivo;
    m_servizi->AllAvvio = [&] {
        const QByteArray allegati = Leggi(Spool(TracciatoSpool::PrefissoAllegati));
        recordPerCorsa.append(allegati.size() / 114);
        ultimoProgressivo.append(allegati.right(114).left(3));
    };

    EXPECT_EQ(
        ScriviSpoolDocumenti(m_globali, voci, {}, {}, {}, {}, OraInvio, 3), EsitoSpool::Avviato);

    EXPECT_EQ(recordPerCorsa, (QList<qsizetype> {1000, 1}));
    EXPECT_EQ(ultimoProgressivo, (QList<QByteArray> {"999", "000"}));
    ASSERT_EQ(m_servizi->Registrazioni.size(), 1);
    EXPECT_EQ(m_servizi->Registrazioni[0].size(), 1001);
    EXPECT_EQ(m_globali.FileDaCancellare.size(), 3);
}

TEST_F(SpoolTest, ADocumentListedTwiceIsWrittenTwiceAndRecordedOnce)
{
    auto cliente = NuovoCliente(u"C1"_s, u"Uno"_s, u"a@b.it"_s, {}, false);
    auto documento = NuovoDocumento(u"FATT."_s, u"FA"_s, 2024, 1, 0, {}, u"F"_s);
    auto stessoDocumento = std::make_shared<Documento>(*documento);
    ScriviSpoolDocumenti(m_globali, {Voce(cliente, documento), Voce(cliente, stessoDocumento)}, {},
        {}, {}, {}, OraInvio, 3);
    EXPECT_EQ(Leggi(Spool(TracciatoSpool::PrefissoAllegati)).size(), 2 * 114);
    ASSERT_EQ(m_servizi->Registrazioni.size(), 1);
    EXPECT_EQ(m_servizi->Registrazioni[0], QList<DocumentoPtr> {documento});
}

TEST_F(SpoolTest, PrivacyNoticesGoToEMailAndFaxSubjectsWithTheWrappedText)
{
    const QString testo = QString(19, u'A') + u' ' + QString(37, u'B') + u" CC\r\n"_s
        + u"0123456789"_s.repeated(7) + u"\r\nSaluti – ☺\r\rFine\r"_s;
    const QList<CDatiInvioDocumentoCliente> voci {
        Voce(NuovoCliente(u"F0001"_s, u"Neri Paolo"_s, u"paolo@neri.it"_s, {}, true), {}),
        Voce(NuovoCliente(u"F0002"_s, u"Gialli SNC"_s, {}, u"051,224466"_s, false), {}),
        Voce(NuovoCliente(u"F0003"_s, u"Blu"_s, u"blu@blu.it"_s, {}, false), {}, true),
    };
    EXPECT_EQ(ScriviSpoolInformative(m_globali, voci, u"Privacy Ufficio"_s,
                  u"privacy@quorvanel.it"_s, u"Informativa privacy"_s, testo, OraInvio, 3),
        EsitoSpool::Avviato);
    ConfrontaConAtteso(u"informative"_s);
    EXPECT_EQ(m_servizi->Avvii.size(), 1);
    EXPECT_TRUE(m_servizi->Registrazioni.isEmpty());
}

struct CasoStato {
    const char16_t* Modo;
    const char* Atteso;
};

class StatoInformativeTest : public SpoolTest, public ::testing::WithParamInterface<CasoStato> { };

TEST_P(StatoInformativeTest, MarksEveryEntryWithoutTouchingTheCoverText)
{
    QFile copertina(Spool(TracciatoSpool::PrefissoTestoCopertina));
    ASSERT_TRUE(copertina.open(QIODevice::WriteOnly));
    copertina.write("older text");
    copertina.close();
    auto neri = NuovoCliente(u"F0001"_s, u"Neri Paolo"_s, u"paolo@neri.it"_s, {}, true);
    neri->DataPrivacy = QDate(2023, 11, 30);
    auto gialli = NuovoCliente(u"F0002"_s, u"Gialli SNC"_s, {}, u"051"_s, false);
    gialli->DataPrivacy = QDate(2024, 1, 2);

    EXPECT_EQ(ScriviSpoolStatoInformative(m_globali, {Voce(neri, {}), Voce(gialli, {}, true)},
                  QStringView(GetParam().Modo).toString()),
        EsitoSpool::Avviato);

    ConfrontaConAtteso(QString::fromLatin1(GetParam().Atteso), false);
    EXPECT_EQ(Leggi(Spool(TracciatoSpool::PrefissoTestoCopertina)), "older text");
    EXPECT_EQ(m_globali.FileDaCancellare.size(), 2);
    EXPECT_EQ(m_servizi->Avvii.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Modi, StatoInformativeTest,
    ::testing::Values(CasoStato {u"INV", "stato_inv"}, CasoStato {u"DAINV", "stato_dainv"}));

TEST_F(SpoolTest, PrivacyStateWithAnotherModeWritesNothing)
{
    const QList<CDatiInvioDocumentoCliente> voci {
        Voce(NuovoCliente(u"F0001"_s, u"Neri Paolo"_s, {}, {}, false), {})};
    for (const QString& modo : {u"inv"_s, u"STAMPA"_s, QString()})
        EXPECT_EQ(ScriviSpoolStatoInformative(m_globali, voci, modo), EsitoSpool::NienteDaInviare);
    EXPECT_TRUE(QDir(m_cartella.Percorso()).isEmpty());
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
}

TEST_F(SpoolTest, PrivacyMailingByEMailWritesTheAddressesAsStored)
{
    auto gialli = NuovoCliente(u"F0002"_s, u"Gialli"_s, u"g@gialli.it"_s, {}, true);
    gialli->CodiceExport = u"E1"_s;
    m_globali.Archivio->FaxViaEmail = true;
    EXPECT_EQ(
        ScriviSpoolInfoClienti(m_globali,
            {NuovoCliente(u"F0001"_s, u"Neri Paolo"_s, u"fax-051/22@fax.quorvanel.it"_s, {}, false),
                gialli},
            u"info@quorvanel.it"_s, u"Informativa"_s, u"Extra testo"_s, OraInvio, 3,
            u"Gentile cliente,\r\nin allegato."_s, u"EMAIL"_s),
        EsitoSpool::Avviato);
    ConfrontaConAtteso(u"infoclienti_email"_s);
}

TEST_F(SpoolTest, ExportMailingByFaxAddsTheExportCodeAndNoSenderAddress)
{
    auto muller = NuovoCliente(u"E0001"_s, u"Müller GmbH"_s, u"m@m.de"_s, u"0049/301234"_s, true);
    muller->CodiceExport = u"DE"_s;
    EXPECT_EQ(ScriviSpoolInfoExport(m_globali, {muller}, u"Export Ufficio"_s, u"Lettera export"_s,
                  {}, OraInvio, 3, {}, u"FAX"_s),
        EsitoSpool::Avviato);
    ConfrontaConAtteso(u"infoexport_fax"_s);
}

TEST_F(SpoolTest, MailingsWithoutCustomersWriteNothing)
{
    EXPECT_EQ(ScriviSpoolInfoClienti(m_globali, {}, {}, {}, {}, OraInvio, 3, {}, u"EMAIL"_s),
        EsitoSpool::NienteDaInviare);
    EXPECT_EQ(
        ScriviSpoolInfoExport(m_globali, {ClientePtr()}, {}, {}, {}, OraInvio, 3, {}, u"FAX"_s),
        EsitoSpool::NienteDaInviare);
    EXPECT_TRUE(QDir(m_cartella.Percorso()).isEmpty());
}

} // namespace
