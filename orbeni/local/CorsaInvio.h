#pragma once

#include "orbeni/local/AllegatiSpool.h"
#include "orbeni/local/ArchivioInvii.h"
#include "orbeni/local/PubblicazioneDifferita.h"
#include "orbeni/local/SpoolLetto.h"
#include "orbeni/local/servizi/ContestoServizio.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Who asked for the run.
struct MandanteInvio final {
    QString Azienda;
    QString NomePC;
    QString Utente;
};

// One spool run inside the caller's store transaction: each recipient in turn writes its
// records and stages its message or fax job; Pubblica moves them into place after the commit.
class CorsaInvio final {
public:
    CorsaInvio(const ContestoServizio& contesto, MandanteInvio mandante, QByteArray copertina);

    // The recipient with the attachments records of its sequence number.
    bool Elabora(const DestinatarioSpool& destinatario, const QList<const AllegatoSpool*>& allegati,
        QString& errore);
    bool Pubblica(QString& errore) { return m_pubblicazione.Pubblica(errore); }
    void Annulla() { m_pubblicazione.Annulla(); }

private:
    bool CambiaStatoInformative(const DestinatarioSpool& destinatario,
        const QList<const AllegatoSpool*>& allegati, QString& errore);
    bool Invia(const DestinatarioSpool& destinatario, const QList<const AllegatoSpool*>& allegati,
        QString& errore);
    [[nodiscard]] Spedizione DatiSpedizione(const DestinatarioSpool& destinatario,
        const QList<FileAllegato>& file, bool email, bool numeroValido,
        const QString& estremi) const;
    // Stages the message; its outbox path relative to the root, or nothing.
    std::optional<QString> Email(const DestinatarioSpool& destinatario,
        const QStringList& indirizzi, const QList<FileAllegato>& file, qint64 idSpedizione,
        QString& errore);
    // Stages the job and writes its row; its server folder, or nothing.
    std::optional<QString> Fax(const DestinatarioSpool& destinatario,
        const QList<FileAllegato>& file, bool numeroValido, QString& errore);
    // The records that the send went out: documents, notices, export letters.
    bool RegistraEsito(const QList<FileAllegato>& file, const QString& modo, const QString& estremi,
        const DestinatarioSpool& destinatario, bool riuscito, qint64 idSpedizione, QString& errore);
    bool AggiornaRubricaCliente(
        const DestinatarioSpool& destinatario, bool conCodiceExport, QString& errore);
    [[nodiscard]] std::optional<QString> MittenteEmail(const DestinatarioSpool& destinatario) const;

    const ContestoServizio& m_contesto;
    MandanteInvio m_mandante;
    QByteArray m_copertina;
    QDateTime m_adesso;
    PubblicazioneDifferita m_pubblicazione;
    std::optional<qint64> m_prossimoLavoro;
};
