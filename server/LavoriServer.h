#pragma once

#include "forms/Dialoghi.h"
#include "orbeni/ServiziOrbeni.h"
#include "server/EsitiLavoro.h"
#include "server/RichiesteLavori.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a remote job needs of the session.
struct ContestoLavoro final {
    ServiziOrbeni& servizi;
    QString host; // IndirizzoServer
    QString azienda; // CodiceAzienda
    QString cartellaLavoro; // CartellaLavoro of the library's environment
    QStringList& fileDaCancellare; // FileDaCancellare of the session
    Dialoghi& dialoghi;
};

// The whole remote jobs: job file sent (when the job has one), request made, server job file
// removed, outcome shown. A job file that could not be sent is not run: its outcome is
// reported as a job without an answer.

// EXPMAN on the job file "export" + token holding the records; Messaggio when OK, else empty.
QString EseguiExpman(ContestoLavoro& contesto, ComandoExpman comando, const QString& token,
    const QByteArray& record);

struct EsitoCredemtel final {
    QString percorsoUscita; // "/usr/tmp/credem" + token, whatever the outcome
    StatoEsito stato = StatoEsito::Vuoto;
};

// CREDEM on the job file "credem" + token holding the records.
EsitoCredemtel EseguiCredem(ContestoLavoro& contesto, ComandoCredem comando, const QString& token,
    const QByteArray& record);

// VBESEN for a period code and tax code; the server writes its two fixed files.
void EseguiEsenzioni(
    ContestoLavoro& contesto, const QString& codicePeriodo, const QString& codiceFiscale);

// VBELEN for a year; the name of the control print when OK, else empty.
QString EseguiElenchi(ContestoLavoro& contesto, const QString& anno, const QString& codiceFiscale,
    const QString& numeroCaf);
