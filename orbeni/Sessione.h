#pragma once

#include <QString>

struct UtenteSessione final {
    QString Codice;
    QString Password;
    QString CodiceDirectory;
};

// The company context a session works in.
struct ContestoAzienda final {
    QString Codice;
    bool ModoShell = false;
};

// The library's session: user, company and the single-instance topic.
class Sessione final {
public:
    // The directory knows the company by its own code unless told otherwise.
    void ImpostaAzienda(const ContestoAzienda& contesto)
    {
        m_azienda = contesto;
        if (Utente.CodiceDirectory.isEmpty())
            Utente.CodiceDirectory = contesto.Codice;
    }
    void ImpostaArgomentoDde(const QString& argomento) { m_argomentoDde = argomento; }
    [[nodiscard]] const ContestoAzienda& Azienda() const { return m_azienda; }
    [[nodiscard]] const QString& ArgomentoDde() const { return m_argomentoDde; }
    [[nodiscard]] bool Aperta() const { return m_aperta; }
    void Chiudi() { m_aperta = false; }

    UtenteSessione Utente;

private:
    ContestoAzienda m_azienda;
    QString m_argomentoDde;
    bool m_aperta = true;
};
