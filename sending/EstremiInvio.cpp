#include "sending/EstremiInvio.h"

#include "sending/IndirizziInvio.h"

using namespace Qt::StringLiterals;

AperturaEstremi ApriEstremiInvio(const Cliente& cliente, bool faxViaEmail)
{
    AperturaEstremi apertura;
    apertura.Titolo = cliente.Nominativo;
    if (!cliente.Email.isEmpty()) {
        if (faxViaEmail) {
            apertura.OpzioniVisibili = true;
            if (cliente.Email.startsWith(PrefissoFaxGateway)) {
                apertura.Modalita = ModalitaEstremi::Fax;
                apertura.Testo = EstraiNumeroFax(cliente.Email);
                return apertura;
            }
        } else {
            apertura.OpzioniVisibili = false;
        }
        apertura.Modalita = ModalitaEstremi::Email;
        apertura.Testo = cliente.Email;
    } else if (!cliente.Fax.isEmpty()) {
        apertura.Modalita = ModalitaEstremi::Fax;
        apertura.Testo = cliente.Fax;
    }
    return apertura;
}

std::optional<QString> ConfermaEstremiInvio(
    Cliente& cliente, ModalitaEstremi modalita, const QString& testo, const ArchivioSerie& opzioni)
{
    const QString indirizzo = testo.trimmed();
    if (modalita == ModalitaEstremi::Email) {
        if (!IndirizzoEmailValido(indirizzo))
            return u"Indirizzo email non valido"_s;
        cliente.Email = indirizzo;
        return std::nullopt;
    }
    if (!NumeroFaxValido(indirizzo))
        return u"Numero fax non valido"_s;
    if (opzioni.FaxViaEmail)
        cliente.Email = IndirizzoFaxGateway(indirizzo, opzioni.DominioPosta);
    else
        cliente.Fax = indirizzo;
    return std::nullopt;
}

bool TastoAmmessoEstremiInvio(int codice)
{
    return codice == 8 || codice == 9 || codice == 10 || codice == 13
        || (codice >= 32 && codice <= 127);
}
