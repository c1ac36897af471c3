#include "app/Invexo_Main.h"
#include "orbeni/QuotaShell.h"
#include "platform/Avviatore.h"
#include "sending/CartelleClient.h"
#include "sending/EseguiBatch.h"
#include "sending/PostaLocale.h"
#include "sending/RigheComandoPosta.h"
#include "tests/sending/FinestraRegistrata.h"
#include "tests/sending/ServiziFinti.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

DocumentoPtr Documento1(const QString& serie, qint32 numero, bool stampato = true)
{
    auto documento = std::make_shared<Documento>();
    documento->Serie = serie;
    documento->Numero = numero;
    documento->Anno = 2025;
    documento->StampaPDF = u"B"_s;
    documento->Stampato = stampato;
    return documento;
}

TEST(RigheComandoPosta, ThunderbirdInAFolderOnDriveD)
{
    const QString lista = ListaAllegatiRigaComando(
        {u"C:\\Invexo\\Lavoro\\FA 1.pdf"_s, u"C:\\Invexo\\Lavoro\\FA2.pdf"_s});
    const RigheBatch righe
        = RigheThunderbirdWindows(u"D:\\Programmi\\Mozilla Thunderbird\\"_s, lista);
    EXPECT_EQ(righe.Prima, u"cd \"D:\\Programmi\\Mozilla Thunderbird\\\""_s);
    EXPECT_EQ(righe.Seconda,
        u"D:thunderbird -compose \"to='',cc='',subject='',body='',attachment='"
        "file://C:/Invexo/Lavoro/FA 1.pdf,file://C:/Invexo/Lavoro/FA2.pdf'\"  "_s);
}

TEST(RigheComandoPosta, OfficeOutlookQuotesItsList)
{
    const RigheBatch righe = RigheOfficeOutlookWindows(
        u"C:\\Office\\"_s, ListaAllegatiRigaComando({u"C:\\Dati utente\\FA1.pdf"_s}));
    EXPECT_EQ(righe.Prima, u"cd \"C:\\Office\\\""_s);
    EXPECT_EQ(righe.Seconda, u"C:outlook /a \"file://C:/Dati utente/FA1.pdf\""_s);
}

// Characters that would end an item, the list or the quoted argument are escaped; "%" is
// doubled once more for the batch file.
TEST(RigheComandoPosta, PathsCannotBreakOrExtendTheCommand)
{
    const QString lista = ListaAllegatiRigaComando({u"C:\\L'ufficio,2\\100%.pdf"_s});
    EXPECT_EQ(lista, u"file://C:\\L%27ufficio%2C2\\100%25.pdf"_s);
    EXPECT_EQ(RigheThunderbirdWindows(u"C:\\T\\"_s, lista).Seconda,
        u"C:thunderbird -compose \"to='',cc='',subject='',body='',attachment='"
        "file://C:/L%%27ufficio%%2C2/100%%25.pdf'\"  "_s);
}

// A program that writes each of its arguments on a line of the file next to it.
QString ProgrammaRegistratore(const QString& cartella, const QString& nome)
{
    const QString percorso = cartella + u'/' + nome;
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return percorso;
}

QStringList ArgomentiRegistrati(const QString& programma)
{
    QFile file(programma + u".args"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {u"<not started>"_s};
    return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

TEST(RigheComandoPosta, PosixLineReachesTheProgramWhole)
{
    TempRoot temp;
    const QString cartella = temp.File(u"mail box 'x'"_s);
    ASSERT_TRUE(QDir().mkpath(cartella));
    const QString programma = ProgrammaRegistratore(cartella, u"thunderbird"_s);
    const QString lista
        = ListaAllegatiRigaComando({u"/home/a b/x\"y'z.pdf"_s, u"/tmp/$HOME;.pdf"_s});
    const RigheBatch righe = RigheThunderbirdPosix(programma, lista);
    EXPECT_TRUE(righe.Seconda.isEmpty());
    ASSERT_EQ(AvviatoreSistema().Esegui(u"/bin/sh"_s, {u"-c"_s, righe.Prima}, 10000), 0);
    EXPECT_EQ(ArgomentiRegistrati(programma),
        (QStringList {u"-compose"_s,
            u"to='',cc='',subject='',body='',attachment='file:///home/a b/x%22y%27z.pdf,"
            "file:///tmp/$HOME;.pdf'"_s}));
}

TEST(RigheComandoPosta, AttachmentNamesOfOutlookAndSimpleMapi)
{
    const DocumentoPtr documento = Documento1(u"FA"_s, 12);
    EXPECT_EQ(NomeAllegatoOutlook(*documento), u"FA 12 B.PDF"_s);
    EXPECT_EQ(NomeAllegatoMapi(*documento), u"FA 12 2025 B.PDF"_s);
}

struct CasoIcona {
    const char* Nome;
    QString Valore;
    QString Programma;
    std::optional<QString> Cartella;
};

class CartellaDaIconaTest : public ::testing::TestWithParam<CasoIcona> { };

TEST_P(CartellaDaIconaTest, IsTheTextBeforeTheProgram)
{
    EXPECT_EQ(CartellaDaIcona(GetParam().Valore, GetParam().Programma), GetParam().Cartella);
}

INSTANTIATE_TEST_SUITE_P(Cartelle, CartellaDaIconaTest,
    ::testing::Values(CasoIcona {"Plain", u"D:\\Mozilla Thunderbird\\thunderbird.exe,0"_s,
                          u"thunderbird.exe"_s, u"D:\\Mozilla Thunderbird\\"_s},
        CasoIcona {
            "Quoted", u"\"C:\\Office\\outlook.exe\",-9403"_s, u"outlook.exe"_s, u"C:\\Office\\"_s},
        CasoIcona {"OtherCase", u"C:\\Office\\OUTLOOK.EXE,1"_s, u"outlook.exe"_s, std::nullopt},
        CasoIcona {"Empty", QString(), u"thunderbird.exe"_s, std::nullopt}),
    [](const auto& caso) { return std::string(caso.param.Nome); });

TEST(CartelleClient, ReadTheMachineRegistry)
{
    TempRoot temp;
    const QString ini = temp.File(u"registro.ini"_s);
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[SOFTWARE\\Clients\\Mail\\Mozilla Thunderbird\\DefaultIcon]\n"
                   "@=sz:\"D:\\Posta\\thunderbird.exe\",0\n"
                   "[SOFTWARE\\Classes\\Mailto\\DefaultIcon]\n"
                   "@=sz:C:\\Office\\OUTLOOK.EXE,-9403\n");
    }
    qputenv("INVEXO_REGISTRY_INI", ini.toLocal8Bit());
    EXPECT_EQ(CartellaThunderbird(), u"D:\\Posta\\"_s);
    EXPECT_EQ(CartellaOutlook(), std::nullopt);
    qunsetenv("INVEXO_REGISTRY_INI");
}

class PostaTest : public ::testing::Test {
protected:
    TempRoot m_cartella;
    std::shared_ptr<ServiziFinti> m_servizi = std::make_shared<ServiziFinti>();
    Invexo_Main m_globali = GlobaliDiProva(m_cartella.Percorso(), m_servizi);
    DialoghiScriptati m_dialoghi;
    DriverRegistrato m_driver;
};

TEST_F(PostaTest, AnUnprintedDocumentStopsBeforeTheClientIsTouched)
{
    InviaConClientPosta(
        {Documento1(u"FA"_s, 1), Documento1(u"FA"_s, 2, false)}, m_globali, m_driver, m_dialoghi);
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Il documento FA 2 deve essere stampato"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Errore"_s);
    EXPECT_TRUE(m_driver.Passi.isEmpty());
    EXPECT_TRUE(m_servizi->InviiLocali.isEmpty());
    EXPECT_FALSE(m_globali.PostaConnessa);
}

TEST_F(PostaTest, AClientFailureIsShownAsNumberAndDescription)
{
    m_driver.ErroreNuovo = ErrorePosta {429, u"non disponibile"_s};
    InviaConClientPosta({Documento1(u"FA"_s, 1)}, m_globali, m_driver, m_dialoghi);
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"429: non disponibile"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Icona, IconaMessaggio::Critica);
    EXPECT_TRUE(m_dialoghi.Registrati[0].Titolo.isEmpty());
    EXPECT_TRUE(m_servizi->InviiLocali.isEmpty());
}

TEST_F(PostaTest, SessionIsOpenedOnceAndClosedOnlyForClientsThatKeepOne)
{
    m_servizi->FileDelDocumento = [](const Documento&) { return u"/tmp/x.pdf"_s; };
    InviaConClientPosta({Documento1(u"FA"_s, 1)}, m_globali, m_driver, m_dialoghi);
    InviaConClientPosta({Documento1(u"FA"_s, 2)}, m_globali, m_driver, m_dialoghi);
    EXPECT_EQ(m_driver.Passi.count(u"apri"_s), 1);
    EXPECT_EQ(m_globali.FileDaCancellare.count(u"/tmp/x.pdf"_s), 1);
    ChiudiPosta(m_globali, m_driver);
    ChiudiPosta(m_globali, m_driver);
    EXPECT_EQ(m_driver.Passi.count(u"chiudi"_s), 1);

    DriverRegistrato rigaComando;
    m_globali.PostaThunderbird = true;
    ApriPosta(m_globali, rigaComando);
    ChiudiPosta(m_globali, rigaComando);
    EXPECT_TRUE(rigaComando.Passi.isEmpty());
    EXPECT_FALSE(m_globali.PostaConnessa);
}

// Records the programs it is asked to start; with `esegui` it also starts them.
class AvviatoreRegistrato final : public Avviatore {
public:
    struct Avvio {
        QString Programma;
        QStringList Argomenti;
        QByteArray Contenuto;
    };
    QList<Avvio> Avvii;
    bool Esegue = false;

    bool Avvia(const QString& programma, const QStringList& argomenti) override
    {
        QFile file(argomenti.value(0));
        Avvii.append(
            {programma, argomenti, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
        return !Esegue || m_sistema.Avvia(programma, argomenti);
    }
    int Esegui(const QString& programma, const QStringList& argomenti, int limiteMs) override
    {
        return m_sistema.Esegui(programma, argomenti, limiteMs);
    }

private:
    AvviatoreSistema m_sistema;
};

class BatchTest : public ::testing::Test {
protected:
    [[nodiscard]] EsecutoreBatch Esecutore(std::chrono::milliseconds limite = LimiteBatch)
    {
        return {m_cartella.Percorso(), m_avviatore, m_dialoghi, limite};
    }

    TempRoot m_cartella;
    AvviatoreRegistrato m_avviatore;
    DialoghiScriptati m_dialoghi;
};

TEST_F(BatchTest, AnEmptySecondLineWritesTwoLines)
{
    const FileBatch file = FileDelLavoro(m_cartella.Percorso(), u"Prova"_s);
    EXPECT_EQ(file.Comandi, m_cartella.File(u"BatchProva.sh"_s));
    EXPECT_EQ(file.Segnale, m_cartella.File(u"BatchProva.sw"_s));
    ASSERT_TRUE(EseguiBatch(Esecutore(), u"echo uno"_s, QString(), u"Prova"_s, true));
    ASSERT_EQ(m_avviatore.Avvii.size(), 1);
    EXPECT_EQ(m_avviatore.Avvii[0].Programma, u"/bin/sh"_s);
    EXPECT_EQ(m_avviatore.Avvii[0].Argomenti, QStringList {file.Comandi});
    const QByteArray atteso = "echo uno\ncp " + QuotaPerShell(file.Comandi).toLocal8Bit() + ' '
        + QuotaPerShell(file.Segnale).toLocal8Bit() + '\n';
    EXPECT_EQ(m_avviatore.Avvii[0].Contenuto, atteso);
    // Not waited for: the batch file stays until the next run of the job.
    EXPECT_TRUE(QFile::exists(file.Comandi));
}

TEST_F(BatchTest, AWaitedJobRunsAndLeavesNoFiles)
{
    m_avviatore.Esegue = true;
    const QString uscita = m_cartella.File(u"uscita 'x'.txt"_s);
    ASSERT_TRUE(EseguiBatch(Esecutore(), u"echo uno > "_s + QuotaPerShell(uscita),
        u"echo due >> "_s + QuotaPerShell(uscita), u"Lavoro"_s, false));
    QFile file(uscita);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "uno\ndue\n");
    const FileBatch batch = FileDelLavoro(m_cartella.Percorso(), u"Lavoro"_s);
    EXPECT_FALSE(QFile::exists(batch.Comandi));
    EXPECT_FALSE(QFile::exists(batch.Segnale));
    EXPECT_GT(m_dialoghi.ChiamateEventi, 0);
    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
}

TEST_F(BatchTest, AJobThatNeverEndsIsGivenUpAtTheLimit)
{
    // Nothing runs the batch file, so its sentinel never comes.
    EXPECT_FALSE(EseguiBatch(
        Esecutore(std::chrono::milliseconds(0)), u"true"_s, QString(), u"Mail"_s, false));
    ASSERT_EQ(m_dialoghi.Registrati.size(), 1);
    EXPECT_TRUE(m_dialoghi.Registrati[0].Testo.contains(u"\"Mail\""_s));
    EXPECT_EQ(m_dialoghi.Registrati[0].Icona, IconaMessaggio::Avviso);
}

} // namespace
