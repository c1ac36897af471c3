#include "app/IstanzaUnica.h"

#include <QCoreApplication>
#include <QFuture>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The sender waits for the answer, so it runs on its own thread while this one serves.
bool InviaDaAltroThread(const QString& argomento, const QString& comando)
{
    bool risultato = false;
    QThread* mittente
        = QThread::create([&] { risultato = IstanzaUnica::Invia(argomento, comando); });
    mittente->start();
    while (!mittente->isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    mittente->wait();
    delete mittente;
    return risultato;
}

TEST(IstanzaUnica, TopicIsTheCompanyOnlyInShellMode)
{
    EXPECT_EQ(IstanzaUnica::Argomento(u"01"_s, true), u"01"_s);
    const QString privato = IstanzaUnica::Argomento(u"01"_s, false);
    EXPECT_TRUE(privato.startsWith(u"01 "_s));
    EXPECT_EQ(IstanzaUnica::NomeCanale(u"01"_s), u"Invexo|01"_s);
}

TEST(IstanzaUnica, CommandsAreCaseInsensitiveAndOthersAreAccepted)
{
    const QString argomento = u"T1 "_s + QString::number(QCoreApplication::applicationPid());
    IstanzaUnica istanza;
    ASSERT_TRUE(istanza.Ascolta(argomento));
    int mostra = 0;
    int chiudi = 0;
    QObject::connect(&istanza, &IstanzaUnica::Mostra, [&] { ++mostra; });
    QObject::connect(&istanza, &IstanzaUnica::Chiudi, [&] { ++chiudi; });

    EXPECT_TRUE(InviaDaAltroThread(argomento, u"show"_s));
    EXPECT_TRUE(InviaDaAltroThread(argomento, u"Close"_s));
    EXPECT_TRUE(InviaDaAltroThread(argomento, u"RELOAD"_s));
    QCoreApplication::processEvents();
    EXPECT_EQ(mostra, 1);
    EXPECT_EQ(chiudi, 1);
}

TEST(IstanzaUnica, NobodyListeningMeansThisIsTheOnlyInstance)
{
    EXPECT_FALSE(IstanzaUnica::Invia(
        u"nessuno-"_s + QString::number(QCoreApplication::applicationPid()), u"show"_s, 300));
}

} // namespace
