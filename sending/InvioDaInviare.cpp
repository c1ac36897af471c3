#include "sending/InvioDaInviare.h"

#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "forms/Dialoghi.h"
#include "platform/Orologio.h"
#include "sending/IndirizziInvio.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// The paper entries' documents, once each, in the form the list shows.
QList<DocumentoPtr> DocumentiDaStampare(const QList<CDatiInvioDocumentoCliente>& voci)
{
    QList<DocumentoPtr> documenti;
    QSet<QString> chiavi;
    for (const CDatiInvioDocumentoCliente& voce : voci) {
        if (!voce.DaStampare || !voce.Documento)
            continue;
        const qsizetype prima = chiavi.size();
        chiavi.insert(ChiaveDocumento(*voce.Documento));
        if (chiavi.size() == prima)
            continue;
        voce.Documento->StampaPDF = voce.Documento->Stampa;
        documenti.append(voce.Documento);
    }
    return documenti;
}

} // namespace

QDateTime OraInvioAlMinuto(const QDateTime& adesso)
{
    return QDateTime(adesso.date(), QTime(adesso.time().hour(), adesso.time().minute()));
}

EsitoInvioDaInviare InviaDaInviare(
    ContestoInvio& contesto, const QList<CDatiInvioDocumentoCliente>& voci)
{
    EsitoInvioDaInviare esito;
    // As typed: an empty sender passes.
    if (!IndirizzoEmailValido(contesto.EmailMittente)) {
        contesto.Messaggi.Avviso(
            u"Verificare l' email del mittente"_s, IconaMessaggio::Avviso, u"Errore"_s);
        return esito;
    }
    const QString nome = contesto.NomeMittente.trimmed();
    contesto.Preferenze.Scrivi(ChiaviImpostazioni::NominativoMittenteInvioDoc, nome);
    contesto.Preferenze.Scrivi(ChiaviImpostazioni::MittenteInvioDoc, contesto.EmailMittente);
    const QDateTime oraInvio = OraInvioAlMinuto(contesto.Ora.Adesso());

    esito.Eseguito = true;
    Invexo_Main& globali = contesto.Globali;
    contesto.Finestra.NascondiPrincipale();
    contesto.Finestra.MostraAttesa(u"Invio documenti in corso"_s);

    esito.Spool = ScriviSpoolDocumenti(
        globali, voci, nome, contesto.EmailMittente.trimmed(), QString(), QString(), oraInvio, 3);

    esito.Stampati = DocumentiDaStampare(voci);
    if (!esito.Stampati.isEmpty() && globali.Servizi) {
        esito.FileStampa = globali.Servizi->StampaDocumenti(
            globali.IndirizzoServer, globali.CodiceAzienda, esito.Stampati, true);
        AggiungiFileDaCancellare(globali, esito.FileStampa);
        globali.Servizi->RegistraDocumenti(globali.IndirizzoServer, globali.CodiceAzienda,
            esito.Stampati, globali.Utente(), false);
    }

    contesto.Finestra.ChiudiAttesa();
    contesto.Finestra.MostraPrincipale();
    contesto.Finestra.CercaDaInviare();
    return esito;
}
