#pragma once

#include <QString>
#include <QStringList>

// The jobs of the export manager ("EXPMAN") and of the bank service ("CREDEM").
enum class ComandoExpman { CreazioneFile, AnnullaEstratti, AnnullaClienti, RendiInviato };
enum class ComandoCredem { CreazioneFile, AnnullaInvio };

// The command word at index 1: "CREAZIONEFILE", "ANNULLAESTRATTI", ...
[[nodiscard]] QString NomeComando(ComandoExpman comando);
[[nodiscard]] QString NomeComando(ComandoCredem comando);

// Exemption declarations file ("VBESEN"): the period code (last two digits of the year, then the
// month, e.g. "0504") and the transmitter's tax code.
[[nodiscard]] QStringList RichiestaFileEsenzioni(
    const QString& azienda, const QString& codicePeriodo, const QString& codiceFiscale);

// Customer/supplier lists file ("VBELEN") for the year given as text (e.g. "2006"): the first and
// last day as YYMMDD, the transmitter's tax code and the CAF registration number.
[[nodiscard]] QStringList RichiestaFileElenchi(const QString& azienda, const QString& anno,
    const QString& codiceFiscale, const QString& numeroCaf);

// An export job on the server path of its job file.
[[nodiscard]] QStringList RichiestaExpman(
    const QString& azienda, ComandoExpman comando, const QString& percorsoLavoro);

// A Credemtel job on the server path of its job file; the job writes its output to the base path.
[[nodiscard]] QStringList RichiestaCredem(const QString& azienda, ComandoCredem comando,
    const QString& percorsoLavoro, const QString& percorsoUscita);
