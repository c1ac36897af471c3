#include "sending/DestinatariInvio.h"

#include "sending/CDatiInvioDocumentoCliente.h"
#include "sending/IndirizziInvio.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QColor Rosso(Qt::red);

void Evidenzia(RigaElenco& riga, bool evidenziata)
{
    riga.Grassetto = evidenziata;
    riga.Colore = evidenziata ? Rosso : QColor();
    for (CellaElenco& cella : riga.Celle) {
        cella.Grassetto = evidenziata;
        cella.Colore = evidenziata ? Rosso : QColor();
    }
}

bool IndirizzoValido(const QString& indirizzo, ModoFormEmail modo)
{
    return modo == ModoFormEmail::Fax ? NumeroFaxValido(indirizzo)
                                      : IndirizzoEmailValido(indirizzo);
}

QString& Indirizzo(RigaElenco& riga)
{
    return riga.CellaA(ColonnaIndirizzoEmail).Testo;
}

QString& Rubrica(RigaElenco& riga)
{
    return riga.CellaA(ColonnaRubricaEmail).Testo;
}

using Scrittore = EsitoSpool (*)(Invexo_Main&, const QList<ClientePtr>&, const QString&,
    const QString&, const QString&, const QDateTime&, int, const QString&, const QString&);

EsitoMandaFaxEmail Manda(Invexo_Main& globali, const Elenco& lista, const CampiFormEmail& campi,
    ModoFormEmail modo, Scrittore scrittore)
{
    const auto data = LeggiDataInvio(campi.Data);
    if (!data)
        return {u"La data di invio \""_s + campi.Data + u"\" non è valida (gg/mm/aa)"_s};
    const auto ora = LeggiOraInvio(campi.Ora);
    if (!ora)
        return {u"L'ora di invio \""_s + campi.Ora + u"\" non è valida (hh:mm)"_s};
    int tentativi = 0;
    if (modo == ModoFormEmail::Fax) {
        const auto letti = LeggiTentativi(campi.Tentativi);
        if (!letti)
            return {u"Il numero di tentativi \""_s + campi.Tentativi + u"\" non è valido"_s};
        tentativi = *letti;
    }

    QList<ClientePtr> clienti;
    for (const RigaElenco& riga : lista.Righe()) {
        const auto cliente = riga.TagCome<ClientePtr>();
        if (!riga.Spuntata || !cliente)
            continue;
        if (riga.TestoColonna(ColonnaRubricaEmail) == u"M"_s)
            cliente->AggiornaRubrica = true;
        (modo == ModoFormEmail::Fax ? cliente->Fax : cliente->Email)
            = riga.TestoColonna(ColonnaIndirizzoEmail);
        clienti.append(cliente);
    }
    const QString modoSpool
        = (modo == ModoFormEmail::Fax ? TipoInvioFax : TipoInvioEmail).toString();
    return {std::nullopt,
        scrittore(globali, clienti, campi.Mittente, campi.Oggetto, QString(),
            QDateTime(*data, *ora), tentativi, campi.Testo, modoSpool)};
}

} // namespace

QString TitoloFormEmail(ModoFormEmail modo)
{
    return modo == ModoFormEmail::Fax ? u"Invio Fax"_s : u"Invio Email"_s;
}

void ColonneLWEmail(Elenco& lista, ModoFormEmail modo)
{
    lista.Colonne.clear();
    lista.AggiungiColonna(u"Nominativo"_s, u"Nominativo"_s, 3600);
    lista.AggiungiColonna(u"Indirizzo"_s, modo == ModoFormEmail::Fax ? u"Fax"_s : u"Email"_s, 3300);
    lista.AggiungiColonna(u"Rubrica"_s, QString(), 0);
}

bool IndirizzoCompleto(const QString& indirizzo, ModoFormEmail modo)
{
    return !indirizzo.isEmpty() && IndirizzoValido(indirizzo, modo);
}

void CaricaDestinatari(Elenco& lista, const QList<ClientePtr>& clienti, ModoFormEmail modo)
{
    lista.Svuota();
    for (const ClientePtr& cliente : clienti) {
        if (!cliente)
            continue;
        RigaElenco riga;
        riga.Testo = cliente->Nominativo;
        riga.Tag = cliente;
        riga.Spuntata = true;
        Indirizzo(riga) = modo == ModoFormEmail::Fax ? cliente->Fax : cliente->Email;
        Rubrica(riga) = u"0"_s;
        Evidenzia(riga, !IndirizzoCompleto(Indirizzo(riga), modo));
        lista.Aggiungi(std::move(riga));
    }
    lista.Cambiato();
}

std::optional<QString> ApplicaCorrezione(
    RigaElenco& riga, const QString& testo, bool memorizza, ModoFormEmail modo)
{
    std::optional<QString> errore;
    if (IndirizzoValido(testo, modo)) {
        Indirizzo(riga) = testo;
        Rubrica(riga) = memorizza ? u"M"_s : QString();
    } else {
        errore = modo == ModoFormEmail::Fax ? u"Fax non valido"_s : u"Email non valida"_s;
    }
    Evidenzia(riga, errore || testo.isEmpty());
    return errore;
}

bool MemorizzaIniziale(const RigaElenco& riga)
{
    const QString marca = riga.TestoColonna(ColonnaRubricaEmail);
    return marca == u"0"_s || marca == u"M"_s;
}

std::optional<QString> ControllaInvioFormEmail(
    const Elenco& lista, const QString& mittente, ModoFormEmail modo)
{
    bool spuntate = false;
    for (const RigaElenco& riga : lista.Righe()) {
        if (!riga.Spuntata)
            continue;
        spuntate = true;
        if (!IndirizzoCompleto(riga.TestoColonna(ColonnaIndirizzoEmail), modo))
            return u"Inserire l'indirizzo dei nominativi evidenziati"_s;
    }
    if (mittente.isEmpty())
        return u"Selezionare un mittente"_s;
    if (modo == ModoFormEmail::Email && !IndirizzoEmailValido(mittente))
        return u"Indirizzo email del mittente non valido"_s;
    if (!spuntate)
        return u"Selezionare un destinatario"_s;
    return std::nullopt;
}

std::optional<QDate> LeggiDataInvio(const QString& testo)
{
    static const QRegularExpression forma(u"^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"_s);
    const auto trovata = forma.match(testo);
    if (!trovata.hasMatch())
        return std::nullopt;
    int anno = trovata.captured(3).toInt();
    if (trovata.captured(3).size() == 2)
        anno += anno < 30 ? 2000 : 1900;
    const QDate data(anno, trovata.captured(2).toInt(), trovata.captured(1).toInt());
    return data.isValid() ? std::optional(data) : std::nullopt;
}

std::optional<QTime> LeggiOraInvio(const QString& testo)
{
    static const QRegularExpression forma(u"^\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*$"_s);
    const auto trovata = forma.match(testo);
    if (!trovata.hasMatch())
        return std::nullopt;
    const QTime ora(trovata.captured(1).toInt(), trovata.captured(2).toInt(),
        trovata.captured(3).isEmpty() ? 0 : trovata.captured(3).toInt());
    return ora.isValid() ? std::optional(ora) : std::nullopt;
}

std::optional<int> LeggiTentativi(const QString& testo)
{
    static const QRegularExpression forma(u"^\\s*(\\d{1,2})\\s*$"_s);
    const auto trovata = forma.match(testo);
    if (!trovata.hasMatch())
        return std::nullopt;
    return trovata.captured(1).toInt();
}

EsitoMandaFaxEmail MandaFaxEmailPrivacy(
    Invexo_Main& globali, const Elenco& lista, const CampiFormEmail& campi, ModoFormEmail modo)
{
    return Manda(globali, lista, campi, modo, &ScriviSpoolInfoClienti);
}

EsitoMandaFaxEmail MandaFaxEmailExport(
    Invexo_Main& globali, const Elenco& lista, const CampiFormEmail& campi, ModoFormEmail modo)
{
    return Manda(globali, lista, campi, modo, &ScriviSpoolInfoExport);
}
