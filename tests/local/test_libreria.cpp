#include "orbeni/local/CreaLibreria.h"
#include "orbeni/local/Migrazioni.h"
#include "orbeni/local/PopolaArchivio.h"
#include "tests/local/RadiceDiProva.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<manca>");
}

TEST(CreaLibreria, UnIndirizzoRemotoNonRisponde)
{
    TempRoot temp;
    DialoghiScriptati dialoghi;
    const auto libreria = CreaLibreria(u"srv-orbeni.example"_s, dialoghi, temp.Percorso());
    ASSERT_TRUE(libreria && libreria->Servizi && libreria->Ambiente);
    QString utente;
    QString password;
    EXPECT_FALSE(libreria->Servizi->Autentica(u"01"_s, u"srv-orbeni.example"_s, utente, password));
    EXPECT_TRUE(libreria->Servizi->UltimoErrore().contains(u"srv-orbeni.example"_s));
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());
    ArchivioSerie archivio;
    EXPECT_FALSE(libreria->Servizi->Richiesta(
        u"srv-orbeni.example"_s, u"DOCUME"_s, QStringList(111), archivio));
    EXPECT_FALSE(libreria->Servizi->ComandoRemoto(u"srv-orbeni.example"_s, u"rm -f /tmp/a"_s));
    EXPECT_TRUE(
        libreria->Servizi->CopiaDalServer(u"x"_s, u"/tmp/a"_s, temp.File(u"a"_s)).isEmpty());
    EXPECT_FALSE(QDir(temp.Percorso() + u"/server"_s).exists());
}

TEST(CreaLibreria, LocalConCartellaTieneTuttoInQuellaCartella)
{
    TempRoot temp;
    DialoghiScriptati dialoghi;
    const QString radice = temp.File(u"radice"_s);
    {
        RadiceServer server(radice);
        ArchivioLocale archivio(server.FileArchivio());
        PopolaArchivio dati(archivio, server);
        ASSERT_TRUE(dati.Azienda(u"01"_s, u"Prova"_s));
    }
    const auto libreria = CreaLibreria(u"local:"_s + radice, dialoghi, temp.File(u"altrove"_s));
    AmbienteOrbeni& ambiente = *libreria->Ambiente;
    EXPECT_EQ(ambiente.CartellaLavoro(), radice + u"/workstation/lavoro"_s);
    EXPECT_TRUE(QDir(ambiente.CartellaLavoro()).exists());
    EXPECT_EQ(ambiente.CartellaConfigurazione(u"Logo"_s), radice + u"/workstation/config/Logo"_s);
    EXPECT_TRUE(ambiente.CartellaPostazione(u"../PC1"_s).startsWith(radice + u"/workstation/"_s));
    EXPECT_FALSE(ambiente.CartellaLavoro().endsWith(u'/'));
    EXPECT_FALSE(QDir(temp.File(u"altrove"_s)).exists());
    EXPECT_TRUE(libreria->Servizi->UltimoErrore().isEmpty());

    auto sessione = ambiente.ApriSessione();
    ASSERT_TRUE(sessione);
    EXPECT_EQ(ambiente.ApriAzienda(u"01"_s, true, {}, {}).Codice, u"01"_s);
    ambiente.ChiudiSessione(*sessione);
    EXPECT_FALSE(sessione->Aperta());
}

TEST(CreaLibreria, LocalUsaLaCartellaDeiDatiESeminaLaDemo)
{
    TempRoot temp;
    DialoghiScriptati dialoghi;
    const auto libreria = CreaLibreria(u"local"_s, dialoghi, temp.Percorso());
    EXPECT_EQ(libreria->Ambiente->CartellaLavoro(), temp.Percorso() + u"/lavoro"_s);
    EXPECT_TRUE(QFile::exists(temp.Percorso() + u"/server/invexo.sqlite"_s));
    dialoghi.RisposteCredenziali.enqueue(Credenziali {u"demo"_s, u"demo"_s});
    QString utente;
    QString password;
    EXPECT_TRUE(libreria->Servizi->Autentica(u"01"_s, u"local"_s, utente, password))
        << libreria->Servizi->UltimoErrore().toStdString();
}

TEST(ServerLocale, CopieNeiDueSensiByteAByte)
{
    RadiceDiProva radice(false);
    ServerLocale& server = radice.Server();
    static const char grezzi[] = "riga uno\r\nriga due\x00\xff fine";
    const QByteArray dati(grezzi, sizeof grezzi - 1);
    const QString locale = radice.Ambiente().CartellaLavoro() + u"/export0123"_s;
    {
        QFile file(locale);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(dati);
    }
    ASSERT_TRUE(server.CopiaSulServer(u"local"_s, locale, u"/tmp/export0123x"_s))
        << server.UltimoErrore().toStdString();
    EXPECT_EQ(Contenuto(radice.Radice() + u"/tmp/export0123x"_s), dati);
    EXPECT_TRUE(server.PreparaFileTesto(u"local"_s, u"/tmp/export0123x"_s));

    const QString ritorno = radice.Ambiente().CartellaLavoro() + u"/ritorno"_s;
    EXPECT_EQ(server.CopiaDalServer(u"local"_s, u"/tmp/export0123x"_s, ritorno), ritorno);
    EXPECT_EQ(Contenuto(ritorno), dati);

    EXPECT_TRUE(server.CopiaDalServer(u"local"_s, u"/tmp/manca"_s, ritorno).isEmpty());
    EXPECT_FALSE(server.UltimoErrore().isEmpty());
    EXPECT_EQ(Contenuto(ritorno), dati);
    EXPECT_FALSE(server.PreparaFileTesto(u"local"_s, u"/tmp/manca"_s));
    EXPECT_FALSE(server.CopiaSulServer(u"local"_s, locale, u"/tmp/../fuori"_s));
    EXPECT_FALSE(server.CopiaSulServer(u"local"_s, locale + u"manca"_s, u"/tmp/y"_s));
    EXPECT_FALSE(server.CopiaSulServer(u"local"_s, locale, u"/tmp/nessuna/cartella"_s));
}

TEST(ServerLocale, LeMigrazioniGiranoUnaVoltaERiaprireTieneIDati)
{
    RadiceDiProva radice(false);
    const QString cartella = radice.Radice();
    {
        PopolaArchivio dati(radice.Server().Archivio(), radice.Server().Radice());
        ASSERT_TRUE(dati.Azienda(u"07"_s, u"Riapertura s.n.c."_s));
    }
    const int versione = int(MigrazioniSchema().size());
    EXPECT_EQ(radice.Server().Archivio().VersioneSchema(), versione);

    DialoghiScriptati dialoghi;
    ServerLocale riaperto(cartella, std::make_shared<AmbienteLocale>(cartella + u"/p"_s), dialoghi);
    ASSERT_TRUE(riaperto.Pronto()) << riaperto.UltimoErrore().toStdString();
    EXPECT_EQ(riaperto.Archivio().VersioneSchema(), versione);
    QSqlQuery query(riaperto.Archivio().Database());
    ASSERT_TRUE(query.exec(u"SELECT COUNT(*) FROM schema_version"_s) && query.next());
    EXPECT_EQ(query.value(0).toInt(), versione);
    ASSERT_TRUE(query.exec(u"SELECT Codice FROM aziende"_s) && query.next());
    EXPECT_EQ(query.value(0).toString(), u"07"_s);
    EXPECT_FALSE(query.next()) << "a root with data is not seeded again";
}

TEST(ServerLocale, UnaRadiceImpossibileRendeOgniOperazioneUnErrore)
{
    TempRoot temp;
    QFile ostacolo(temp.File(u"file"_s));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly));
    ostacolo.close();
    DialoghiScriptati dialoghi;
    ServerLocale server(
        temp.File(u"file/server"_s), std::make_shared<AmbienteLocale>(temp.File(u"p"_s)), dialoghi);
    EXPECT_FALSE(server.Pronto());
    EXPECT_FALSE(server.ComandoRemoto(u"local"_s, u"mkdir /tmp/a"_s));
    EXPECT_FALSE(server.UltimoErrore().isEmpty());
    QString utente;
    QString password;
    EXPECT_FALSE(server.Autentica(u"01"_s, u"local"_s, utente, password));
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());
}

TEST(ServerLocale, ComandoRifiutatoLoDiceNellUltimoErrore)
{
    RadiceDiProva radice(false);
    EXPECT_FALSE(radice.Server().ComandoRemoto(u"local"_s, u"rm -f /tmp/a; reboot"_s));
    EXPECT_TRUE(radice.Server().UltimoErrore().contains(u"rm -f /tmp/a; reboot"_s));
    EXPECT_TRUE(radice.Server().ComandoRemoto(u"local"_s, u"mkdir -p /tmp/a"_s));
    EXPECT_TRUE(radice.Server().UltimoErrore().isEmpty());
}

} // namespace
