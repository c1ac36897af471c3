#include "orbeni/local/SpoolLetto.h"
#include "orbeni/local/Windows1252.h"
#include "sending/CodificaAnsi.h"
#include "tests/local/StampaQt.h"
#include "tests/support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Dati(const QString& caso, const QString& nome)
{
    QFile file(CartellaDatiTest() + u"/spool/"_s + caso + u'/' + nome);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<SpoolLetto> Analizza(const QString& caso, QString& errore)
{
    return AnalizzaSpool(u"PC1"_s, Dati(caso, u"desmail"_s), Dati(caso, u"docmail"_s),
        Dati(caso, u"frontmail"_s), errore);
}

TEST(TestoDaWindows1252, RipercorreLaCodificaDellaPostazioneByteAByte)
{
    QByteArray tutti;
    for (int byte = 0; byte < 256; ++byte)
        tutti += char(byte);
    const QString testo = TestoDaWindows1252(tutti);
    ASSERT_EQ(testo.size(), 256);
    EXPECT_EQ(CodificaWindows1252(testo), tutti);
    EXPECT_EQ(TestoDaWindows1252("\x80\x96\xe0\x9f"), u"€–àŸ"_s);
}

TEST(AnalizzaSpool, LeggeICampiComeLiScriveLaPostazione)
{
    QString errore;
    const auto documenti = Analizza(u"documenti"_s, errore);
    ASSERT_TRUE(documenti) << errore.toStdString();
    ASSERT_EQ(documenti->Destinatari.size(), 2);
    const DestinatarioSpool& email = documenti->Destinatari[0];
    EXPECT_EQ(email.Nominativo, u"D'Angelo & Figli"_s);
    EXPECT_EQ(email.Tipo, u"3"_s);
    EXPECT_EQ(email.Email, u"info@dangelo.it"_s);
    EXPECT_EQ(email.EmailMittente, u"vendite@quorvanel.it"_s);
    EXPECT_EQ(email.OraInvio, QDateTime(QDate(2024, 3, 5), QTime(9, 7)));
    EXPECT_EQ(email.Tentativi, 3);
    EXPECT_TRUE(email.AggiornaRubrica);
    const DestinatarioSpool& fax = documenti->Destinatari[1];
    EXPECT_EQ(fax.Progressivo, u"001"_s);
    EXPECT_EQ(fax.Fax, u"0522/123456"_s);
    EXPECT_TRUE(fax.Email.isEmpty());
    EXPECT_FALSE(fax.AggiornaRubrica);
    ASSERT_EQ(documenti->Allegati.size(), 2);
    const AllegatoSpool& notaCredito = documenti->Allegati[1];
    EXPECT_EQ(notaCredito.Operazione, u"Z"_s);
    EXPECT_EQ(notaCredito.Serie, u"NC"_s);
    EXPECT_EQ(notaCredito.Numero, 4567);
    EXPECT_EQ(notaCredito.SottoNumero, 12);
    EXPECT_EQ(notaCredito.Anno, 8);
    EXPECT_EQ(notaCredito.Descrizione, u"NOTE DI CREDITO EMESSE NC 4567 2008"_s);

    const auto gateway = Analizza(u"documenti_gateway"_s, errore);
    ASSERT_TRUE(gateway) << errore.toStdString();
    EXPECT_EQ(gateway->Destinatari[1].Nominativo, u"?ód? Trasporti €"_s);
    // Without the long address field the 60-character one counts.
    EXPECT_EQ(gateway->Destinatari[0].Email, u"fax-0522123456@fax.quorvanel.it"_s);

    const auto stato = Analizza(u"stato_inv"_s, errore);
    ASSERT_TRUE(stato) << errore.toStdString();
    EXPECT_EQ(stato->Destinatari[1].OraInvio, QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    EXPECT_TRUE(stato->Copertina.isEmpty());
}

struct Guasto {
    const char* Nome;
    qsizetype Posizione; // in the recipients file; negative: in the attachments file
    QByteArray Valore;
    const char* Messaggio;
};

class SpoolGuasto : public ::testing::TestWithParam<Guasto> { };

TEST_P(SpoolGuasto, NonSiLeggeEDiceDove)
{
    QByteArray destinatari = Dati(u"documenti"_s, u"desmail"_s);
    QByteArray allegati = Dati(u"documenti"_s, u"docmail"_s);
    const Guasto& guasto = GetParam();
    QByteArray& bersaglio = guasto.Posizione >= 0 ? destinatari : allegati;
    const qsizetype posizione = guasto.Posizione >= 0 ? guasto.Posizione : -guasto.Posizione - 1;
    bersaglio.replace(posizione, guasto.Valore.size(), guasto.Valore);
    QString errore;
    EXPECT_FALSE(AnalizzaSpool(u"PC1"_s, destinatari, allegati, {}, errore));
    EXPECT_EQ(errore, QString::fromUtf8(guasto.Messaggio));
}

INSTANTIATE_TEST_SUITE_P(Casi, SpoolGuasto,
    ::testing::Values(Guasto {"FineRecord", 1337, "X",
                          "Il record 1 del file desmailPC1 non termina con un a capo"},
        Guasto {"Tipo", 1338 + 261, "7",
            "Il record 2 del file desmailPC1 ha tipo di invio sconosciuto: \"7\""},
        Guasto {"Progressivo", 262, "0A0",
            "Il record 1 del file desmailPC1 ha numero progressivo non valido: \"0A0\""},
        Guasto {"Tentativi", 260, "x",
            "Il record 1 del file desmailPC1 ha numero di tentativi non valido: \"x\""},
        Guasto {"Data", 250, "310224",
            "Il record 1 del file desmailPC1 ha data e ora di invio non valide: \"310224\" "
            "\"0907\""},
        Guasto {"Marcatore", 326, "Q",
            "Il record 1 del file desmailPC1 ha marcatore sconosciuto: \"Q\""},
        Guasto {"Operazione", -(114 + 3 + 1), "K",
            "Il record 2 del file docmailPC1 ha operazione sconosciuta: \"K\""},
        Guasto {"NumeroDocumento", -(6 + 1), "0012 ",
            "Il record 1 del file docmailPC1 ha numero, sottonumero o anno del documento non "
            "validi"}),
    [](const auto& caso) { return std::string(caso.param.Nome); });

TEST(AnalizzaSpool, UnaLunghezzaCheNonEMultiplaDelRecordNonSiLegge)
{
    QString errore;
    EXPECT_FALSE(AnalizzaSpool(u"PC1"_s, Dati(u"documenti"_s, u"desmail"_s),
        Dati(u"documenti"_s, u"docmail"_s) + "000Z", {}, errore));
    EXPECT_EQ(errore, u"Il file docmailPC1 ha 232 byte: non è fatto di record di 114 byte"_s);
}

TEST(LeggiSpool, DestinatariEAllegatiObbligatoriCopertinaFacoltativa)
{
    TempRoot cartella;
    QString errore;
    EXPECT_FALSE(LeggiSpool(cartella.Percorso(), u"PC1"_s, errore));
    EXPECT_EQ(errore, u"File di invio non trovato: "_s + cartella.File(u"desmailPC1"_s));
    for (const QString& nome : {u"desmail"_s, u"docmail"_s}) {
        QFile file(cartella.File(nome + u"PC1"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Dati(u"stato_dainv"_s, nome));
    }
    const auto letto = LeggiSpool(cartella.Percorso(), u"PC1"_s, errore);
    ASSERT_TRUE(letto) << errore.toStdString();
    EXPECT_EQ(letto->Destinatari.size(), 2);
    EXPECT_EQ(letto->Destinatari[0].Tipo, u"4"_s);
}

} // namespace
