#pragma once

#include "orbeni/local/SpoolLetto.h"
#include "orbeni/local/servizi/ContestoServizio.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What an attachments record stands for, ready to travel: a document's PDF, the company's
// notice made out to the recipient, or a file the workstation uploaded to the fax area.
struct FileAllegato final {
    QString Operazione;
    QString NomeFile; // plain ASCII
    QByteArray TipoMime;
    QByteArray Dati;
    // Documents only: the stored document and its customer.
    std::optional<qint64> IdServer;
    // The subject the attachment concerns (document customer, notice subject), or empty.
    QString CodiceAnagrafica;
};

// The workstation's fax area, where InviaFax puts the files a fax job attaches.
[[nodiscard]] QString AreaFaxPostazione(const QString& nomePC);

// Resolves one record for the recipient; nothing with the reason when the document, subject or
// file does not exist. Makes a document's PDF when the store has none yet. Uploaded files are
// taken only from the workstation's own fax area.
[[nodiscard]] std::optional<FileAllegato> PreparaAllegato(const ContestoServizio& contesto,
    const QString& azienda, const QString& nomePC, const AllegatoSpool& allegato,
    const DestinatarioSpool& destinatario, QString& errore);
