#include "app/ClientPosta.h"

using namespace Qt::StringLiterals;

namespace {

bool Uguale(const QString& nome, const QString& atteso)
{
    return nome.compare(atteso, Qt::CaseInsensitive) == 0;
}

} // namespace

QString ScegliClientPosta(bool reset, Impostazioni& impostazioni, Dialoghi& dialoghi)
{
    QString nome;
    if (!reset)
        nome = impostazioni.Leggi(ChiaviImpostazioni::ClientPosta);
    if (nome.isEmpty()) {
        nome = dialoghi.Input(u"Client di posta predefinito:"_s, {}, u"Mozilla Thunderbird"_s);
        impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, nome);
    }
    if (reset)
        dialoghi.Avviso(u"Per non mostrare più questo messaggio togli il parametro '-RESETMAIL' "
                        u"dalla icona di Invexo"_s);
    return nome;
}

void ImpostaClientPosta(Invexo_Main& globali, const QString& nomeClient)
{
    globali.PostaOutlook = false;
    globali.PostaOfficeOutlook = false;
    globali.PostaEudora = false;
    if (Uguale(nomeClient, u"Eudora"_s))
        globali.PostaEudora = true;
    else if (Uguale(nomeClient, u"Microsoft Office Outlook"_s))
        globali.PostaOfficeOutlook = true;
    else if (Uguale(nomeClient, u"Microsoft Outlook"_s))
        globali.PostaOutlook = true;
    globali.PostaThunderbird = Uguale(nomeClient, u"Mozilla Thunderbird"_s);
}
