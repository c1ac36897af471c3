#include "orbeni/local/CreaLibreria.h"

#include "orbeni/local/AmbienteLocale.h"
#include "orbeni/local/ServerIrraggiungibile.h"
#include "orbeni/local/ServerLocale.h"

using namespace Qt::StringLiterals;

std::shared_ptr<LibreriaOrbeni> CreaLibreria(
    const QString& indirizzoServer, Dialoghi& dialoghi, const QString& cartellaBase)
{
    const QString indirizzo = indirizzoServer.trimmed();
    const QString prefisso = u"local:"_s;
    QString radice;
    QString postazione = cartellaBase;
    if (indirizzo == u"local"_s) {
        radice = cartellaBase + u"/server"_s;
    } else if (indirizzo.startsWith(prefisso) && indirizzo.size() > prefisso.size()) {
        radice = indirizzo.mid(prefisso.size());
        postazione = radice + u"/workstation"_s;
    }
    auto ambiente = std::make_shared<AmbienteLocale>(postazione);
    ambiente->CopiaLoghi();
    auto libreria = std::make_shared<LibreriaOrbeni>();
    libreria->Ambiente = ambiente;
    if (radice.isEmpty())
        libreria->Servizi = std::make_shared<ServerIrraggiungibile>(indirizzo);
    else
        libreria->Servizi = std::make_shared<ServerLocale>(radice, ambiente, dialoghi);
    return libreria;
}
