#include "tests/sending/ServiziFinti.h"

using namespace Qt::StringLiterals;

bool ServiziFinti::AvviaInvio(
    const QString& host, const QString& azienda, const QString& nomePC, const QString& utente)
{
    Avvii.append({host, azienda, nomePC, utente});
    if (AllAvvio)
        AllAvvio();
    return EsitoAvvio;
}

bool ServiziFinti::RegistraDocumenti(const QString&, const QString&,
    const QList<DocumentoPtr>& documenti, const QString&, bool rimossi)
{
    if (!rimossi)
        Registrazioni.append(documenti);
    return true;
}

Invexo_Main GlobaliDiProva(
    const QString& cartellaLavoro, const std::shared_ptr<ServiziFinti>& servizi)
{
    Invexo_Main globali;
    globali.IndirizzoServer = u"server01"_s;
    globali.CodiceAzienda = u"01"_s;
    globali.NomePC = u"PC01"_s;
    globali.Servizi = servizi;
    globali.Ambiente = std::make_shared<AmbienteFinto>(cartellaLavoro);
    globali.SessioneOrbeni = std::make_shared<Sessione>();
    globali.SessioneOrbeni->Utente.Codice = u"mrossi"_s;
    globali.Archivio = std::make_shared<ArchivioSerie>();
    return globali;
}
