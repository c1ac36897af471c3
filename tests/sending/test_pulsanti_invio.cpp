#include "app/BottoniDestra.h"
#include "app/Impostazioni.h"
#include "documents/Cestino.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "orbeni/TracciatoSpool.h"
#include "platform/Orologio.h"
#include "sending/PulsantiInvio.h"
#include "sending/StampaSelezione.h"
#include "tests/sending/FinestraRegistrata.h"
#include "tests/sending/ListeInvio.h"
#include "tests/sending/ServiziFinti.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

namespace {

const QString NessunaSelezione = u"Non ci sono documenti selezionati"_s;

class PulsantiTest : public ::testing::Test {
protected:
    PulsantiTest()
    {
        ColonneLWInviaDocSel(m_cestino);
        // The spool files as the server finds them when it is told to send.
        m_servizi->AllAvvio = [this] {
            QFile file(m_cartella.File(u"desmailPC01"_s));
            m_desmail = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
    }

    ContestoInvio Contesto(const QString& tipoDoc)
    {
        return {m_globali, m_dialoghi, m_impostazioni, m_ora, m_finestra, m_posta, m_documenti,
            m_daInviare, m_cestino, {tipoDoc, false, {}}, m_email, m_nome};
    }
    void Premi(int frame, const QString& tipoDoc)
    {
        ContestoInvio contesto = Contesto(tipoDoc);
        ASSERT_TRUE(PremiPulsanteInvio(frame, contesto));
    }

    // A to-send list of the customers, every row ticked.
    void DaInviare(const QList<ClientePtr>& clienti)
    {
        m_daInviare = ListaDocumenti(clienti, true);
        for (int i = 0; i < m_daInviare.Conta(); ++i)
            Spunta(m_daInviare, i, K::Check);
    }
    [[nodiscard]] qsizetype RecordSpool() const
    {
        return m_desmail.size() / qsizetype(TracciatoSpool::LunghezzaDestinatario);
    }

    TempRoot m_cartella;
    std::shared_ptr<ServiziFinti> m_servizi = std::make_shared<ServiziFinti>();
    Invexo_Main m_globali = GlobaliDiProva(m_cartella.Percorso(), m_servizi);
    Impostazioni m_impostazioni {m_cartella.File(u"impostazioni.ini"_s)};
    OrologioFisso m_ora {QDateTime(QDate(2025, 3, 5), QTime(10, 17, 42))};
    DialoghiScriptati m_dialoghi;
    FinestraRegistrata m_finestra;
    DriverRegistrato m_posta;
    Elenco m_documenti;
    Elenco m_daInviare;
    Elenco m_cestino;
    QString m_email = u"uffici@quorvanel.it "_s;
    QString m_nome = u"  Ufficio vendite "_s;
    QByteArray m_desmail;
};

DocumentoPtr Fattura(qint32 numero)
{
    return NuovoDocumentoDiProva({.Numero = numero});
}

TEST_F(PulsantiTest, SendRunSendsTwoAndPrintsTheOneWithoutAddress)
{
    DaInviare({ClienteDiProva(u"A"_s, u"a@alfa.it"_s, {}, {Fattura(1)}),
        ClienteDiProva(u"B"_s, {}, u"0521123456"_s, {Fattura(2)}),
        ClienteDiProva(u"C"_s, {}, {}, {Fattura(3)})});
    ASSERT_EQ(m_daInviare.Riga(2).TestoColonna(1), u"STAMPA"_s);

    Premi(StatoBarraDestra::Invia, u"DA INVIARE"_s);

    EXPECT_TRUE(m_dialoghi.Testi().isEmpty());
    ASSERT_EQ(m_servizi->Avvii.size(), 1);
    EXPECT_EQ(RecordSpool(), 2);
    ASSERT_EQ(m_servizi->Stampe.size(), 1);
    EXPECT_EQ(m_servizi->Stampe[0].Tipo, u"DOCUMENTI"_s);
    ASSERT_EQ(m_servizi->Stampe[0].Documenti.size(), 1);
    EXPECT_EQ(m_servizi->Stampe[0].Documenti[0]->Numero, 3);
    EXPECT_EQ(m_servizi->Stampe[0].Forme, QStringList {u"F"_s});
    // The spool writer records the two sent, the run the one printed.
    ASSERT_EQ(m_servizi->Registrazioni.size(), 2);
    EXPECT_EQ(m_servizi->Registrazioni[0].size(), 2);
    EXPECT_EQ(m_servizi->Registrazioni[1], m_servizi->Stampe[0].Documenti);
    EXPECT_TRUE(m_globali.FileDaCancellare.contains(u"/tmp/stampa1.pdf"_s));
    EXPECT_EQ(m_finestra.Eventi,
        (QStringList {u"nascondi"_s, u"attesa:Invio documenti in corso"_s, u"chiudi attesa"_s,
            u"mostra"_s, u"cerca"_s}));
    EXPECT_EQ(
        m_impostazioni.Leggi(ChiaviImpostazioni::NominativoMittenteInvioDoc), u"Ufficio vendite"_s);
    EXPECT_EQ(m_impostazioni.Leggi(ChiaviImpostazioni::MittenteInvioDoc), m_email);
    EXPECT_EQ(m_dialoghi.Clessidre, 0);
}

TEST_F(PulsantiTest, SendRunAcceptsAnEmptySender)
{
    m_email.clear();
    DaInviare({ClienteDiProva(u"A"_s, u"a@alfa.it"_s, {}, {Fattura(1)})});
    Premi(StatoBarraDestra::Invia, u"DA INVIARE"_s);

    EXPECT_TRUE(m_dialoghi.Testi().isEmpty());
    ASSERT_EQ(RecordSpool(), 1);
    const auto campo = TracciatoSpool::Posizione(TracciatoSpool::CampoDestinatario::EmailMittente);
    EXPECT_EQ(m_desmail.mid(qsizetype(campo.Inizio), qsizetype(campo.Larghezza)),
        QByteArray(qsizetype(campo.Larghezza), ' '));
}

TEST_F(PulsantiTest, SendRunOfPaperOnlyWritesNoSpoolAndPrintsThemAll)
{
    DaInviare({ClienteDiProva(u"C"_s, {}, {}, {Fattura(3), Fattura(4)}),
        ClienteDiProva(u"D"_s, {}, {}, {Fattura(5)})});
    Premi(StatoBarraDestra::Invia, u"DA INVIARE"_s);

    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
    EXPECT_TRUE(QDir(m_cartella.Percorso()).entryList({u"*mail*"_s}).isEmpty());
    ASSERT_EQ(m_servizi->Stampe.size(), 1);
    EXPECT_EQ(m_servizi->Stampe[0].Documenti.size(), 3);
    ASSERT_EQ(m_servizi->Registrazioni.size(), 1);
    EXPECT_EQ(m_servizi->Registrazioni[0].size(), 3);
    EXPECT_EQ(m_finestra.Eventi.last(), u"cerca"_s);
}

TEST_F(PulsantiTest, SendRunRefusesAnInvalidSenderBeforeDoingAnything)
{
    m_email = u"uffici"_s;
    DaInviare({ClienteDiProva(u"A"_s, u"a@alfa.it"_s, {}, {Fattura(1)})});
    Premi(StatoBarraDestra::Invia, u"DA INVIARE"_s);

    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Verificare l' email del mittente"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Errore"_s);
    EXPECT_EQ(m_dialoghi.Registrati[0].Icona, IconaMessaggio::Avviso);
    EXPECT_TRUE(m_finestra.Eventi.isEmpty());
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
    EXPECT_TRUE(m_impostazioni.Leggi(ChiaviImpostazioni::MittenteInvioDoc).isEmpty());
}

// Every button that collects documents says so when nothing is selected.
struct CasoVuoto {
    const char* Nome;
    int Frame;
    const char* TipoDoc;
};

class SelezioneVuotaTest : public PulsantiTest, public ::testing::WithParamInterface<CasoVuoto> { };

TEST_P(SelezioneVuotaTest, SaysThereIsNothingSelected)
{
    m_documenti = ListaDocumenti({ClienteDiProva(u"A"_s, {}, {}, {Fattura(1)})}, false);
    DaInviare({ClienteDiProva(u"A"_s, {}, {}, {Fattura(1)})});
    ImpostaCella(m_daInviare.Riga(0), K::Check, false);
    Premi(GetParam().Frame, QString::fromUtf8(GetParam().TipoDoc));

    EXPECT_EQ(m_dialoghi.Testi(), QStringList {NessunaSelezione});
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Errore"_s);
    EXPECT_TRUE(m_servizi->Stampe.isEmpty());
    EXPECT_TRUE(m_finestra.Fax.isEmpty());
    EXPECT_FALSE(m_posta.Passi.contains(u"consegna"_s));
    EXPECT_EQ(m_dialoghi.Clessidre, 0);
}

INSTANTIATE_TEST_SUITE_P(Pulsanti, SelezioneVuotaTest,
    ::testing::Values(CasoVuoto {"InviaDocumenti", StatoBarraDestra::Invia, "FATTURE EMESSE"},
        CasoVuoto {"InviaDaInviare", StatoBarraDestra::Invia, "DA INVIARE"},
        CasoVuoto {"StampaDocumenti", StatoBarraDestra::Stampa, "FATTURE EMESSE"},
        CasoVuoto {"StampaDaInviare", StatoBarraDestra::Stampa, "DA INVIARE"},
        CasoVuoto {"FaxDocumenti", StatoBarraDestra::Fax, "FATTURE EMESSE"}),
    [](const auto& caso) { return std::string(caso.param.Nome); });

// Delivery notes have the two print-form cells; invoices the check cell.
QList<ClientePtr> BolleEFattura()
{
    return {ClienteDiProva(u"A"_s, u"a@alfa.it"_s, {},
        {NuovoDocumentoDiProva(
             {.Tipo = u"BOLLE DI VENDITA"_s, .Numero = 11, .Stampato2 = false, .Stampa = u"B"_s}),
            NuovoDocumentoDiProva({.Tipo = u"BOLLE DI VENDITA"_s, .Numero = 12}),
            NuovoDocumentoDiProva({.Numero = 13, .Stampa = u"X"_s})})};
}

class StampaSceltaTest : public PulsantiTest, public ::testing::WithParamInterface<bool> { };

TEST_P(StampaSceltaTest, SecondFormNeedsItsPrintAndEachChoiceSetsTheForm)
{
    const bool daInviare = GetParam();
    Elenco& lista = daInviare ? m_daInviare : m_documenti;
    lista = ListaDocumenti(BolleEFattura(), daInviare);
    Spunta(lista, 0, K::Radio2);
    Spunta(lista, 1, K::Radio2);
    Spunta(lista, 2, K::Check);
    Premi(StatoBarraDestra::Stampa, daInviare ? u"DA INVIARE"_s : u"BOLLE DI VENDITA"_s);

    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Il documento 01 11 deve essere stampato"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Icona, IconaMessaggio::Informazione);
    ASSERT_EQ(m_servizi->Stampe.size(), 1);
    EXPECT_EQ(m_servizi->Stampe[0].Tipo, daInviare ? u"DOCUMENTI"_s : u"ELENCO"_s);
    EXPECT_EQ(m_servizi->Stampe[0].Forme, (QStringList {u"C"_s, u"X"_s}));
    // Printing from the to-send list does not record the documents as done.
    EXPECT_TRUE(m_servizi->Registrazioni.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pulsanti, StampaSceltaTest, ::testing::Bool(),
    [](const auto& caso) { return caso.param ? "DaInviare" : "Documenti"; });

TEST_F(PulsantiTest, PrintOfTheDocumentListAddsTheBasketWithItsForm)
{
    m_documenti = ListaDocumenti(BolleEFattura(), false);
    Spunta(m_documenti, 1, K::Radio1);
    RigaElenco gia;
    gia.Chiave = m_documenti.Riga(1).Chiave;
    gia.Tag = DocumentoDellaRiga(m_documenti.Riga(1));
    gia.CellaA(2).Chiave = K::Stampa;
    gia.CellaA(2).Testo = u"Z"_s;
    m_cestino.Aggiungi(gia);
    RigaElenco altro;
    altro.Chiave = u"FATT.|01|99|2025|"_s;
    altro.Tag = Fattura(99);
    altro.CellaA(2).Chiave = K::Stampa;
    altro.CellaA(2).Testo = u"Q"_s;
    m_cestino.Aggiungi(altro);
    Premi(StatoBarraDestra::Stampa, u"BOLLE DI VENDITA"_s);

    ASSERT_EQ(m_servizi->Stampe.size(), 1);
    EXPECT_EQ(m_servizi->Stampe[0].Forme, (QStringList {u"B"_s, u"Q"_s}));
    EXPECT_TRUE(m_globali.FileDaCancellare.contains(u"/tmp/stampa1.pdf"_s));
}

TEST_F(PulsantiTest, FaxStopsAtTheFirstUnprintedDocument)
{
    m_globali.Archivio->FaxServer = true;
    m_documenti
        = ListaDocumenti({ClienteDiProva(u"A"_s, {}, {},
                             {Fattura(1), NuovoDocumentoDiProva({.Numero = 2, .Stampato1 = false}),
                                 NuovoDocumentoDiProva({.Numero = 3, .Stampato1 = false})})},
            false);
    for (int i = 0; i < 3; ++i)
        Spunta(m_documenti, i, K::Check);
    Premi(StatoBarraDestra::Fax, u"FATTURE EMESSE"_s);

    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Il documento 01 2 deve essere stampato"_s});
    EXPECT_TRUE(m_finestra.Fax.isEmpty());
}

TEST_F(PulsantiTest, FaxOpensTheCompositionAndClearsTheMarks)
{
    m_documenti = ListaDocumenti({ClienteDiProva(u"A"_s, {}, {}, {Fattura(1), Fattura(2)})}, false);
    Spunta(m_documenti, 1, K::Check);
    Premi(StatoBarraDestra::Fax, u"FATTURE EMESSE"_s);

    ASSERT_EQ(m_finestra.Fax.size(), 1);
    EXPECT_EQ(m_finestra.Fax[0].size(), 1);
    EXPECT_FALSE(CellaAccesa(m_documenti.Riga(1), K::Check));

    // With the fax server the composition opens with no document too.
    m_globali.Archivio->FaxServer = true;
    Premi(StatoBarraDestra::Fax, u"FATTURE EMESSE"_s);
    ASSERT_EQ(m_finestra.Fax.size(), 2);
    EXPECT_TRUE(m_finestra.Fax[1].isEmpty());
    EXPECT_TRUE(m_dialoghi.Testi().isEmpty());
}

TEST_F(PulsantiTest, FaxButtonDoesNothingInTheToSendList)
{
    m_globali.Archivio->FaxServer = true;
    DaInviare({ClienteDiProva(u"A"_s, {}, u"0521"_s, {Fattura(1)})});
    Premi(StatoBarraDestra::Fax, u"DA INVIARE"_s);

    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
    EXPECT_TRUE(m_finestra.Eventi.isEmpty());
    EXPECT_TRUE(CellaAccesa(m_daInviare.Riga(0), K::Check));
}

TEST_F(PulsantiTest, DocumentViewSendHandsTheSelectionToTheMailClient)
{
    m_servizi->FileDelDocumento = [this](const Documento& documento) {
        return documento.Numero == 2 ? QString()
                                     : m_cartella.File(QString::number(documento.Numero));
    };
    m_documenti = ListaDocumenti({ClienteDiProva(u"A"_s, {}, {}, {Fattura(1), Fattura(2)})}, false);
    Spunta(m_documenti, 0, K::Check);
    Spunta(m_documenti, 1, K::Check);
    Premi(StatoBarraDestra::Invia, u"FATTURE EMESSE"_s);

    EXPECT_EQ(m_posta.Passi,
        (QStringList {u"apri"_s, u"nuovo"_s, u"allega:"_s + m_cartella.File(u"1"_s) + u":01"_s,
            u"consegna"_s}));
    ASSERT_EQ(m_servizi->InviiLocali.size(), 1);
    EXPECT_EQ(m_servizi->InviiLocali[0].size(), 2);
    EXPECT_TRUE(m_globali.PostaConnessa);
    EXPECT_FALSE(CellaAccesa(m_documenti.Riga(0), K::Check));
    EXPECT_EQ(m_finestra.Eventi, QStringList {u"ridisponi"_s});
}

TEST_F(PulsantiTest, ViewsOfLaterFeaturesAndOtherFramesDoNothing)
{
    m_documenti = ListaDocumenti({ClienteDiProva(u"A"_s, {}, {}, {Fattura(1)})}, false);
    Spunta(m_documenti, 0, K::Check);
    Premi(StatoBarraDestra::Invia, u"CREDEMTEL - INVIO DOCUMENTI"_s);
    Premi(StatoBarraDestra::Invia, u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI"_s);
    Premi(StatoBarraDestra::Stampa, u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI"_s);
    EXPECT_TRUE(m_posta.Passi.isEmpty());
    EXPECT_TRUE(m_servizi->Stampe.isEmpty());
    // The Credemtel lists print as any document list.
    Premi(StatoBarraDestra::Stampa, u"CREDEMTEL - INVIO DOCUMENTI"_s);
    EXPECT_EQ(m_servizi->Stampe.size(), 1);
    ContestoInvio contesto = Contesto(u"FATTURE EMESSE"_s);
    EXPECT_FALSE(PremiPulsanteInvio(StatoBarraDestra::Aggiungi, contesto));
}

TEST_F(PulsantiTest, UnprintedToSendRowIsReportedFromTheTimer)
{
    DaInviare({ClienteDiProva(u"A"_s, {}, {}, {NuovoDocumentoDiProva({.Numero = 7})})});
    tmrCmdSegnalaDocumentoNonStampato_Timer(m_daInviare, 0, m_dialoghi);
    tmrCmdSegnalaDocumentoNonStampato_Timer(m_daInviare, 5, m_dialoghi);
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Il documento 01 7 deve essere stampato"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Attenzione"_s);
}

} // namespace
