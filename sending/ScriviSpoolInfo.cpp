#include "sending/CampiSpool.h"
#include "sending/ScriviSpool.h"

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoDestinatario;

namespace {

// What tells a privacy mailing from an export one.
struct TipoMailing {
    bool ConCodiceExport;
    QStringView Operazione;
    QStringView Segnaposto;
};

RecordDestinatario DestinatarioMailing(const Cliente& cliente, const QString& mittente,
    const QString& oggetto, const QString& testoExtra, const OraInvioSpool& oraInvio, int tentativi,
    bool perFax, bool conCodiceExport)
{
    RecordDestinatario r;
    r.Imposta(CampoDestinatario::NominativoMittente, mittente);
    if (perFax)
        r.ImpostaVuoto(CampoDestinatario::EmailMittente);
    else
        r.Imposta(CampoDestinatario::EmailMittente, mittente);
    r.Imposta(CampoDestinatario::Oggetto, oggetto);
    r.Imposta(CampoDestinatario::TestoExtra, testoExtra);
    r.Imposta(CampoDestinatario::Nominativo, cliente.Nominativo);
    if (perFax) {
        r.Imposta(CampoDestinatario::Fax, cliente.Fax);
        r.ImpostaVuoto(CampoDestinatario::Email);
        r.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoFax);
    } else {
        // The address goes as stored: the send dialog has already checked it.
        r.ImpostaVuoto(CampoDestinatario::Fax);
        r.Imposta(CampoDestinatario::Email, cliente.Email);
        r.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoEmail);
    }
    r.ImpostaVuoto(CampoDestinatario::OpzioneFax);
    ImpostaOraInvio(r, oraInvio);
    r.Imposta(CampoDestinatario::Tentativi, TentativiSpool(tentativi));
    r.Imposta(CampoDestinatario::Codice,
        conCodiceExport ? QString(cliente.Codice + cliente.CodiceExport) : cliente.Codice);
    r.Imposta(CampoDestinatario::Progressivo, ProgressivoSpool(0));
    ImpostaMarcatore(r, cliente);
    return r;
}

EsitoSpool ScriviMailing(Invexo_Main& globali, const QList<ClientePtr>& clienti,
    const QString& mittente, const QString& oggetto, const QString& testoExtra,
    const OraInvioSpool& oraInvio, int tentativi, const QString& testo, const QString& modo,
    const TipoMailing& tipo)
{
    SpoolInvio spool;
    spool.RiservaDestinatari(clienti.size());
    bool scritto = false;
    const bool perFax = modo == TipoInvioFax;
    for (const ClientePtr& cliente : clienti) {
        if (!cliente)
            continue;
        spool.AggiungiDestinatario(DestinatarioMailing(*cliente, mittente, oggetto, testoExtra,
            oraInvio, tentativi, perFax, tipo.ConCodiceExport));
        scritto = true;
    }
    if (!scritto)
        return EsitoSpool::NienteDaInviare;
    spool.AggiungiAllegato(
        AllegatoSegnaposto(tipo.Operazione, tipo.Segnaposto, globali.CodiceAzienda));
    spool.ImpostaTestoCopertina(testo);
    return AvviaInvioSpool(globali, spool);
}

} // namespace

EsitoSpool ScriviSpoolInfoClienti(Invexo_Main& globali, const QList<ClientePtr>& clienti,
    const QString& mittente, const QString& oggetto, const QString& testoExtra,
    const QDateTime& oraInvio, int tentativi, const QString& testo, const QString& modo)
{
    return ScriviMailing(globali, clienti, mittente, oggetto, testoExtra, PreparaOraInvio(oraInvio),
        tentativi, testo, modo,
        {false, TracciatoSpool::OperazioneInformativa, TracciatoSpool::SegnapostoInformativa});
}

EsitoSpool ScriviSpoolInfoExport(Invexo_Main& globali, const QList<ClientePtr>& clienti,
    const QString& mittente, const QString& oggetto, const QString& testoExtra,
    const QDateTime& oraInvio, int tentativi, const QString& testo, const QString& modo)
{
    return ScriviMailing(globali, clienti, mittente, oggetto, testoExtra, PreparaOraInvio(oraInvio),
        tentativi, testo, modo,
        {true, TracciatoSpool::OperazioneInformativaExport, TracciatoSpool::SegnapostoExport});
}
