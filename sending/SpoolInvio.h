#pragma once

#include "sending/RecordSpool.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The spool files of one send run, built in memory and written together: each file goes to a
// temporary name in the same folder and is renamed into place, so the server never finds a
// half-written file, and a run that fails leaves none of its files behind.
class SpoolInvio final {
public:
    void RiservaDestinatari(qsizetype record);
    void AggiungiDestinatario(const RecordDestinatario& record);
    void AggiungiAllegato(const RecordAllegato& record);
    // The cover text, wrapped; without a call the run writes no cover text file.
    void ImpostaTestoCopertina(const QString& testo);

    [[nodiscard]] const QByteArray& Destinatari() const { return m_destinatari; }
    [[nodiscard]] const QByteArray& Allegati() const { return m_allegati; }
    [[nodiscard]] const std::optional<QByteArray>& TestoCopertina() const { return m_copertina; }

    // Writes the files into the folder, named by their prefix and the workstation name.
    // The paths written, or nothing with the reason in `errore`.
    [[nodiscard]] std::optional<QStringList> Scrivi(
        const QString& cartella, const QString& nomePC, QString& errore) const;

private:
    QByteArray m_destinatari;
    QByteArray m_allegati;
    std::optional<QByteArray> m_copertina;
};
