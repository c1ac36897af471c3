// Simple MAPI: a new message with the attachments, sent through the client's own dialog.
#include "sending/DriverPostaWindows.h"

#include "sending/RigheComandoPosta.h"

#include <QByteArray>
#include <QList>

#include <windows.h>

#include <mapi.h>

using namespace Qt::StringLiterals;

namespace {

// A function of the library; the cast passes through the generic function type.
template <typename Funzione> Funzione Trova(HMODULE libreria, const char* nome)
{
    return reinterpret_cast<Funzione>(reinterpret_cast<void (*)()>(GetProcAddress(libreria, nome)));
}

class DriverMapi final : public DriverPosta {
public:
    DriverMapi()
        : m_libreria(LoadLibraryW(L"MAPI32.DLL"))
    {
        if (!m_libreria)
            return;
        m_logon = Trova<LPMAPILOGON>(m_libreria, "MAPILogon");
        m_logoff = Trova<LPMAPILOGOFF>(m_libreria, "MAPILogoff");
        m_invia = Trova<LPMAPISENDMAIL>(m_libreria, "MAPISendMail");
    }
    ~DriverMapi() override
    {
        Chiudi();
        if (m_libreria)
            FreeLibrary(m_libreria);
    }
    DriverMapi(const DriverMapi&) = delete;
    DriverMapi& operator=(const DriverMapi&) = delete;

    void Apri() override
    {
        // No logon dialog and no download of new mail.
        if (m_logon && !m_sessione)
            m_logon(0, nullptr, nullptr, 0, 0, &m_sessione);
    }
    void Chiudi() override
    {
        if (m_logoff && m_sessione)
            m_logoff(m_sessione, 0, 0, 0);
        m_sessione = 0;
    }
    EsitoPosta NuovoMessaggio() override
    {
        if (!m_invia)
            return ErrorePosta {NumeriErrorePosta::ClientNonDisponibile,
                u"Simple MAPI non è disponibile su questa postazione"_s};
        m_percorsi.clear();
        m_nomi.clear();
        return std::nullopt;
    }
    EsitoPosta Allega(const QString& percorso, const Documento& documento) override
    {
        m_percorsi.append(percorso.toLocal8Bit());
        m_nomi.append(NomeAllegatoMapi(documento).toLocal8Bit());
        return std::nullopt;
    }
    EsitoPosta Consegna() override
    {
        QList<MapiFileDesc> allegati(m_percorsi.size());
        for (qsizetype i = 0; i < m_percorsi.size(); ++i) {
            allegati[i] = {};
            allegati[i].nPosition = static_cast<ULONG>(-1);
            allegati[i].lpszPathName = m_percorsi[i].data();
            allegati[i].lpszFileName = m_nomi[i].data();
        }
        MapiMessage messaggio {};
        messaggio.nFileCount = static_cast<ULONG>(allegati.size());
        messaggio.lpFiles = allegati.isEmpty() ? nullptr : allegati.data();
        const ULONG esito = m_invia(m_sessione, 0, &messaggio, MAPI_DIALOG, 0);
        if (esito == SUCCESS_SUCCESS || esito == MAPI_USER_ABORT)
            return std::nullopt;
        return ErrorePosta {static_cast<int>(esito), u"Errore di Simple MAPI"_s};
    }

private:
    HMODULE m_libreria = nullptr;
    LPMAPILOGON m_logon = nullptr;
    LPMAPILOGOFF m_logoff = nullptr;
    LPMAPISENDMAIL m_invia = nullptr;
    LHANDLE m_sessione = 0;
    QList<QByteArray> m_percorsi;
    QList<QByteArray> m_nomi;
};

} // namespace

std::unique_ptr<DriverPosta> CreaDriverMapi()
{
    return std::make_unique<DriverMapi>();
}
