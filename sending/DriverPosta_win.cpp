// The mail clients of a Windows workstation: the command lines of Thunderbird and Office
// Outlook through a batch file, the automation of Outlook and Eudora, Simple MAPI otherwise.
#include "sending/DriverPosta.h"

#include "app/Invexo_Main.h"
#include "sending/CartelleClient.h"
#include "sending/DriverPostaWindows.h"
#include "sending/EseguiBatch.h"
#include "sending/RigheComandoPosta.h"

using namespace Qt::StringLiterals;

namespace {

class DriverRigaComando final : public DriverPosta {
public:
    DriverRigaComando(
        bool thunderbird, Invexo_Main& globali, Dialoghi& dialoghi, Avviatore& avviatore)
        : m_thunderbird(thunderbird)
        , m_globali(globali)
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
        const auto cartella = m_thunderbird ? CartellaThunderbird() : CartellaOutlook();
        if (!cartella || cartella->isEmpty())
            return ErrorePosta {NumeriErrorePosta::CartellaClient,
                u"Il registro non indica la cartella del programma di posta"_s};
        const QString lista = ListaAllegatiRigaComando(m_allegati);
        const RigheBatch righe = m_thunderbird ? RigheThunderbirdWindows(*cartella, lista)
                                               : RigheOfficeOutlookWindows(*cartella, lista);
        const QString lavoro
            = m_globali.Ambiente ? m_globali.Ambiente->CartellaLavoro() : QString();
        EseguiBatch(
            {lavoro, m_avviatore, m_dialoghi}, righe.Prima, righe.Seconda, u"Mail"_s, false);
        return std::nullopt;
    }

private:
    bool m_thunderbird;
    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    Avviatore& m_avviatore;
    QStringList m_allegati;
};

} // namespace

std::unique_ptr<DriverPosta> CreaDriverPosta(
    Invexo_Main& globali, Dialoghi& dialoghi, Avviatore& avviatore)
{
    if (globali.PostaThunderbird || globali.PostaOfficeOutlook)
        return std::make_unique<DriverRigaComando>(
            globali.PostaThunderbird, globali, dialoghi, avviatore);
    if (globali.PostaOutlook)
        return CreaDriverOutlook();
    if (globali.PostaEudora)
        return CreaDriverEudora();
    return CreaDriverMapi();
}
