#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Files and folders that must appear only once the store has committed what they stand for.
// Each is written under a hidden temporary name next to its final place; Pubblica renames
// them into place, and anything not published is removed when the object goes.
class PubblicazioneDifferita final {
public:
    PubblicazioneDifferita() = default;
    ~PubblicazioneDifferita();
    PubblicazioneDifferita(const PubblicazioneDifferita&) = delete;
    PubblicazioneDifferita& operator=(const PubblicazioneDifferita&) = delete;

    // Writes the file's content under its temporary name. The final path must be free.
    bool File(const QString& destinazione, const QByteArray& contenuto, QString& errore);
    // Creates the temporary folder to be filled and returns its path, or empty.
    [[nodiscard]] QString Cartella(const QString& destinazione, QString& errore);

    // Moves everything into place; false with the first path that could not be moved.
    bool Pubblica(QString& errore);
    // Removes what was not published.
    void Annulla();

private:
    struct Voce final {
        QString Temporaneo;
        QString Destinazione;
        bool Cartella = false;
    };
    [[nodiscard]] static QString NomeTemporaneo(const QString& destinazione);
    bool Libera(const QString& destinazione, QString& errore) const;

    QList<Voce> m_voci;
};
