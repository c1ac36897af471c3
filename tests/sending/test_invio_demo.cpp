// The buttons on the demo data of the embedded server, with the real spool, store, prints and
// the workstation's mail programs replaced by recording ones on PATH.
#include "app/BottoniDestra.h"
#include "app/Impostazioni.h"
#include "documents/CercaDocumenti.h"
#include "documents/Cestino.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/ColonneDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "platform/Avviatore.h"
#include "sending/PostaLocale.h"
#include "sending/PulsantiInvio.h"
#include "tests/sending/FinestraRegistrata.h"
#include "tests/sending/ServerDemo.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

namespace {

// The window effects, with the to-send search really run again.
class FinestraDemo final : public FinestraInvio {
public:
    FinestraDemo(Elenco& daInviare, Invexo_Main& sessione)
        : m_daInviare(daInviare)
        , m_sessione(sessione)
    {
    }
    QStringList Eventi;

    void NascondiPrincipale() override { Eventi.append(u"nascondi"_s); }
    void MostraPrincipale() override { Eventi.append(u"mostra"_s); }
    void MostraAttesa(const QString&) override { Eventi.append(u"attesa"_s); }
    void ChiudiAttesa() override { Eventi.append(u"chiudi attesa"_s); }
    void CercaDaInviare() override
    {
        Eventi.append(u"cerca"_s);
        CriteriRicercaDocumenti criteri;
        criteri.etichetta = u"DA INVIARE"_s;
        FPicRicercaDocumentoDaInviare(m_daInviare, criteri, m_sessione);
    }
    void Ridisponi() override { Eventi.append(u"ridisponi"_s); }
    void ComponiFax(const QList<DocumentoPtr>&) override { }
    void MostraFormEmail(const QList<ClientePtr>&, int) override { }

private:
    Elenco& m_daInviare;
    Invexo_Main& m_sessione;
};

class InvioDemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_demo.Pronto()) << m_demo.Server->UltimoErrore().toStdString();
        // No registry: the programs come from PATH.
        qputenv("INVEXO_REGISTRY_INI", m_demo.Temp.File(u"nessuno.ini"_s).toLocal8Bit());
        ColonneLWInviaDocSel(m_cestino);
        ColonneLWDocumenti(m_documenti);
        ColonneLWDocumentiDaInviare(m_daInviare);
    }
    void TearDown() override { qunsetenv("INVEXO_REGISTRY_INI"); }

    ContestoInvio Contesto(const QString& tipoDoc, DriverPosta& posta)
    {
        return {m_demo.Sessione, m_demo.Dialoghi, m_impostazioni, m_demo.Ora, m_finestra, posta,
            m_documenti, m_daInviare, m_cestino, {tipoDoc, false, {}}, u"uffici@quorvanel.it"_s,
            u"Ufficio"_s};
    }
    // The first rows of the list whose document is printed in its first form, ticked.
    QList<DocumentoPtr> SpuntaStampati(int quanti)
    {
        QList<DocumentoPtr> spuntati;
        for (int i = 0; i < m_documenti.Conta() && spuntati.size() < quanti; ++i) {
            const DocumentoPtr documento = DocumentoDellaRiga(m_documenti.Riga(i));
            if (documento && documento->Stampato1 && m_documenti.Riga(i).Cella(K::Check)) {
                ImpostaCella(m_documenti.Riga(i), K::Check, true);
                spuntati.append(documento);
            }
        }
        return spuntati;
    }
    // Sends the invoices chosen in the document view through the session's mail client.
    QList<DocumentoPtr> InviaFatture()
    {
        CriteriRicercaDocumenti criteri;
        criteri.etichetta = u"FATTURE EMESSE"_s;
        FPicRicercaDocumento(m_documenti, criteri, m_demo.Sessione);
        const QList<DocumentoPtr> spuntati = SpuntaStampati(2);
        EXPECT_EQ(spuntati.size(), 2);
        auto posta = CreaDriverPosta(m_demo.Sessione, m_demo.Dialoghi, AvviatorePredefinito());
        ContestoInvio contesto = Contesto(u"FATTURE EMESSE"_s, *posta);
        EXPECT_TRUE(PremiPulsanteInvio(StatoBarraDestra::Invia, contesto));
        ChiudiPosta(m_demo.Sessione, *posta);
        EXPECT_TRUE(m_demo.Dialoghi.Testi().isEmpty())
            << m_demo.Dialoghi.Testi().join(u'\n').toStdString();
        return spuntati;
    }
    [[nodiscard]] qint64 InviiLocali(const DocumentoPtr& documento) const
    {
        return m_demo.Conta(u"SELECT COUNT(*) FROM invii WHERE ModoInvio = 'POSTAZIONE' "
                            "AND IdServer = "_s
            + QString::number(documento->IdServer));
    }

    ServerDemo m_demo;
    Impostazioni m_impostazioni {m_demo.Temp.File(u"impostazioni.ini"_s)};
    Elenco m_documenti;
    Elenco m_daInviare;
    Elenco m_cestino;
    FinestraDemo m_finestra {m_daInviare, m_demo.Sessione};
};

TEST_F(InvioDemoTest, DocumentViewSendHandsThePdfsToThunderbird)
{
    const ProgrammiRegistratori programmi({u"thunderbird"_s, u"xdg-email"_s});
    m_demo.Sessione.PostaThunderbird = true;
    const QList<DocumentoPtr> inviati = InviaFatture();
    ASSERT_EQ(inviati.size(), 2);

    const QStringList argomenti = programmi.Argomenti(u"thunderbird"_s);
    ASSERT_EQ(argomenti.size(), 2) << argomenti.join(u' ').toStdString();
    EXPECT_EQ(argomenti[0], u"-compose"_s);
    const QString prefisso = u"to='',cc='',subject='',body='',attachment='"_s;
    ASSERT_TRUE(argomenti[1].startsWith(prefisso) && argomenti[1].endsWith(u'\''));
    const QStringList allegati = argomenti[1].mid(prefisso.size()).chopped(1).split(u',');
    ASSERT_EQ(allegati.size(), 2);
    for (const QString& allegato : allegati) {
        ASSERT_TRUE(allegato.startsWith(u"file:///"_s)) << allegato.toStdString();
        QFile pdf(allegato.mid(7));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << allegato.toStdString();
        EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
        EXPECT_TRUE(m_demo.Sessione.FileDaCancellare.contains(pdf.fileName()));
    }
    EXPECT_TRUE(programmi.Argomenti(u"xdg-email"_s).isEmpty());
    for (const DocumentoPtr& documento : inviati)
        EXPECT_EQ(InviiLocali(documento), 1);
    EXPECT_EQ(m_finestra.Eventi, QStringList {u"ridisponi"_s});
}

TEST_F(InvioDemoTest, DocumentViewSendWithAnyOtherClientUsesTheDesktopComposer)
{
    const ProgrammiRegistratori programmi({u"xdg-email"_s});
    const QList<DocumentoPtr> inviati = InviaFatture();
    // Started detached, as the composer stays open for the user.
    const QStringList argomenti = programmi.Argomenti(u"xdg-email"_s, true);
    ASSERT_EQ(argomenti.size(), 4) << argomenti.join(u' ').toStdString();
    EXPECT_EQ(argomenti[0], u"--attach"_s);
    EXPECT_EQ(argomenti[2], u"--attach"_s);
    EXPECT_TRUE(QFile::exists(argomenti[1]) && QFile::exists(argomenti[3]));
    for (const DocumentoPtr& documento : inviati)
        EXPECT_EQ(InviiLocali(documento), 1);
}

// Needs the server's side of AvviaInvio: the spool is read, its sends recorded.
TEST_F(InvioDemoTest, ToSendRunSendsPrintsAndTheListComesBackWithoutThem)
{
    m_finestra.CercaDaInviare();
    ASSERT_GT(m_daInviare.Conta(), 0);
    // One row of each kind: e-mail, fax and paper.
    QSet<QString> scelte;
    QStringList chiavi;
    for (int i = 0; i < m_daInviare.Conta() && chiavi.size() < 3; ++i) {
        RigaElenco& riga = m_daInviare.Riga(i);
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        const auto copia = riga.CellaA(1).TagCome<ClientePtr>();
        if (!documento || !copia || !riga.Cella(K::Check) || !documento->Stampato)
            continue;
        const QString tipo = riga.TestoColonna(1) == u"STAMPA"_s ? u"STAMPA"_s
            : !copia->Email.isEmpty()                            ? u"EMAIL"_s
                                                                 : u"FAX"_s;
        if (scelte.contains(tipo))
            continue;
        scelte.insert(tipo);
        chiavi.append(riga.Chiave);
        ImpostaCella(riga, K::Check, true);
    }
    ASSERT_EQ(chiavi.size(), 3) << "the demo data lacks a kind of customer";
    const qint64 stampe = m_demo.Conta(u"SELECT COUNT(*) FROM stampe"_s);
    const qint64 invii = m_demo.Conta(u"SELECT COUNT(*) FROM invii"_s);

    DriverRegistrato posta;
    ContestoInvio contesto = Contesto(u"DA INVIARE"_s, posta);
    ASSERT_TRUE(PremiPulsanteInvio(StatoBarraDestra::Invia, contesto));

    EXPECT_TRUE(m_demo.Dialoghi.Testi().isEmpty())
        << m_demo.Dialoghi.Testi().join(u'\n').toStdString();
    EXPECT_EQ(m_finestra.Eventi,
        (QStringList {
            u"cerca"_s, u"nascondi"_s, u"attesa"_s, u"chiudi attesa"_s, u"mostra"_s, u"cerca"_s}));
    EXPECT_EQ(m_demo.Conta(u"SELECT COUNT(*) FROM stampe"_s), stampe + 1);
    EXPECT_EQ(m_demo.Conta(u"SELECT COUNT(*) FROM stampe_documenti WHERE IdStampa = "
                           "(SELECT MAX(Id) FROM stampe)"_s),
        1);
    EXPECT_GE(m_demo.Conta(u"SELECT COUNT(*) FROM invii"_s), invii + 2)
        << m_demo.Server->UltimoErrore().toStdString();
    for (const QString& chiave : chiavi)
        EXPECT_FALSE(m_daInviare.IndiceRiga(chiave).has_value()) << chiave.toStdString();
}

} // namespace
