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

namespace {

ServiziFinti::Stampa NuovaStampa(const QString& tipo, const QList<DocumentoPtr>& documenti)
{
    QStringList forme;
    for (const DocumentoPtr& documento : documenti)
        forme.append(documento->StampaPDF);
    return {tipo, documenti, forme};
}

} // namespace

QString ServiziFinti::StampaDocumenti(
    const QString&, const QString&, const QList<DocumentoPtr>& documenti, bool)
{
    Stampe.append(NuovaStampa(u"DOCUMENTI"_s, documenti));
    return u"/tmp/stampa"_s + QString::number(Stampe.size()) + u".pdf"_s;
}

QString ServiziFinti::StampaElenco(
    const QString&, const QString&, const QList<DocumentoPtr>& documenti, bool)
{
    Stampe.append(NuovaStampa(u"ELENCO"_s, documenti));
    return u"/tmp/stampa"_s + QString::number(Stampe.size()) + u".pdf"_s;
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
