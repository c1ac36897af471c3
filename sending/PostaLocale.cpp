#include "sending/PostaLocale.h"

#include "app/Invexo_Main.h"
#include "forms/Dialoghi.h"
#include "sending/DriverPosta.h"
#include "sending/MessaggiDocumento.h"

using namespace Qt::StringLiterals;

namespace {

bool ClientARigaComando(const Invexo_Main& globali)
{
    return globali.PostaThunderbird || globali.PostaOfficeOutlook;
}

void MostraErrore(const ErrorePosta& errore, Dialoghi& dialoghi)
{
    dialoghi.Avviso(QString::number(errore.Numero) + u": "_s + errore.Descrizione,
        IconaMessaggio::Critica, QString());
}

} // namespace

void ApriPosta(Invexo_Main& globali, DriverPosta& driver)
{
    if (ClientARigaComando(globali))
        return;
    driver.Apri();
    globali.PostaConnessa = true;
}

void InviaConClientPosta(const QList<DocumentoPtr>& documenti, Invexo_Main& globali,
    DriverPosta& driver, Dialoghi& dialoghi)
{
    for (const DocumentoPtr& documento : documenti) {
        if (documento && !documento->Stampato) {
            dialoghi.Avviso(
                MessaggioDaStampare(*documento), IconaMessaggio::Informazione, u"Errore"_s);
            return;
        }
    }
    if (!globali.PostaConnessa)
        ApriPosta(globali, driver);

    if (const EsitoPosta errore = driver.NuovoMessaggio())
        return MostraErrore(*errore, dialoghi);
    for (const DocumentoPtr& documento : documenti) {
        if (!documento || !globali.Servizi)
            continue;
        const QString percorso = globali.Servizi->FileDocumento(
            globali.IndirizzoServer, globali.CodiceAzienda, *documento, false, false);
        if (percorso.isEmpty())
            continue;
        AggiungiFileDaCancellare(globali, percorso);
        if (const EsitoPosta errore = driver.Allega(percorso, *documento))
            return MostraErrore(*errore, dialoghi);
    }
    // Every document of the mailing, also those whose file could not be fetched.
    if (globali.Servizi)
        globali.Servizi->RegistraInvioLocale(
            globali.IndirizzoServer, globali.CodiceAzienda, documenti);
    if (const EsitoPosta errore = driver.Consegna())
        MostraErrore(*errore, dialoghi);
}

void ChiudiPosta(Invexo_Main& globali, DriverPosta& driver)
{
    if (ClientARigaComando(globali) || !globali.PostaConnessa)
        return;
    driver.Chiudi();
    globali.PostaConnessa = false;
}
