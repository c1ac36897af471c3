#pragma once

#include "orbeni/AmbienteOrbeni.h"
#include "orbeni/Risultati.h"
#include "orbeni/ServiziOrbeni.h"
#include "orbeni/Sessione.h"

#include <QString>
#include <QStringList>

#include <memory>

class CLdapUtil;
class Dialoghi;

// The session globals of the program. One object lives for the whole run; every rule that
// needs the session receives it by reference, so tests build their own.
struct Invexo_Main final {
    // Command line and workstation.
    QString IndirizzoServer;
    QString CodiceAzienda;
    QString CodiceUtente;
    bool ModoDebug = false;
    bool ModoShell = false;
    bool ModoModifica = false;
    QString NomePC;
    bool PostaOutlook = false;
    bool PostaOfficeOutlook = false;
    bool PostaEudora = false;
    bool PostaThunderbird = false;
    bool PostaConnessa = false;

    // The library and what the session loaded from it.
    std::shared_ptr<ServiziOrbeni> Servizi;
    std::shared_ptr<AmbienteOrbeni> Ambiente;
    std::shared_ptr<Sessione> SessioneOrbeni;
    std::shared_ptr<ArchivioSerie> Archivio;
    std::shared_ptr<DocumentiTrovati> Trovati;
    QList<ClientePtr> ClientiSelezionati;
    QStringList FileDaCancellare;

    bool ExportManagerRemoto = false;
    bool ExportModificato = false;
    bool ModoAnnotazione = false;
    QString UtentePdfDraw;
    QString LoginDirectory;
    // The shared directory connection: empty until first use, dropped on a change of view.
    std::shared_ptr<CLdapUtil> ConnessioneLdap;

    // The service options of the series archive; all off before it has been loaded.
    [[nodiscard]] const ArchivioSerie& Opzioni() const;

    // The user id of the session, or empty.
    [[nodiscard]] QString Utente() const
    {
        return SessioneOrbeni ? SessioneOrbeni->Utente.Codice : QString();
    }
};

// Lists a temporary file for deletion at the end of the program, once; an empty path is skipped.
void AggiungiFileDaCancellare(Invexo_Main& globali, const QString& percorso);

// Deletes every listed temporary file, ignoring failures, and empties the list.
void CancellaFileTemporanei(Invexo_Main& globali);
