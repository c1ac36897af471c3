#include "orbeni/local/InvioSpool.h"

#include "orbeni/local/CorsaInvio.h"
#include "orbeni/local/SpoolLetto.h"

#include <QHash>
#include <QSqlError>

using namespace Qt::StringLiterals;

namespace {

using AllegatiPerProgressivo = QHash<QString, QList<const AllegatoSpool*>>;

// Every attachment belongs to a recipient with its sequence number.
std::optional<AllegatiPerProgressivo> Abbina(const SpoolLetto& spool, QString& errore)
{
    AllegatiPerProgressivo gruppi;
    for (const DestinatarioSpool& destinatario : spool.Destinatari)
        gruppi.insert(destinatario.Progressivo, {});
    for (const AllegatoSpool& allegato : spool.Allegati) {
        const auto gruppo = gruppi.find(allegato.Progressivo);
        if (gruppo == gruppi.end()) {
            errore = u"L'allegato "_s + QString::number(allegato.Posizione)
                + u" ha il numero progressivo "_s + allegato.Progressivo
                + u", che nessun destinatario ha"_s;
            return std::nullopt;
        }
        gruppo->append(&allegato);
    }
    return gruppi;
}

} // namespace

bool ElaboraSpoolInvio(ContestoServizio& contesto, const QString& cartellaLavoro,
    const QString& azienda, const QString& nomePC, const QString& utente, QString& errore)
{
    if (!RadiceServer::NomeSemplice(nomePC)) {
        errore = u"Nome della postazione non valido: "_s + nomePC;
        return false;
    }
    const auto spool = LeggiSpool(cartellaLavoro, nomePC, errore);
    const auto gruppi = spool ? Abbina(*spool, errore) : std::nullopt;
    if (!gruppi)
        return false;
    if (spool->Destinatari.isEmpty())
        return true;

    QSqlDatabase db = contesto.Archivio.Database();
    if (!db.transaction()) {
        errore = db.lastError().text();
        return false;
    }
    CorsaInvio corsa(contesto, {azienda, nomePC, utente}, spool->Copertina);
    for (const DestinatarioSpool& destinatario : spool->Destinatari) {
        if (!corsa.Elabora(destinatario, gruppi->value(destinatario.Progressivo), errore)) {
            db.rollback();
            corsa.Annulla();
            errore = u"Invio non eseguito: destinatario "_s
                + QString::number(destinatario.Posizione) + u" ("_s + destinatario.Nominativo
                + u"): "_s + errore;
            return false;
        }
    }
    if (!db.commit()) {
        errore = u"Invio non eseguito: "_s + db.lastError().text();
        db.rollback();
        corsa.Annulla();
        return false;
    }
    if (!corsa.Pubblica(errore)) {
        errore = u"Invio registrato, ma "_s + errore;
        return false;
    }
    return true;
}
