// Two real processes of the program for one company, with and without the shell flag.
#include "app/IstanzaUnica.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Attesa = 30000;

class DueIstanze : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariable("INVEXO_EXE").isEmpty());
        const QString configurazione = m_casa.filePath(u".config/Quorvanel s.r.l."_s);
        QDir().mkpath(configurazione);
        QFile impostazioni(configurazione + u"/Invexo.ini"_s);
        ASSERT_TRUE(impostazioni.open(QIODevice::WriteOnly));
        impostazioni.write(
            "[General]\nCLIENTMAIL=Mozilla Thunderbird\n\n[NOMEPC]\nNOMECOMPUTER=PC001\n");
        // A company code of this test run only, so that no other instance answers.
        m_azienda = u"T"_s + QString::number(QCoreApplication::applicationPid());
    }

    std::unique_ptr<QProcess> Avvia(bool shell)
    {
        auto processo = std::make_unique<QProcess>();
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(u"HOME"_s, m_casa.path());
        ambiente.insert(u"XDG_CONFIG_HOME"_s, m_casa.filePath(u".config"_s));
        ambiente.insert(u"XDG_DATA_HOME"_s, m_casa.filePath(u".local/share"_s));
        ambiente.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        ambiente.insert(u"INVEXO_REGISTRY_INI"_s, m_casa.filePath(u"nessuno.ini"_s));
        processo->setProcessEnvironment(ambiente);
        QStringList argomenti {u"-H"_s, u"local:"_s + m_casa.filePath(u"server"_s), u"-C"_s,
            m_azienda, u"-USERID"_s, u"demo"_s};
        if (shell)
            argomenti.append(u"-SHELL"_s);
        processo->start(qEnvironmentVariable("INVEXO_EXE"), argomenti);
        processo->waitForStarted(Attesa);
        return processo;
    }

    // Waits until an instance answers on the topic; an ignored command is the probe.
    static bool Risponde(const QString& argomento)
    {
        const QDeadlineTimer scadenza(Attesa);
        while (!scadenza.hasExpired()) {
            if (IstanzaUnica::Invia(argomento, u"PING"_s, 500))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QTemporaryDir m_casa;
    QString m_azienda;
};

TEST_F(DueIstanze, WithTheShellTheSecondShowsTheFirstAndEnds)
{
    auto prima = Avvia(true);
    ASSERT_TRUE(Risponde(m_azienda)) << prima->readAllStandardError().toStdString();

    auto seconda = Avvia(true);
    ASSERT_TRUE(seconda->waitForFinished(Attesa));
    EXPECT_EQ(seconda->exitCode(), 0);
    EXPECT_EQ(prima->state(), QProcess::Running);

    EXPECT_TRUE(IstanzaUnica::Invia(m_azienda, u"CLOSE"_s));
    EXPECT_TRUE(prima->waitForFinished(Attesa));
}

TEST_F(DueIstanze, WithoutTheShellBothRunSideBySide)
{
    auto prima = Avvia(false);
    const QString argomentoPrima = m_azienda + u" "_s + QString::number(prima->processId());
    ASSERT_TRUE(Risponde(argomentoPrima)) << prima->readAllStandardError().toStdString();
    EXPECT_FALSE(IstanzaUnica::Invia(m_azienda, u"PING"_s, 300))
        << "an instance without the shell flag cannot be reached by the company alone";

    auto seconda = Avvia(false);
    const QString argomentoSeconda = m_azienda + u" "_s + QString::number(seconda->processId());
    ASSERT_TRUE(Risponde(argomentoSeconda));
    EXPECT_EQ(prima->state(), QProcess::Running);

    EXPECT_TRUE(IstanzaUnica::Invia(argomentoPrima, u"close"_s));
    EXPECT_TRUE(IstanzaUnica::Invia(argomentoSeconda, u"close"_s));
    EXPECT_TRUE(prima->waitForFinished(Attesa));
    EXPECT_TRUE(seconda->waitForFinished(Attesa));
}

} // namespace
