#include "contacts/ConnessioneLdap.h"

#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "forms/Dialoghi.h"

using namespace Qt::StringLiterals;

std::shared_ptr<CLdapUtil> ConnessioneLdap(
    Invexo_Main& globali, Dialoghi& dialoghi, const AccessoLdap& accesso)
{
    if (!globali.ConnessioneLdap) {
        auto nuova = std::make_shared<CLdapUtil>(accesso);
        if (!nuova->Connect(HostLdap(globali), globali.LoginDirectory, DominioPosta(globali))) {
            dialoghi.Messaggio(u"Impossibile accedere al server LDAP"_s, PulsantiMessaggio::Ok,
                IconaMessaggio::Critica, u"Errore"_s);
            return nullptr;
        }
        if (nuova->webUrl().trimmed().isEmpty()) {
            dialoghi.Messaggio(u"Informazioni server non disponibili"_s, PulsantiMessaggio::Ok,
                IconaMessaggio::Critica, u"Errore"_s);
            return nullptr;
        }
        globali.ConnessioneLdap = std::move(nuova);
    }
    if (!globali.ConnessioneLdap->VerifyConnection(globali.LoginDirectory)) {
        globali.ConnessioneLdap.reset();
        return nullptr;
    }
    return globali.ConnessioneLdap;
}

void ChiudiConnessioneLdap(Invexo_Main& globali)
{
    globali.ConnessioneLdap.reset();
}

bool RubricaLdap(const Invexo_Main& globali)
{
    return globali.Opzioni().RubricaLdap;
}

bool FaxViaEmail(const Invexo_Main& globali)
{
    return globali.Opzioni().FaxViaEmail;
}

QString DominioPosta(const Invexo_Main& globali)
{
    return globali.Opzioni().DominioPosta.trimmed();
}

QString HostLdap(const Invexo_Main& globali)
{
    if (!RubricaLdap(globali))
        return {};
    const QString server = globali.Opzioni().ServerLdap.trimmed();
    return server.isEmpty() ? HostLdapPredefinito.toString() : server;
}

AccessoLdap LeggiAccessoLdap(const Impostazioni& impostazioni)
{
    return {impostazioni.Leggi(ChiaviImpostazioni::NomeBindLdap),
        impostazioni.Leggi(ChiaviImpostazioni::PasswordBindLdap)};
}
