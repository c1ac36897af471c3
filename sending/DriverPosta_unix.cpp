// The mail clients of a POSIX workstation: Thunderbird's command line through the batch
// runner, the desktop's composer (xdg-email) for any other client. The automation of Outlook
// and Eudora exists on Windows only.
#include "sending/DriverPosta.h"

#include "app/Invexo_Main.h"
#include "platform/Avviatore.h"
#include "sending/CartelleClient.h"
#include "sending/EseguiBatch.h"
#include "sending/RigheComandoPosta.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The program in the folder the registry names, else the name alone for the shell's PATH.
QString ProgrammaThunderbird()
{
    if (const auto cartella = CartellaThunderbird(); cartella && !cartella->isEmpty()) {
        const QString percorso
            = *cartella + (cartella->endsWith(u'/') ? u""_s : u"/"_s) + u"thunderbird"_s;
        const QFileInfo programma(percorso);
        if (programma.isFile() && programma.isExecutable())
            return percorso;
    }
    return u"thunderbird"_s;
}

class DriverThunderbird final : public DriverPosta {
public:
    DriverThunderbird(Invexo_Main& globali, Dialoghi& dialoghi, Avviatore& avviatore)
        : m_globali(globali)
        , m_dialoghi(dialoghi)
        , m_avviatore(avviatore)
    {
    }

    void Apri() override { }
    void Chiudi() override { }
    EsitoPosta NuovoMessaggio() override
    {
        m_allegati.clear();
        return std::nullopt;
    }
    EsitoPosta Allega(const QString& percorso, const Documento&) override
    {
        m_allegati.append(percorso);
        return std::nullopt;
    }
    EsitoPosta Consegna() override
    {
        const RigheBatch righe
            = RigheThunderbirdPosix(ProgrammaThunderbird(), ListaAllegatiRigaComando(m_allegati));
        const QString cartella
            = m_globali.Ambiente ? m_globali.Ambiente->CartellaLavoro() : QString();
        EseguiBatch(
            {cartella, m_avviatore, m_dialoghi}, righe.Prima, righe.Seconda, u"Mail"_s, false);
        return std::nullopt;
    }

private:
    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    Avviatore& m_avviatore;
    QStringList m_allegati;
};

// Stands for Simple MAPI: the desktop's composer with every attachment.
class DriverComposerSistema final : public DriverPosta {
public:
    explicit DriverComposerSistema(Avviatore& avviatore)
        : m_avviatore(avviatore)
    {
    }

    void Apri() override { }
    void Chiudi() override { }
    EsitoPosta NuovoMessaggio() override
    {
        m_argomenti.clear();
        return std::nullopt;
    }
    EsitoPosta Allega(const QString& percorso, const Documento&) override
    {
        m_argomenti << u"--attach"_s << percorso;
        return std::nullopt;
    }
    EsitoPosta Consegna() override
    {
        if (m_avviatore.Avvia(u"xdg-email"_s, m_argomenti))
            return std::nullopt;
        return ErrorePosta {
            NumeriErrorePosta::ProgrammaNonAvviato, u"Impossibile avviare xdg-email"_s};
    }

private:
    Avviatore& m_avviatore;
    QStringList m_argomenti;
};

class DriverNonDisponibile final : public DriverPosta {
public:
    explicit DriverNonDisponibile(QString client)
        : m_client(std::move(client))
    {
    }

    void Apri() override { }
    void Chiudi() override { }
    EsitoPosta NuovoMessaggio() override { return Errore(); }
    EsitoPosta Allega(const QString&, const Documento&) override { return Errore(); }
    EsitoPosta Consegna() override { return Errore(); }

private:
    [[nodiscard]] ErrorePosta Errore() const
    {
        return {NumeriErrorePosta::ClientNonDisponibile,
            u"Il programma di posta "_s + m_client
                + u" non può essere comandato su questo sistema"_s};
    }

    QString m_client;
};

} // namespace

std::unique_ptr<DriverPosta> CreaDriverPosta(
    Invexo_Main& globali, Dialoghi& dialoghi, Avviatore& avviatore)
{
    if (globali.PostaThunderbird)
        return std::make_unique<DriverThunderbird>(globali, dialoghi, avviatore);
    if (globali.PostaOutlook)
        return std::make_unique<DriverNonDisponibile>(u"Microsoft Outlook"_s);
    if (globali.PostaOfficeOutlook)
        return std::make_unique<DriverNonDisponibile>(u"Microsoft Office Outlook"_s);
    if (globali.PostaEudora)
        return std::make_unique<DriverNonDisponibile>(u"Eudora"_s);
    return std::make_unique<DriverComposerSistema>(avviatore);
}
