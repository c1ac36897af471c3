#include "orbeni/local/ConversioneWord.h"
#include "tests/local/InvioDiProva.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString Testo(const QByteArray& dati)
{
    return QString::fromUtf8(dati);
}

// The job folder the run made for the user, from the store's send record.
QString CartellaLavoro(InvioDiProva& invio, const QString& nominativo)
{
    return invio.Valore(
        u"SELECT Messaggio FROM spedizioni WHERE ModoInvio = 'FAX' AND Nominativo = ?"_s,
        {nominativo});
}

TEST(AvviaInvio, DocumentiVannoPerEmailEFaxEEscononoDaQuelliDaInviare)
{
    InvioDiProva invio;
    ASSERT_EQ(invio.DaInviare(), QStringList({u"CO 7"_s, u"FA 123"_s, u"FA 123"_s, u"NC 4567"_s}));
    invio.CopiaSpool(u"documenti"_s);
    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();

    // The invoice went by e-mail, the credit note by fax; the confirmation FA 123 stays.
    EXPECT_EQ(invio.DaInviare(), QStringList({u"CO 7"_s, u"FA 123"_s}));
    EXPECT_EQ(invio.Valore(u"SELECT d.DescrizioneTipo FROM documenti d JOIN invii i "
                           "ON i.IdServer = d.IdServer WHERE i.ModoInvio = 'EMAIL'"_s),
        u"FATTURE EMESSE"_s);

    // The document list shows it sent, when and by whom.
    const QList<DocumentoPtr> fatture = invio.Documenti(u"FATTURE EMESSE"_s);
    ASSERT_EQ(fatture.size(), 1);
    EXPECT_TRUE(fatture[0]->Inviato());
    EXPECT_EQ(fatture[0]->DataInvio, u"16/06/2025"_s);
    EXPECT_EQ(fatture[0]->MittenteInvio, u"Ufficio 'Vendite"_s);

    const QStringList messaggi = invio.Messaggi();
    ASSERT_EQ(messaggi.size(), 1);
    EXPECT_TRUE(
        QRegularExpression(u"^20250616-093000-\\d{6}\\.eml$"_s).match(messaggi[0]).hasMatch())
        << messaggi[0].toStdString();
    const QByteArray grezzo = invio.Messaggio(messaggi[0]);
    EXPECT_FALSE(grezzo.contains("\n\n")) << "every line ends in CR LF";
    EXPECT_EQ(grezzo.count('\n'), grezzo.count("\r\n"));
    const EmailLetta email = LeggiEmail(grezzo);
    EXPECT_EQ(email.Intestazioni.value("from"), "\"Ufficio 'Vendite\" <vendite@quorvanel.it>");
    EXPECT_EQ(email.Intestazioni.value("to"), "\"D'Angelo & Figli\" <info@dangelo.it>");
    EXPECT_EQ(email.Intestazioni.value("subject"), "Invio telematico Fattura FA 2007 123");
    EXPECT_TRUE(QRegularExpression(u"^Mon, 16 Jun 2025 09:30:00 [+-]\\d{4}$"_s)
                    .match(QString::fromLatin1(email.Intestazioni.value("date")))
                    .hasMatch());
    EXPECT_TRUE(email.Intestazioni.value("message-id").endsWith("@quorvanel.it>"));
    EXPECT_EQ(email.Intestazioni.value("mime-version"), "1.0");
    ASSERT_EQ(email.Parti.size(), 2);
    EXPECT_TRUE(email.Parti[0].Intestazioni.value("content-type").startsWith("text/plain"));
    EXPECT_TRUE(email.Parti[0].Corpo.isEmpty());
    const ParteEmail* pdf = Allegato(email, u"FA000123.pdf"_s);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->Corpo, invio.PdfDocumento(u"FA"_s, 123));

    // Who, how, when and by whom each document went; the run's attempts.
    for (const auto& [modo, estremi] :
        {std::pair {u"EMAIL"_s, u"info@dangelo.it"_s}, std::pair {u"FAX"_s, u"0522/123456"_s}}) {
        SCOPED_TRACE(modo.toStdString());
        EXPECT_EQ(invio.Valore(u"SELECT InviatoDa || '|' || DataInvio || '|' || EstremiInvio "
                               "|| '|' || MittenteInvio FROM invii WHERE ModoInvio = ?"_s,
                      {modo}),
            u"demo|16/06/2025|"_s + estremi + u"|Ufficio 'Vendite"_s);
        EXPECT_EQ(invio.Valore(u"SELECT Tentativi || '|' || Programmata FROM spedizioni s "
                               "JOIN invii i ON i.IdSpedizione = s.Id WHERE i.ModoInvio = ?"_s,
                      {modo}),
            u"3|2024-03-05T09:07:00"_s);
    }

    // The "M" marker stored the address in the customer's master data.
    EXPECT_EQ(invio.Valore(u"SELECT Email FROM anagrafiche WHERE Codice = 'C0001'"_s),
        u"info@dangelo.it"_s);
    EXPECT_EQ(
        invio.Valore(u"SELECT Fax FROM anagrafiche WHERE Codice = 'C0002'"_s), u"0522/123456"_s);

    // The credit note is a fax job with its PDF, queued.
    const QString cartella = CartellaLavoro(invio, u"Bianchi S.p.A."_s);
    ASSERT_TRUE(cartella.startsWith(u"/usr/orbeni/hylafax/demo/"_s)) << cartella.toStdString();
    const QString id = cartella.section(u'/', -1);
    const QByteArray descrizione = invio.FileServer(cartella + u"/desfile.txt"_s);
    for (const QByteArray& riga : {QByteArray("ID=" + id.toLatin1()), QByteArray("UTENTE=demo"),
             QByteArray("TIMEINVIO=09:07"), QByteArray("DATAINVIO=05MAR24"),
             QByteArray("DESTINATARIO=Bianchi_S.p.A."), QByteArray("NUMEROFAX=0522/123456"),
             QByteArray("OGGETTO=Invio_telematico_Nota_di_credito_NC_2008"),
             QByteArray("MITTENTE=Ufficio_'Vendite"), QByteArray("RUBRICA=")})
        EXPECT_TRUE(descrizione.split('\n').contains(riga)) << riga.toStdString();
    EXPECT_EQ(invio.FileServer(cartella + u"/NC004567.pdf"_s), invio.PdfDocumento(u"NC"_s, 4567));
    EXPECT_TRUE(QFile::exists(invio.Radice().Radice() + cartella + u"/frnmail.txt"_s));
    EXPECT_FALSE(QFile::exists(invio.Radice().Radice() + cartella + u"/status"_s));
    EXPECT_EQ(invio.Valore(
                  u"SELECT Stato || '|' || NumeroFax FROM lavori_fax WHERE IdLavoro = ?"_s, {id}),
        u"IN CODA|0522/123456"_s);
}

TEST(AvviaInvio, IntestazioniNonAsciiEIndirizziDelGatewaySonoCodificati)
{
    InvioDiProva invio;
    invio.CopiaSpool(u"documenti_gateway"_s);
    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();
    const QStringList messaggi = invio.Messaggi();
    ASSERT_EQ(messaggi.size(), 2);
    const EmailLetta gateway = LeggiEmail(invio.Messaggio(messaggi[0]));
    EXPECT_EQ(
        gateway.Intestazioni.value("to"), "\"Rossi Mario\" <fax-0522123456@fax.quorvanel.it>");
    // No sender name in the record: the sender is the address alone.
    EXPECT_EQ(gateway.Intestazioni.value("from"), "vendite@quorvanel.it");
    ASSERT_TRUE(Allegato(gateway, u"CO000007.pdf"_s));

    const QByteArray grezzo = invio.Messaggio(messaggi[1]);
    for (const QByteArray& riga : grezzo.left(grezzo.indexOf("\r\n\r\n")).split('\n'))
        for (const char c : riga)
            ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << riga.toStdString();
    const EmailLetta estera = LeggiEmail(grezzo);
    // What the code page could hold came through; the rest was "?" already on the workstation.
    EXPECT_EQ(DecodificaIntestazione(estera.Intestazioni.value("to")),
        u"?ód? Trasporti € <ordini@verdi.it>"_s);
    EXPECT_EQ(invio.Valore(u"SELECT Email FROM anagrafiche WHERE Codice = 'C0011'"_s),
        u"ordini@verdi.it"_s);
    EXPECT_EQ(invio.DaInviare(), QStringList({u"FA 123"_s, u"FA 123"_s, u"NC 4567"_s}));
}

TEST(AvviaInvio, InformativeConTestoPerEmailEPerFax)
{
    InvioDiProva invio;
    invio.CopiaSpool(u"informative"_s);
    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();
    const QStringList messaggi = invio.Messaggi();
    ASSERT_EQ(messaggi.size(), 1);
    const EmailLetta email = LeggiEmail(invio.Messaggio(messaggi[0]));
    EXPECT_EQ(email.Intestazioni.value("subject"), "Informativa privacy");
    ASSERT_FALSE(email.Parti.isEmpty());
    EXPECT_EQ(Testo(email.Parti[0].Corpo),
        u"AAAAAAAAAAAAAAAAAAA \r\nBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB CC\r\n"
        "012345678901234567890123456789012345678901234567890123456\r\n7890123456789\r\n"
        "Saluti – ?\r\n\r\nFine\r\n\r\n\r\n"_s);
    const ParteEmail* notizia = Allegato(email, u"Informativa_F0001.pdf"_s);
    ASSERT_TRUE(notizia);
    EXPECT_TRUE(TestoPdf(notizia->Corpo).contains(u"Neri Paolo"_s));
    EXPECT_TRUE(TestoPdf(notizia->Corpo).contains(u"Data: 30/11/2023"_s));

    EXPECT_EQ(invio.Valore(u"SELECT StatoInformativa || '|' || DataInvio || '|' || ModoInvio || "
                           "'|' || EstremiInvio FROM informative WHERE CodiceAnagrafica = ?"_s,
                  {u"F0001"_s}),
        u"E|2025-06-16|EMAIL|paolo@neri.it"_s);
    EXPECT_EQ(invio.Valore(u"SELECT StatoInformativa || '|' || ModoInvio FROM informative "
                           "WHERE CodiceAnagrafica = ?"_s,
                  {u"F0002"_s}),
        u"F|FAX"_s);
    const QString cartella = CartellaLavoro(invio, u"Gialli SNC"_s);
    EXPECT_TRUE(TestoPdf(invio.FileServer(cartella + u"/Informativa_F0002.pdf"_s))
                    .contains(u"Gialli SNC"_s));
    EXPECT_EQ(invio.FileServer(cartella + u"/frnmail.txt"_s),
        QByteArray("AAAAAAAAAAAAAAAAAAA \nBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB CC\n"
                   "012345678901234567890123456789012345678901234567890123456\n7890123456789\n"
                   "Saluti \x96 ?\n\nFine\n\n\n"));
}

struct CasoStato {
    const char* Caso;
    const char* StatoNeri;
};

class CambioStato : public ::testing::TestWithParam<CasoStato> { };

TEST_P(CambioStato, CambiaLoStatoDelleInformativeSenzaInviare)
{
    InvioDiProva invio;
    invio.CopiaSpool(QString::fromLatin1(GetParam().Caso));
    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();
    const QString stato = QString::fromLatin1(GetParam().StatoNeri);
    for (const QString& codice : {u"F0001"_s, u"F0002"_s})
        EXPECT_EQ(invio.Valore(u"SELECT StatoInformativa || '|' || DataInvio FROM informative "
                               "WHERE CodiceAnagrafica = ?"_s,
                      {codice}),
            stato.isEmpty() ? u"|"_s : stato + u"|2025-06-16"_s);
    EXPECT_TRUE(invio.Messaggi().isEmpty());
    EXPECT_EQ(invio.Valore(u"SELECT COUNT(*) FROM spedizioni"_s).toInt(), 0);
    // The marker carries no address, so the master data keeps its own.
    EXPECT_EQ(invio.Valore(u"SELECT Email FROM anagrafiche WHERE Codice = 'F0001'"_s),
        u"paolo@neri.it"_s);
}

INSTANTIATE_TEST_SUITE_P(Modi, CambioStato,
    ::testing::Values(CasoStato {"stato_inv", "M"}, CasoStato {"stato_dainv", ""}));

TEST(AvviaInvio, LetteraExportPerFaxRegistraIlClienteInviato)
{
    InvioDiProva invio;
    invio.CopiaSpool(u"infoexport_fax"_s);
    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();
    EXPECT_TRUE(invio.Messaggi().isEmpty());
    EXPECT_EQ(invio.Valore(u"SELECT CodiceCliente || '|' || ModoInvio || '|' || DataInvio FROM "
                           "export_clienti_inviati"_s),
        u"E0001|FAX|2025-06-16"_s);
    EXPECT_EQ(
        invio.Valore(u"SELECT Fax FROM anagrafiche WHERE Codice = 'E0001'"_s), u"0049/301234"_s);
    const QString cartella = CartellaLavoro(invio, u"Müller GmbH"_s);
    EXPECT_TRUE(invio.FileServer(cartella + u"/Export_E0001.pdf"_s).startsWith("%PDF-"));
    // The fax's description keeps the workstation's bytes.
    EXPECT_TRUE(invio.FileServer(cartella + u"/desfile.txt"_s)
                    .contains("DESTINATARIO=M\xfcller_GmbH\nNUMEROFAX=0049/301234\n"));
}

TEST(AvviaInvio, UnRecordIlleggibileNonToccaNulla)
{
    InvioDiProva invio;
    const auto prima = invio.FileRadice();
    const QString invii = invio.Valore(u"SELECT COUNT(*) FROM invii"_s);
    invio.CopiaSpool(u"documenti"_s);
    const QString desmail = invio.Radice().Ambiente().CartellaLavoro() + u"/desmailPC1"_s;
    QFile file(desmail);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() - 1));
    file.close();

    EXPECT_FALSE(invio.Avvia());
    EXPECT_EQ(invio.Server().UltimoErrore(),
        u"Il file desmailPC1 ha 2675 byte: non è fatto di record di 1338 byte"_s);
    EXPECT_EQ(invio.FileRadice(), prima);
    EXPECT_EQ(invio.Valore(u"SELECT COUNT(*) FROM invii"_s), invii);
    EXPECT_EQ(invio.Valore(u"SELECT COUNT(*) FROM spedizioni"_s).toInt(), 0);
}

TEST(AvviaInvio, UnDestinatarioCheFallisceAnnullaAncheQuelliGiaFatti)
{
    InvioDiProva invio;
    invio.CopiaSpool(u"documenti"_s);
    // The second record names a credit note the store does not have.
    const QString docmail = invio.Radice().Ambiente().CartellaLavoro() + u"/docmailPC1"_s;
    QFile file(docmail);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray dati = file.readAll();
    dati.replace("NC04567", "NC04568");
    ASSERT_TRUE(file.seek(0) && file.write(dati) == dati.size());
    file.close();
    const auto prima = invio.FileRadice();

    EXPECT_FALSE(invio.Avvia());
    EXPECT_TRUE(invio.Server().UltimoErrore().contains(u"destinatario 2 (Bianchi S.p.A.)"_s))
        << invio.Server().UltimoErrore().toStdString();
    EXPECT_TRUE(invio.Server().UltimoErrore().contains(u"inesistente"_s));
    // The first recipient's message and marker are gone with the rest.
    EXPECT_EQ(invio.FileRadice(), prima);
    EXPECT_EQ(invio.Valore(u"SELECT COUNT(*) FROM spedizioni"_s).toInt(), 0);
    EXPECT_EQ(invio.Valore(u"SELECT Email FROM anagrafiche WHERE Codice = 'C0001'"_s),
        u"vecchio@dangelo.it"_s);
    EXPECT_EQ(invio.DaInviare().size(), 4);
}

TEST(AvviaInvio, IFileDiSpoolSiPossonoCancellareSubitoDopo)
{
    InvioDiProva invio;
    invio.CopiaSpool(u"infoclienti_email"_s);
    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();
    for (const QString& nome : {u"desmailPC1"_s, u"docmailPC1"_s, u"frontmailPC1"_s})
        ASSERT_TRUE(QFile::remove(invio.Radice().Ambiente().CartellaLavoro() + u'/' + nome));
    const QStringList messaggi = invio.Messaggi();
    ASSERT_EQ(messaggi.size(), 2);
    for (const QString& nome : messaggi) {
        const EmailLetta email = LeggiEmail(invio.Messaggio(nome));
        EXPECT_EQ(Testo(email.Parti.value(0).Corpo), u"Gentile cliente,\r\nin allegato.\r\n\r\n"_s);
        EXPECT_EQ(email.Parti.size(), 2);
    }
    // A missing spool is an error, not an empty run.
    EXPECT_FALSE(invio.Avvia());
    EXPECT_TRUE(invio.Server().UltimoErrore().startsWith(u"File di invio non trovato"_s));
}

} // namespace
