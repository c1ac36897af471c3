#pragma once

#include "contacts/CLdapUtil.h"
#include "contacts/CampiContatto.h"
#include "contacts/InvioAggiornamento.h"
#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"

#include <QObject>
#include <QString>

class Dialoghi;
struct Invexo_Main;

// The contact editor's rules, below its window: finds the one contact of the customer for the
// document's kind, holds the fields, checks and posts them. FormRubricaClienteLDAP shows it.
class EditorRubricaCliente final : public QObject {
    Q_OBJECT

public:
    EditorRubricaCliente(Invexo_Main& globali, Dialoghi& dialoghi, AccessoLdap accesso,
        TempiAggiornamento tempi = {}, QObject* genitore = nullptr);

    // The steps of AggiornaDatiRubricaCliente before the window shows: false when the editor
    // does not open (nothing to edit, no directory, or several contacts for the kind).
    bool Apri(const ClientePtr& cliente, const DocumentoPtr& documento);

    [[nodiscard]] const CampiContatto& Campi() const { return m_campi; }
    [[nodiscard]] const IntestazioneContatto& Intestazione() const { return m_intestazione; }
    [[nodiscard]] QString CodiceCliente() const;
    [[nodiscard]] QString Sigla() const;
    // The value of AggiornaDatiRubricaCliente.
    [[nodiscard]] bool Confermato() const { return m_confermato; }

    // Click of Pic_Conferma with the fields as typed: false when a rule refused them (its
    // message shown), else the customer's addresses are written and the post is under way.
    bool Conferma(const CampiContatto& campi);
    // Click of Pic_Chiudi: not confirmed; the request under way is cancelled.
    void Chiudi();
    // The window closes by any means: the request under way is cancelled.
    void Annulla() { m_invio.Annulla(); }
    [[nodiscard]] bool InvioInCorso() const { return m_invio.InCorso(); }

Q_SIGNALS:
    // The window is to close (the service confirmed, or it did not answer in time).
    void Chiusura();

private:
    [[nodiscard]] QString CodiceDirectory() const;

    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    AccessoLdap m_accesso;
    InvioAggiornamento m_invio;
    ClientePtr m_cliente;
    DocumentoPtr m_documento;
    QString m_hostServizio;
    CampiContatto m_campi;
    IntestazioneContatto m_intestazione;
    bool m_confermato = false;
};
