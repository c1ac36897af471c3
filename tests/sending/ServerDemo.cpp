#include "tests/sending/ServerDemo.h"

#include "server/Richieste.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

using namespace Qt::StringLiterals;

ServerDemo::ServerDemo()
    : Ora(QDateTime(QDate(2025, 6, 16), QTime(9, 30, 25)))
    , Ambiente(std::make_shared<AmbienteLocale>(Temp.File(u"postazione"_s)))
    , Server(std::make_shared<ServerLocale>(
          Temp.File(u"server"_s), Ambiente, Dialoghi, OpzioniServerLocale {true, &Ora}))
{
    Sessione.IndirizzoServer = u"local"_s;
    Sessione.CodiceAzienda = u"01"_s;
    Sessione.NomePC = u"PC01"_s;
    Sessione.Servizi = Server;
    Sessione.Ambiente = Ambiente;
    Sessione.SessioneOrbeni = std::make_shared<::Sessione>();
    Sessione.SessioneOrbeni->Utente.Codice = u"demo"_s;
    Sessione.Archivio = std::make_shared<ArchivioSerie>();
    m_pronto = Server->Pronto()
        && Server->Richiesta(u"local"_s, u"DOCUME"_s, RichiestaArchivioSerie(u"01"_s, u"demo"_s),
            *Sessione.Archivio);
}

qint64 ServerDemo::Conta(const QString& sql) const
{
    QSqlQuery query(Server->Archivio().Database());
    return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
}

ProgrammiRegistratori::ProgrammiRegistratori(const QStringList& nomi)
    : m_path(qgetenv("PATH"))
{
    for (const QString& nome : nomi) {
        QFile file(m_cartella.File(nome));
        if (!file.open(QIODevice::WriteOnly))
            continue;
        // Written under a temporary name first, so a reader never finds half the list.
        file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    qputenv("PATH", m_cartella.Percorso().toLocal8Bit() + ':' + m_path);
}

ProgrammiRegistratori::~ProgrammiRegistratori()
{
    qputenv("PATH", m_path);
}

QStringList ProgrammiRegistratori::Argomenti(const QString& nome, bool attendi) const
{
    QFile file(m_cartella.File(nome + u".args"_s));
    const QDeadlineTimer scadenza(attendi ? 20000 : 0);
    while (!file.exists() && !scadenza.hasExpired())
        QThread::msleep(20);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
