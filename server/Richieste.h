#pragma once

#include "orbeni/Cliente.h"
#include "server/CriteriRicerca.h"

#include <QList>
#include <QString>
#include <QStringList>

// The request arrays of the documents service ("DOCUME") and of the customer-name search
// ("NOMECL"). Each builder takes the values its request carries and returns the whole array;
// `utente` is the session user's id.

// Start-up: document types, series and service options (ArchivioSerie).
[[nodiscard]] QStringList RichiestaArchivioSerie(const QString& azienda, const QString& utente);

// Document search and to-send search (DocumentiTrovati).
[[nodiscard]] QStringList RichiestaCercaDocumenti(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const CriteriRicercaDocumenti& criteri);

// Customer search by code or beginning of the name, on "NOMECL" (ElencoClienti).
[[nodiscard]] QStringList RichiestaCercaNominativi(
    const QString& azienda, const QString& testo, bool iniziale);

// Privacy notices to send or sent (DocumentiTrovati).
[[nodiscard]] QStringList RichiestaInformative(
    const QString& azienda, const QString& utente, const PeriodoElenco& elenco);

// Export documents to extract for a country (DocumentiTrovati).
[[nodiscard]] QStringList RichiestaDocumentiEstrazione(const QString& azienda,
    const QString& utente, const QList<ClientePtr>& clienti, const QString& codicePaese,
    const PeriodoElenco& elenco);

// Export documents already extracted (DocumentiTrovati).
[[nodiscard]] QStringList RichiestaDocumentiEstratti(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const PeriodoElenco& elenco);

// Customers already sent the export letter (DocumentiTrovati).
[[nodiscard]] QStringList RichiestaClientiInviati(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const PeriodoElenco& elenco);

// Export notices: the customers of the countries listed in the uploaded countries file,
// named by its job token (DocumentiTrovati).
[[nodiscard]] QStringList RichiestaClientiExport(const QString& azienda, const QString& utente,
    const QString& tokenPaesi, const PeriodoElenco& elenco);

// Export countries (ElencoPaesi) and banks (ElencoBanche).
[[nodiscard]] QStringList RichiestaPaesi(const QString& azienda, const PeriodoElenco& elenco);
[[nodiscard]] QStringList RichiestaBanche(const QString& azienda, const PeriodoElenco& elenco);

// Fax address books (RubricheFax) and the entries of one (RubricaFax).
[[nodiscard]] QStringList RichiestaRubricheFax(const QString& azienda, const QString& utente);
[[nodiscard]] QStringList RichiestaRubricaFax(
    const QString& azienda, const QString& utente, const ChiaviRubricaFax& chiavi);
