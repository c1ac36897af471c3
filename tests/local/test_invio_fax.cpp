// Fax recipients become fax jobs that the failed-fax list and the resending read.
#include "orbeni/local/ElencoFaxInErrore.h"
#include "orbeni/local/PopolaArchivio.h"
#include "sending/SpoolInvio.h"
#include "tests/local/InvioDiProva.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoAllegato;
using TracciatoSpool::CampoDestinatario;

namespace {

QString CartellaFax(InvioDiProva& invio)
{
    return invio.Valore(u"SELECT Messaggio FROM spedizioni WHERE ModoInvio = 'FAX'"_s);
}

TEST(FaxDiSpool, UnNumeroCheNonSiPuoComporreDiventaUnFaxInErrore)
{
    InvioDiProva invio;
    invio.CopiaSpool(u"documenti"_s);
    const QString desmail = invio.Radice().Ambiente().CartellaLavoro() + u"/desmailPC1"_s;
    QFile file(desmail);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray dati = file.readAll();
    dati.replace(1338 + 170, 20, QByteArray(20, ' '));
    ASSERT_TRUE(file.seek(0) && file.write(dati) == dati.size());
    file.close();

    ASSERT_TRUE(invio.Avvia()) << invio.Server().UltimoErrore().toStdString();
    const QString cartella = CartellaFax(invio);
    const QString id = cartella.section(u'/', -1);
    EXPECT_EQ(invio.FileServer(cartella + u"/status"_s), "Numero_di_fax_non_valido\n");
    EXPECT_EQ(
        invio.Valore(u"SELECT Stato FROM lavori_fax WHERE IdLavoro = ?"_s, {id}), u"ERRORE"_s);
    // Not sent: the credit note is still to send, the invoice of the same run is not.
    EXPECT_EQ(invio.DaInviare(), QStringList({u"CO 7"_s, u"FA 123"_s, u"NC 4567"_s}));

    QString errore;
    ASSERT_TRUE(ScriviElencoFaxInErrore(invio.Server().Radice(), u"PC1"_s, u"demo"_s, errore))
        << errore.toStdString();
    const QList<QByteArray> elenco = invio.FileServer(u"/usr/tmp/ERR_HYLA_PC1"_s).split('\n');
    EXPECT_TRUE(elenco.contains("ID=" + id.toLatin1()));
    EXPECT_TRUE(elenco.contains("DESTINATARIO=Bianchi_S.p.A."));
    EXPECT_TRUE(elenco.contains("STATUS=Numero_di_fax_non_valido"));
}

// Writes a job of the fax composition: a document, a PDF the workstation uploaded (named by
// its server path), the address book's name after seven blanks in the code field, the cover
// text. The upload's server path, as InviaFax gives it.
QString ScriviComposizione(InvioDiProva& invio, const QString& percorsoCaricato = {})
{
    ServerLocale& server = invio.Server();
    const QString lavoro = invio.Radice().Ambiente().CartellaLavoro();
    {
        QFile pdf(lavoro + u"/listino.pdf"_s);
        EXPECT_TRUE(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4 listino");
    }
    QString area;
    EXPECT_TRUE(server.PreparaFax(u"local"_s, u"01"_s, u"PC1"_s));
    EXPECT_TRUE(server.InviaFax(
        u"local"_s, u"01"_s, u"PC1"_s, u"listino.pdf"_s, lavoro + u'/', u"PPC11.pdf"_s, area))
        << server.UltimoErrore().toStdString();
    const QString caricatoDa
        = percorsoCaricato.isEmpty() ? area + u"PPC11.pdf"_s : percorsoCaricato;
    RecordDestinatario destinatario;
    destinatario.Imposta(CampoDestinatario::Nominativo, u"Bianchi S.p.A. 0522/123456"_s);
    destinatario.Imposta(CampoDestinatario::NominativoMittente, u"Ufficio commerciale"_s);
    destinatario.Imposta(CampoDestinatario::Oggetto, u"Listino & conferma"_s);
    destinatario.Imposta(CampoDestinatario::Codice, u"       Rubrica clienti"_s);
    destinatario.Imposta(CampoDestinatario::TestoExtra, u"Ufficio acquisti"_s);
    destinatario.Imposta(CampoDestinatario::Fax, u"0522/123456"_s);
    destinatario.ImpostaVuoto(CampoDestinatario::Email);
    destinatario.Imposta(CampoDestinatario::DataInvio, u"170625"_s);
    destinatario.Imposta(CampoDestinatario::OraInvio, u"0830"_s);
    destinatario.Imposta(CampoDestinatario::Tentativi, u"5"_s);
    destinatario.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoFax);
    destinatario.Imposta(CampoDestinatario::Progressivo, u"000"_s);
    destinatario.ImpostaVuoto(CampoDestinatario::OpzioneFax);
    destinatario.ImpostaVuoto(CampoDestinatario::EmailMittente);
    destinatario.ImpostaVuoto(CampoDestinatario::Marcatore);
    RecordAllegato documento;
    documento.Imposta(CampoAllegato::Progressivo, u"000"_s);
    documento.Imposta(CampoAllegato::Operazione, TracciatoSpool::OperazioneFaxDocumento);
    documento.Imposta(CampoAllegato::Serie, u"CO"_s);
    documento.Imposta(CampoAllegato::Numero, u"00007"_s);
    documento.Imposta(CampoAllegato::SottoNumero, u"0001"_s);
    documento.Imposta(CampoAllegato::Anno, u"24"_s);
    documento.Imposta(CampoAllegato::Descrizione, u"CONFERME CO 7 2024"_s);
    RecordAllegato caricato;
    caricato.Imposta(CampoAllegato::Progressivo, u"000"_s);
    caricato.Imposta(CampoAllegato::Operazione, TracciatoSpool::OperazioneFaxP);
    caricato.Imposta(CampoAllegato::Descrizione, caricatoDa);
    caricato.Imposta(CampoAllegato::RiferimentoFile, u"PPC11.pdf"_s);
    SpoolInvio spool;
    spool.AggiungiDestinatario(destinatario);
    spool.AggiungiAllegato(documento);
    spool.AggiungiAllegato(caricato);
    spool.ImpostaTestoCopertina(u"Vi inviamo il listino."_s);
    QString errore;
    EXPECT_TRUE(spool.Scrivi(lavoro, u"PC1"_s, errore)) << errore.toStdString();
    return caricatoDa;
}

TEST(FaxDiSpool, LaComposizioneFaxPortaDocumentiEFileCaricati)
{
    InvioDiProva invio;
    ServerLocale& server = invio.Server();
    ScriviComposizione(invio);
    QString errore;

    ASSERT_TRUE(invio.Avvia()) << server.UltimoErrore().toStdString();
    const QString cartella = CartellaFax(invio);
    const QList<QByteArray> descrizione
        = invio.FileServer(cartella + u"/desfile.txt"_s).split('\n');
    for (const QByteArray& riga : {QByteArray("DATAINVIO=17JUN25"), QByteArray("TIMEINVIO=08:30"),
             QByteArray("DESTINATARIO=Bianchi_S.p.A._0522/123456"),
             QByteArray("OGGETTO=Listino_&_conferma"), QByteArray("ATTENZIONE=Ufficio_acquisti"),
             QByteArray("MITTENTE=Ufficio_commerciale"), QByteArray("RUBRICA=Rubrica_clienti"),
             QByteArray("FROM=demo")})
        EXPECT_TRUE(descrizione.contains(riga)) << riga.toStdString();
    EXPECT_EQ(invio.FileServer(cartella + u"/PPC11.pdf"_s), "%PDF-1.4 listino");
    EXPECT_EQ(invio.FileServer(cartella + u"/CO000007.pdf"_s), invio.PdfDocumento(u"CO"_s, 7));
    EXPECT_EQ(invio.FileServer(cartella + u"/frnmail.txt"_s), "Vi inviamo il listino.\n\n");
    EXPECT_EQ(invio.Valore(u"SELECT Tentativi || '|' || Programmata FROM spedizioni"_s),
        u"5|2025-06-17T08:30:00"_s);
    EXPECT_EQ(invio.Valore(u"SELECT group_concat(Operazione || ':' || NomeFile, ' ') FROM "
                           "(SELECT * FROM spedizioni_allegati ORDER BY Ordine)"_s),
        u"2:CO000007.pdf p:PPC11.pdf"_s);
    EXPECT_EQ(invio.Valore(u"SELECT Pagine FROM lavori_fax"_s), u"2"_s);
    // The queued job shows in the fax queue and not among the failed ones.
    ASSERT_TRUE(ScriviElencoFaxInErrore(server.Radice(), u"PC1"_s, u"demo"_s, errore));
    EXPECT_TRUE(invio.FileServer(u"/usr/tmp/ERR_HYLA_PC1"_s).isEmpty());
}

TEST(FaxDiSpool, UnFileFuoriDallAreaFaxDellaPostazioneNonParte)
{
    InvioDiProva invio;
    // Another user's failed fax, which a record must not carry into this job.
    PopolaArchivio dati(invio.Server().Archivio(), invio.Server().Radice());
    ASSERT_TRUE(dati.LavoroFax(u"01"_s, u"mrossi"_s, u"PC2"_s, u"77"_s, {u"ID=77"_s}, {}, u"x"_s));
    const QString altrui = u"/usr/orbeni/hylafax/mrossi/77/P77.pdf"_s;
    ScriviComposizione(invio, altrui);
    EXPECT_FALSE(invio.Avvia());
    EXPECT_TRUE(invio.Server().UltimoErrore().endsWith(
        u"Allegato fax fuori dall'area fax della postazione: "_s + altrui))
        << invio.Server().UltimoErrore().toStdString();
    EXPECT_EQ(invio.Valore(u"SELECT COUNT(*) FROM spedizioni"_s), u"0"_s);
}

} // namespace
