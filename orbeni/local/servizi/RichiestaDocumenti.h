#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// A "DOCUMENTI" search of the document view or of the to-send view, read from its array.
struct RichiestaDocumenti final {
    QString Azienda;
    QStringList Clienti;
    QString Serie;
    std::optional<qint64> Numero;
    std::optional<int> Anno;
    QDate DataDa;
    QDate DataA;
    QString Etichetta;
    QStringList Codici;
    QString Utente;
    // The document types the label and category ask for; empty for every type.
    QStringList Tipi;
    // Only documents neither sent nor set aside nor handed over ("DA INVIARE").
    bool SoloDaInviare = false;
};

// Reads the array at the indices the client writes: customers 4 to 12 and 28 to 57, series 22,
// number 23, year 24, period 25 and 26 ("yyyyMMdd"), label 27, codes list 90, category 94,
// user 96. Nothing, with the reason, for values the search cannot mean, and for the searches
// of other views (privacy, export) that this one does not answer.
[[nodiscard]] std::optional<RichiestaDocumenti> LeggiRichiestaDocumenti(
    const QStringList& richiesta, QString& errore);
