// Outlook and Eudora through their automation objects (ActiveQt).
#include "sending/DriverPostaWindows.h"

#include "sending/RigheComandoPosta.h"

#include <QAxObject>

using namespace Qt::StringLiterals;

namespace {

// The last exception an automation object raised, as the mailing reports it.
class ErroriAutomazione final {
public:
    void Segui(QAxObject* oggetto)
    {
        QObject::connect(oggetto, &QAxObject::exception, oggetto,
            [this](int codice, const QString&, const QString& descrizione, const QString&) {
                m_errore = ErrorePosta {codice, descrizione};
            });
    }
    void Azzera() { m_errore.reset(); }
    [[nodiscard]] EsitoPosta Esito() const { return m_errore; }

private:
    EsitoPosta m_errore;
};

ErrorePosta NonCreato(const QString& classe)
{
    return {NumeriErrorePosta::ClientNonDisponibile, u"Impossibile creare l'oggetto "_s + classe};
}

class DriverOutlook final : public DriverPosta {
public:
    void Apri() override
    {
        // Sub-objects belong to the application object: they go first.
        m_elemento.reset();
        m_namespace.reset();
        m_applicazione = std::make_unique<QAxObject>(u"Outlook.Application"_s);
        if (m_applicazione->isNull())
            return;
        m_errori.Segui(m_applicazione.get());
        m_namespace.reset(m_applicazione->querySubObject("GetNamespace(QString)", u"MAPI"_s));
        if (m_namespace)
            m_namespace->dynamicCall("Logon()");
    }
    void Chiudi() override
    {
        if (m_namespace)
            m_namespace->dynamicCall("Logoff()");
        m_elemento.reset();
        m_namespace.reset();
        m_applicazione.reset();
    }
    EsitoPosta NuovoMessaggio() override
    {
        if (!m_applicazione || m_applicazione->isNull())
            return NonCreato(u"Outlook.Application"_s);
        m_errori.Azzera();
        m_elemento.reset(m_applicazione->querySubObject("CreateItem(int)", 0));
        if (!m_elemento)
            return m_errori.Esito().value_or(NonCreato(u"MailItem"_s));
        m_errori.Segui(m_elemento.get());
        return m_errori.Esito();
    }
    EsitoPosta Allega(const QString& percorso, const Documento& documento) override
    {
        std::unique_ptr<QAxObject> allegati(m_elemento->querySubObject("Attachments"));
        if (!allegati)
            return m_errori.Esito().value_or(NonCreato(u"Attachments"_s));
        // By value (1), at no given position, under the document's name.
        allegati->dynamicCall("Add(QVariant,QVariant,QVariant,QVariant)", percorso, 1, QVariant(),
            NomeAllegatoOutlook(documento));
        return m_errori.Esito();
    }
    EsitoPosta Consegna() override
    {
        m_elemento->dynamicCall("Display()");
        m_elemento.reset();
        return m_errori.Esito();
    }

private:
    std::unique_ptr<QAxObject> m_applicazione;
    std::unique_ptr<QAxObject> m_namespace;
    std::unique_ptr<QAxObject> m_elemento;
    ErroriAutomazione m_errori;
};

class DriverEudora final : public DriverPosta {
public:
    void Apri() override
    {
        // Fetched again for every mailing: the user may have closed and reopened the client.
        m_applicazione = std::make_unique<QAxObject>(u"Eudora.EuApplication.1"_s);
        if (!m_applicazione->isNull())
            m_errori.Segui(m_applicazione.get());
    }
    void Chiudi() override
    {
        if (m_applicazione && !m_applicazione->isNull())
            m_applicazione->dynamicCall("CloseEudora()");
        m_applicazione.reset();
    }
    EsitoPosta NuovoMessaggio() override
    {
        m_allegati.clear();
        Apri();
        if (m_applicazione->isNull())
            return NonCreato(u"Eudora.EuApplication.1"_s);
        m_errori.Azzera();
        return std::nullopt;
    }
    EsitoPosta Allega(const QString& percorso, const Documento&) override
    {
        m_allegati += percorso + u';';
        return std::nullopt;
    }
    EsitoPosta Consegna() override
    {
        m_applicazione->dynamicCall("QueueMessage(QString,QString,QString,QString,QString,QString)",
            QString(), QString(), QString(), QString(), m_allegati, QString());
        if (m_errori.Esito())
            return m_errori.Esito();
        std::unique_ptr<QAxObject> cartelle(m_applicazione->querySubObject("Folders"));
        const int numero = cartelle ? cartelle->property("Count").toInt() : 0;
        for (int i = 1; i <= numero; ++i) {
            std::unique_ptr<QAxObject> cartella(cartelle->querySubObject("Item(QVariant)", i));
            if (cartella && cartella->property("Name").toString().toUpper() == u"OUT"_s) {
                cartella->dynamicCall("Open()");
                break;
            }
        }
        return m_errori.Esito();
    }

private:
    std::unique_ptr<QAxObject> m_applicazione;
    QString m_allegati;
    ErroriAutomazione m_errori;
};

} // namespace

std::unique_ptr<DriverPosta> CreaDriverOutlook()
{
    return std::make_unique<DriverOutlook>();
}

std::unique_ptr<DriverPosta> CreaDriverEudora()
{
    return std::make_unique<DriverEudora>();
}
