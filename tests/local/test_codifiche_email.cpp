#include "orbeni/local/CodificheEmail.h"
#include "orbeni/local/MessaggioEmail.h"
#include "tests/local/InvioDiProva.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void SoloAsciiERigheCorte(const QByteArray& testo, qsizetype massimo)
{
    for (const QByteArray& riga : testo.split('\n')) {
        EXPECT_LE(riga.size(), massimo + 1) << riga.toStdString();
        for (const char c : riga)
            EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    }
}

TEST(ParoleIntestazione, TestoNonAsciiInParoleCodificateDiCaratteriInteri)
{
    EXPECT_EQ(ParoleIntestazione(u"Invio telematico Fattura FA 2007 123"_s),
        "Invio telematico Fattura FA 2007 123");
    const QString lungo = u"Conferma d'ordine n° 12 — consegna entro il 3/4, città di Forlì 😀😀😀"_s;
    const QByteArray codificato = ParoleIntestazione(lungo);
    EXPECT_TRUE(codificato.contains("\r\n ")) << "folded into several encoded-words";
    for (const QByteArray& parola : codificato.split('\n'))
        EXPECT_LE(parola.trimmed().size(), 75);
    SoloAsciiERigheCorte(codificato, 76);
    // A pair split across two words would not decode to the same text.
    EXPECT_EQ(DecodificaIntestazione(codificato), lungo);
    // Control characters cannot start a new header line.
    EXPECT_EQ(ParoleIntestazione(u"a\r\nBcc: x@y.it"_s), "a  Bcc: x@y.it");
    // Text that looks like an encoded-word is encoded, or a reader would decode it.
    EXPECT_EQ(
        DecodificaIntestazione(ParoleIntestazione(u"=?UTF-8?B?QQ==?="_s)), u"=?UTF-8?B?QQ==?="_s);
}

TEST(NomeVisualizzato, CitatoOCodificato)
{
    EXPECT_EQ(NomeVisualizzato(u"Bianchi S.p.A."_s), "\"Bianchi S.p.A.\"");
    EXPECT_EQ(NomeVisualizzato(u"Il \"Nuovo\" \\ Bar"_s), "\"Il \\\"Nuovo\\\" \\\\ Bar\"");
    EXPECT_EQ(DecodificaIntestazione(NomeVisualizzato(u"Müller GmbH"_s)), u"Müller GmbH"_s);
}

TEST(IndirizzoEmailAccettabile, SoloIndirizziSempliciPassano)
{
    for (const QString& buono :
        {u"info@dangelo.it"_s, u"fax-051/22@fax.quorvanel.it"_s, u"o'neil+ordini@esempio.co.uk"_s})
        EXPECT_TRUE(IndirizzoEmailAccettabile(buono)) << buono.toStdString();
    for (const QString& cattivo : {QString(), u"info"_s, u"info@localhost"_s, u"a b@c.it"_s,
             u"a@b.it>\r\nBcc: c@d.it"_s, u"\"x\"@b.it"_s, u"a@@b.it"_s, u".a@b.it"_s,
             u"a..b@c.it"_s, u"a@b..it"_s, u"à@b.it"_s, u"a@b.it,c@d.it"_s})
        EXPECT_FALSE(IndirizzoEmailAccettabile(cattivo)) << cattivo.toStdString();
    EXPECT_EQ(SeparaIndirizzi(u" a@b.it; c@d.it ,;"_s), QStringList({u"a@b.it"_s, u"c@d.it"_s}));
}

TEST(QuotedPrintable, RigheBreviERitornoAlTesto)
{
    const QString testo
        = u"Gentile cliente, \r\n"_s + QString(100, u'x') + u"\r\nàèì = 10€\t\r\n"_s;
    const QByteArray codificato = QuotedPrintable(testo);
    SoloAsciiERigheCorte(codificato, 76);
    // A blank at the end of a line is encoded, or transport would strip it.
    EXPECT_TRUE(codificato.startsWith("Gentile cliente,=20\r\n"));
    MessaggioEmail messaggio;
    messaggio.IndirizzoMittente = u"a@b.it"_s;
    messaggio.IndirizziDestinatario = {u"c@d.it"_s};
    messaggio.Data = QDateTime(QDate(2025, 6, 16), QTime(9, 30));
    messaggio.IdentificativoLocale = u"prova.1"_s;
    messaggio.Testo = testo;
    const EmailLetta letta = LeggiEmail(ComponiEmail(messaggio));
    ASSERT_EQ(letta.Parti.size(), 1);
    EXPECT_EQ(QString::fromUtf8(letta.Parti[0].Corpo), testo);
}

TEST(ComponiEmail, DestinatariMultipliEAllegatiInBase64)
{
    MessaggioEmail messaggio;
    messaggio.NomeMittente = u"Ufficio"_s;
    messaggio.IndirizzoMittente = u"a@b.it"_s;
    messaggio.NomeDestinatario = u"Rossi"_s;
    messaggio.IndirizziDestinatario = {u"c@d.it"_s, u"e@f.it"_s};
    messaggio.Data = QDateTime(QDate(2025, 6, 16), QTime(9, 30));
    messaggio.IdentificativoLocale = u"prova.2"_s;
    QByteArray binario;
    for (int i = 0; i < 1000; ++i)
        binario += char(i * 7);
    messaggio.Allegati = {{u"uno.pdf"_s, "application/pdf", binario},
        {u"due.ps.gz"_s, "application/octet-stream", QByteArray()}};
    const QByteArray testo = ComponiEmail(messaggio);
    SoloAsciiERigheCorte(testo, 78);
    const EmailLetta letta = LeggiEmail(testo);
    EXPECT_EQ(letta.Intestazioni.value("to"), "\"Rossi\" <c@d.it>, e@f.it");
    EXPECT_EQ(letta.Intestazioni.value("message-id"), "<prova.2@b.it>");
    ASSERT_EQ(letta.Parti.size(), 3);
    ASSERT_TRUE(Allegato(letta, u"uno.pdf"_s));
    EXPECT_EQ(Allegato(letta, u"uno.pdf"_s)->Corpo, binario);
    EXPECT_EQ(Allegato(letta, u"uno.pdf"_s)->Intestazioni.value("content-type"),
        "application/pdf; name=\"uno.pdf\"");
    ASSERT_TRUE(Allegato(letta, u"due.ps.gz"_s));
    EXPECT_TRUE(Allegato(letta, u"due.ps.gz"_s)->Corpo.isEmpty());
    EXPECT_TRUE(testo.endsWith("--=_Invexo_prova.2--\r\n"));
}

} // namespace
