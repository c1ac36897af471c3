#include "sending/CampiSpool.h"
#include "sending/IndirizziInvio.h"
#include "sending/ScriviSpool.h"

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoDestinatario;

namespace {

QList<const CDatiInvioDocumentoCliente*> VociConCliente(
    const QList<CDatiInvioDocumentoCliente>& voci, bool ancheDaStampare)
{
    QList<const CDatiInvioDocumentoCliente*> risultato;
    for (const auto& voce : voci)
        if (voce.Cliente && (ancheDaStampare || !voce.DaStampare))
            risultato.append(&voce);
    return risultato;
}

RecordDestinatario DestinatarioInformativa(const CDatiInvioDocumentoCliente& voce,
    const QString& nomeMittente, const QString& emailMittente, const QString& oggetto,
    const OraInvioSpool& oraInvio, int tentativi, bool faxViaEmail)
{
    const Cliente& cliente = *voce.Cliente;
    RecordDestinatario r;
    r.Imposta(CampoDestinatario::Nominativo, cliente.Nominativo);
    r.Imposta(CampoDestinatario::NominativoMittente,
        nomeMittente.isEmpty() ? emailMittente : nomeMittente);
    r.Imposta(CampoDestinatario::Oggetto, oggetto);
    r.Imposta(CampoDestinatario::Codice, cliente.Codice);
    r.ImpostaVuoto(CampoDestinatario::TestoExtra);
    r.Imposta(CampoDestinatario::EmailMittente, emailMittente);
    r.ImpostaVuoto(CampoDestinatario::OpzioneFax);
    r.Imposta(CampoDestinatario::Tentativi, TentativiSpool(tentativi));
    if (voce.TipoInvio() == TipoInvioFax) {
        r.Imposta(CampoDestinatario::Fax, cliente.Fax);
        r.ImpostaVuoto(CampoDestinatario::Email);
        r.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoFax);
    } else {
        r.ImpostaVuoto(CampoDestinatario::Fax);
        r.Imposta(CampoDestinatario::Email,
            faxViaEmail ? NormalizzaIndirizzoFax(cliente.Email) : cliente.Email);
        r.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoEmail);
    }
    ImpostaOraInvio(r, oraInvio);
    r.Imposta(CampoDestinatario::Progressivo, ProgressivoSpool(0));
    ImpostaMarcatore(r, cliente);
    return r;
}

RecordDestinatario DestinatarioStato(const Cliente& cliente, QStringView tipo)
{
    RecordDestinatario r;
    r.Imposta(CampoDestinatario::Nominativo, cliente.Nominativo);
    for (const auto campo : {CampoDestinatario::NominativoMittente, CampoDestinatario::Oggetto,
             CampoDestinatario::TestoExtra, CampoDestinatario::Fax, CampoDestinatario::Email,
             CampoDestinatario::OpzioneFax, CampoDestinatario::EmailMittente})
        r.ImpostaVuoto(campo);
    r.Imposta(CampoDestinatario::Tentativi, u"1");
    r.Imposta(CampoDestinatario::Tipo, tipo);
    r.Imposta(CampoDestinatario::DataInvio, DataSpool(cliente.DataPrivacy));
    r.Imposta(CampoDestinatario::OraInvio, u"0000");
    r.Imposta(CampoDestinatario::Codice, cliente.Codice);
    r.Imposta(CampoDestinatario::Progressivo, ProgressivoSpool(0));
    ImpostaMarcatore(r, cliente);
    return r;
}

} // namespace

EsitoSpool ScriviSpoolInformative(Invexo_Main& globali,
    const QList<CDatiInvioDocumentoCliente>& voci, const QString& nomeMittente,
    const QString& emailMittente, const QString& oggetto, const QString& testo,
    const QDateTime& oraInvio, int tentativi)
{
    const auto daInviare = VociConCliente(voci, false);
    if (daInviare.isEmpty())
        return EsitoSpool::NienteDaInviare;

    const bool faxViaEmail = globali.Opzioni().FaxViaEmail;
    const OraInvioSpool ora = PreparaOraInvio(oraInvio);
    SpoolInvio spool;
    spool.RiservaDestinatari(daInviare.size());
    for (const auto* voce : daInviare)
        spool.AggiungiDestinatario(DestinatarioInformativa(
            *voce, nomeMittente, emailMittente, oggetto, ora, tentativi, faxViaEmail));
    spool.AggiungiAllegato(AllegatoSegnaposto(TracciatoSpool::OperazioneInformativa,
        TracciatoSpool::SegnapostoInformativa, globali.CodiceAzienda));
    spool.ImpostaTestoCopertina(testo);
    return AvviaInvioSpool(globali, spool);
}

EsitoSpool ScriviSpoolStatoInformative(
    Invexo_Main& globali, const QList<CDatiInvioDocumentoCliente>& voci, const QString& modo)
{
    QStringView tipo;
    if (modo == u"INV")
        tipo = TracciatoSpool::TipoInviata;
    else if (modo == u"DAINV")
        tipo = TracciatoSpool::TipoDaInviare;
    else
        return EsitoSpool::NienteDaInviare;

    // Every entry changes state, printed or not.
    const auto daSegnare = VociConCliente(voci, true);
    if (daSegnare.isEmpty())
        return EsitoSpool::NienteDaInviare;

    SpoolInvio spool;
    spool.RiservaDestinatari(daSegnare.size());
    for (const auto* voce : daSegnare)
        spool.AggiungiDestinatario(DestinatarioStato(*voce->Cliente, tipo));
    spool.AggiungiAllegato(AllegatoSegnaposto(TracciatoSpool::OperazioneStatoInformativa,
        TracciatoSpool::SegnapostoInformativa, globali.CodiceAzienda));
    return AvviaInvioSpool(globali, spool);
}
