#include "orbeni/local/ConversioneWord.h"
#include "orbeni/local/DatiDemo.h"
#include "tests/local/RadiceDiProva.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Conta(ServerLocale& server, const QString& sql)
{
    QSqlQuery query(server.Archivio().Database());
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}

// A stored document of the demo data, as a search would hand it over.
DocumentoPtr DocumentoDemo(ServerLocale& server, const QString& tipo, int scarto = 0)
{
    QSqlQuery query(server.Archivio().Database());
    query.prepare(u"SELECT IdServer, Serie, Numero, Anno FROM documenti "
                  "WHERE DescrizioneTipo = ? ORDER BY IdServer LIMIT 1 OFFSET ?"_s);
    query.addBindValue(tipo);
    query.addBindValue(scarto);
    if (!query.exec() || !query.next())
        return nullptr;
    auto documento = std::make_shared<Documento>();
    documento->IdServer = query.value(0).toLongLong();
    documento->Serie = query.value(1).toString();
    documento->Numero = query.value(2).toInt();
    documento->Anno = query.value(3).toInt();
    documento->DescrizioneTipo = tipo;
    documento->StampaPDF = u"B"_s;
    return documento;
}

TEST(DatiDemo, CopronoOgniVista)
{
    ServerLocale& server = RadiceDemo().Server();
    ASSERT_TRUE(server.Pronto()) << server.UltimoErrore().toStdString();
    EXPECT_GE(Conta(server, u"SELECT COUNT(*) FROM anagrafiche"_s), 100);
    EXPECT_GE(Conta(server, u"SELECT COUNT(*) FROM documenti"_s), 2000);
    EXPECT_EQ(Conta(server, u"SELECT COUNT(DISTINCT DescrizioneTipo) FROM documenti"_s), 6);
    EXPECT_GT(
        Conta(server, u"SELECT COUNT(*) FROM anagrafiche WHERE Email <> '' AND Fax <> ''"_s), 0);
    EXPECT_GT(
        Conta(server, u"SELECT COUNT(*) FROM anagrafiche WHERE Email = '' AND Fax = ''"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM anagrafiche WHERE Nazione <> 'IT'"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM invii WHERE ModoInvio = 'FLAG'"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM informative WHERE DataInvio = ''"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM paesi"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM banche"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM voci_rubrica_fax"_s), 0);
    EXPECT_GT(Conta(server, u"SELECT COUNT(*) FROM dichiarazioni"_s), 0);
    EXPECT_EQ(Conta(server, u"SELECT COUNT(*) FROM documenti WHERE Data > '2025-06-17'"_s), 0);
    EXPECT_EQ(Conta(server, u"SELECT COUNT(*) FROM documenti WHERE Data < '2023-06-16'"_s), 0);
}

TEST(DatiDemo, StessoGiornoStessiDati)
{
    const auto impronta = [](ServerLocale& server) {
        QSqlQuery query(server.Archivio().Database());
        query.exec(u"SELECT group_concat(CodiceCliente || Serie || Numero || Data || Importo) "
                   "FROM (SELECT * FROM documenti ORDER BY IdServer)"_s);
        return query.next() ? query.value(0).toString() : QString();
    };
    RadiceDiProva altra(true);
    EXPECT_EQ(impronta(altra.Server()), impronta(RadiceDemo().Server()));
}

TEST(ServerLocale, FileDocumentoCopiaIlPdfNellaCartellaDiLavoro)
{
    RadiceDiProva& radice = RadiceDemo();
    const DocumentoPtr fattura = DocumentoDemo(radice.Server(), u"FATTURE EMESSE"_s);
    ASSERT_TRUE(fattura);
    const QString locale = radice.Server().FileDocumento(u"local"_s, u"01"_s, *fattura, true, true);
    ASSERT_FALSE(locale.isEmpty()) << radice.Server().UltimoErrore().toStdString();
    EXPECT_EQ(QFileInfo(locale).path(), radice.Ambiente().CartellaLavoro());
    const QByteArray pdf = Contenuto(locale);
    EXPECT_TRUE(pdf.startsWith("%PDF-1.4"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    const QStringList testo = TestoPdf(pdf);
    EXPECT_TRUE(testo.contains(u"FATTURE EMESSE"_s));
    const QString estremi
        = u"Documento "_s + fattura->Serie + u' ' + QString::number(fattura->Numero) + u" del "_s;
    EXPECT_EQ(testo.filter(estremi).size(), 1);

    Documento perChiavi = *fattura;
    perChiavi.IdServer = 0;
    EXPECT_EQ(radice.Server().FileDocumento(u"local"_s, u"01"_s, perChiavi, false, false), locale);

    radice.Dialoghi = DialoghiScriptati();
    Documento inesistente;
    inesistente.Serie = u"ZZ"_s;
    inesistente.Numero = 1;
    EXPECT_TRUE(
        radice.Server().FileDocumento(u"local"_s, u"01"_s, inesistente, false, false).isEmpty());
    EXPECT_TRUE(radice.Dialoghi.Registrati.isEmpty());
    EXPECT_TRUE(
        radice.Server().FileDocumento(u"local"_s, u"01"_s, inesistente, true, true).isEmpty());
    EXPECT_EQ(radice.Dialoghi.Testi().size(), 1);
}

TEST(ServerLocale, RegistraDocumentiAnnotaChiLiHaTrattati)
{
    RadiceDiProva& radice = RadiceDemo();
    ServerLocale& server = radice.Server();
    const DocumentoPtr daInviare = DocumentoDemo(server, u"CONFERME"_s, 3);
    const DocumentoPtr accantonato = DocumentoDemo(server, u"CONFERME"_s, 4);
    ASSERT_TRUE(daInviare && accantonato);
    const auto righe = [&](qint64 id, const QString& condizione) {
        return Conta(server,
            u"SELECT COUNT(*) FROM documenti_registrati WHERE IdServer = "_s + QString::number(id)
                + u" AND "_s + condizione);
    };
    const int prima = righe(daInviare->IdServer, u"Utente = 'mrossi' AND Rimosso = 0"_s);
    ASSERT_TRUE(server.RegistraDocumenti(u"local"_s, u"01"_s, {daInviare}, u"mrossi"_s, false));
    EXPECT_EQ(righe(daInviare->IdServer, u"Utente = 'mrossi' AND Rimosso = 0"_s), prima + 1);

    ASSERT_TRUE(server.RegistraDocumenti(u"local"_s, u"01"_s, {accantonato}, u"demo"_s, true));
    EXPECT_GE(righe(accantonato->IdServer, u"Rimosso = 1"_s), 1);
    EXPECT_GE(Conta(server,
                  u"SELECT COUNT(*) FROM invii WHERE ModoInvio = 'FLAG' AND IdServer = "_s
                      + QString::number(accantonato->IdServer)),
        1);

    auto ignoto = std::make_shared<Documento>();
    ignoto->Serie = u"ZZ"_s;
    EXPECT_FALSE(
        server.RegistraDocumenti(u"local"_s, u"01"_s, {ignoto, daInviare}, u"demo"_s, false));
    EXPECT_EQ(righe(daInviare->IdServer, u"Utente = 'demo' AND Rimosso = 0"_s) >= 1, true)
        << "the known document is recorded even when another is missing";
}

TEST(ServerLocale, StampaRegistraIlLavoroEScriveUnPdfDiUnaPaginaPerDocumento)
{
    RadiceDiProva& radice = RadiceDemo();
    ServerLocale& server = radice.Server();
    const QList<DocumentoPtr> documenti {DocumentoDemo(server, u"BOLLE DI VENDITA"_s),
        DocumentoDemo(server, u"BOLLE DI VENDITA"_s, 1)};
    const int lavori = Conta(server, u"SELECT COUNT(*) FROM stampe"_s);
    const QString pdf = server.StampaDocumenti(u"local"_s, u"01"_s, documenti, true);
    ASSERT_FALSE(pdf.isEmpty()) << server.UltimoErrore().toStdString();
    EXPECT_EQ(Contenuto(pdf).count("/Type /Page "), 2);
    EXPECT_EQ(Conta(server, u"SELECT COUNT(*) FROM stampe"_s), lavori + 1);
    EXPECT_EQ(Conta(server,
                  u"SELECT COUNT(*) FROM stampe_documenti WHERE IdStampa = "
                  "(SELECT MAX(Id) FROM stampe) AND StampaPDF = 'B'"_s),
        2);
    EXPECT_FALSE(server.StampaElenco(u"local"_s, u"01"_s, documenti, true).isEmpty());
    EXPECT_TRUE(server.StampaElenco(u"local"_s, u"01"_s, {}, true).isEmpty());
}

TEST(ServerLocale, LettereDiPrivacyEExportSonoPdfDelSoggetto)
{
    RadiceDiProva& radice = RadiceDemo();
    Cliente cliente;
    cliente.Codice = u"0600900"_s;
    const QString export_
        = radice.Server().FileExportCliente(u"local"_s, u"01"_s, cliente, true, false);
    ASSERT_FALSE(export_.isEmpty()) << radice.Server().UltimoErrore().toStdString();
    EXPECT_TRUE(TestoPdf(Contenuto(export_)).contains(u"Export information letter"_s));
    const QString privacy = radice.Server().FileCliente(u"local"_s, u"01"_s, cliente, true, false);
    EXPECT_TRUE(Contenuto(privacy).startsWith("%PDF-"));
    cliente.Codice = u"../../x"_s;
    EXPECT_TRUE(radice.Server().FileCliente(u"local"_s, u"01"_s, cliente, true, false).isEmpty());
}

TEST(ServerLocale, FaxAreaElencoFileEStatoCoda)
{
    RadiceDiProva& radice = RadiceDemo();
    ServerLocale& server = radice.Server();
    ASSERT_TRUE(server.PreparaFax(u"local"_s, u"01"_s, u"PC7"_s));
    const QString cartella = radice.Ambiente().CartellaLavoro();
    {
        QFile file(cartella + u"/PPC71.pdf"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 allegato");
    }
    QString risultato;
    ASSERT_TRUE(server.InviaFax(u"local"_s, u"01"_s, u"PC7"_s, u"PPC71.pdf"_s, cartella + u"\\"_s,
        u"PPC71.pdf"_s, risultato))
        << server.UltimoErrore().toStdString();
    EXPECT_EQ(risultato, u"/usr/orbeni/fax/PC7/"_s);
    EXPECT_EQ(Contenuto(radice.Radice() + u"/usr/orbeni/fax/PC7/PPC71.pdf"_s), "%PDF-1.4 allegato");
    EXPECT_FALSE(server.InviaFax(
        u"local"_s, u"01"_s, u"PC7"_s, u"PPC71.pdf"_s, cartella, u"../../x.pdf"_s, risultato));

    const DocumentoPtr fattura = DocumentoDemo(server, u"FATTURE EMESSE"_s, 5);
    const QString copia = server.FileFaxDocumento(u"local"_s, u"01"_s, *fattura, true, true);
    ASSERT_FALSE(copia.isEmpty()) << server.UltimoErrore().toStdString();
    EXPECT_TRUE(
        QFile::exists(radice.Radice() + u"/usr/orbeni/fax/PC7/"_s + QFileInfo(copia).fileName()));
    ASSERT_TRUE(server.PreparaFax(u"local"_s, u"01"_s, u"PC7"_s));
    EXPECT_TRUE(QDir(radice.Radice() + u"/usr/orbeni/fax/PC7"_s).isEmpty());

    const QString elenco
        = server.ElencoFileServer(u"local"_s, u"demo"_s, u"/usr/orbeni/hylafax/demo/1021"_s);
    ASSERT_FALSE(elenco.isEmpty()) << server.UltimoErrore().toStdString();
    EXPECT_EQ(Contenuto(radice.Radice() + elenco), "P1021.pdf\n");

    ASSERT_TRUE(server.StatoFax(u"local"_s, u"/tmp/faxstatus.txt"_s));
    const QByteArray stato = Contenuto(radice.Radice() + u"/tmp/faxstatus.txt"_s);
    EXPECT_TRUE(stato.startsWith("HylaFAX scheduler"));
    EXPECT_TRUE(stato.contains("1040"));
}

TEST(ServerLocale, ElencoFaxInErroreEResaCancellazione)
{
    RadiceDiProva radice(true);
    ServerLocale& server = radice.Server();
    ASSERT_TRUE(server.ComandoRemoto(
        u"local"_s, u"sh /usr/orbeni/hylafaxERR.sh POSTAZIONE1 demo 2>/dev/null"_s))
        << server.UltimoErrore().toStdString();
    const QByteArray elenco = Contenuto(radice.Radice() + u"/usr/tmp/ERR_HYLA_POSTAZIONE1"_s);
    EXPECT_EQ(elenco.count("ID="), 2);
    EXPECT_EQ(elenco.count("STATUS="), 2);
    EXPECT_FALSE(elenco.contains('\r'));

    ASSERT_TRUE(server.CancellaSulServer(u"local"_s, u"/usr/orbeni/hylafax/demo/1021"_s));
    EXPECT_FALSE(QFile::exists(radice.Radice() + u"/usr/orbeni/hylafax/demo/1021"_s));
    EXPECT_FALSE(server.CancellaSulServer(u"local"_s, u"/usr/orbeni"_s));
    EXPECT_FALSE(server.CancellaSulServer(u"local"_s, u"/tmp"_s));
    EXPECT_FALSE(server.CancellaSulServer(u"local"_s, u"/usr/orbeni/hylafax/demo/1021"_s));
    EXPECT_TRUE(QFile::exists(radice.Radice() + u"/invexo.sqlite"_s));
}

TEST(ServerLocale, ConvertiInWordScriveUnRtfColTesto)
{
    RadiceDiProva& radice = RadiceDemo();
    const DocumentoPtr nota = DocumentoDemo(radice.Server(), u"NOTE DI CREDITO EMESSE"_s);
    const QString pdf = radice.Server().FileDocumento(u"local"_s, u"01"_s, *nota, false, false);
    ASSERT_TRUE(radice.Server().ConvertiInWord(u"local"_s, pdf, pdf + u".doc"_s));
    const QByteArray rtf = Contenuto(pdf + u".doc"_s);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("NOTE DI CREDITO EMESSE"));
    EXPECT_FALSE(radice.Server().ConvertiInWord(u"local"_s, pdf + u".doc"_s, pdf + u".x"_s));
}

TEST(ServerLocale, CodiciRicercaEInvioLocale)
{
    ServerLocale& server = RadiceDemo().Server();
    EXPECT_TRUE(server.ElencoCodiciRicerca(u"local"_s, u"01"_s, false).isEmpty());
    EXPECT_EQ(server.ElencoCodiciRicerca(u"local"_s, u"01"_s, true),
        (QStringList {u"AG01"_s, u"AG02"_s, u"AG03"_s}));
    const DocumentoPtr bolla = DocumentoDemo(server, u"PACKING LIST"_s, 2);
    ASSERT_TRUE(server.RegistraInvioLocale(u"local"_s, u"01"_s, {bolla}));
    EXPECT_EQ(Conta(server,
                  u"SELECT COUNT(*) FROM invii WHERE ModoInvio = 'POSTAZIONE' "
                  "AND IdServer = "_s
                      + QString::number(bolla->IdServer)),
        1);
    // Without the workstation's spool files there is nothing the server could send.
    EXPECT_FALSE(server.AvviaInvio(u"local"_s, u"01"_s, u"PC1"_s, u"demo"_s));
    EXPECT_TRUE(server.UltimoErrore().startsWith(u"File di invio non trovato: "_s));
}

} // namespace
