#include "sending/CampiSpool.h"
#include "sending/IndirizziInvio.h"
#include "sending/ScriviSpool.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoAllegato;
using TracciatoSpool::CampoDestinatario;

namespace {

// "Invio telematico ..." + series, year and number for the kinds that have one.
QString OggettoDocumento(const Documento& documento, const QString& oggetto)
{
    const QString sigla = documento.Sigla.toUpper();
    QString tipo;
    if (sigla == u"FATT.")
        tipo = u"Fattura "_s;
    else if (sigla == u"NT.CRED.")
        tipo = u"Nota di credito "_s;
    else if (sigla == u"CONF.")
        tipo = u"Conferma "_s;
    else if (sigla == u"BOLLA")
        tipo = u"Bolla "_s;
    else
        return oggetto;
    return u"Invio telematico "_s + tipo + documento.Serie + u' ' + QString::number(documento.Anno)
        + u' ' + QString::number(documento.Numero);
}

struct Mittente {
    const QString& Nominativo;
    const QString& Email;
    const QString& Oggetto;
    const QString& TestoExtra;
};

// Sets every field of the record, which serves all the records of the file.
void Destinatario(RecordDestinatario& r, const CDatiInvioDocumentoCliente& voce,
    const Mittente& mittente, const OraInvioSpool& oraInvio, int tentativi, bool faxViaEmail,
    int progressivo)
{
    const Cliente& cliente = *voce.Cliente;
    r.Imposta(CampoDestinatario::NominativoMittente,
        mittente.Nominativo.isEmpty() ? mittente.Email : mittente.Nominativo);
    r.Sostituisci(CampoDestinatario::NominativoMittente, '`', '\'');
    r.Imposta(CampoDestinatario::EmailMittente, mittente.Email);
    r.Imposta(CampoDestinatario::Oggetto, OggettoDocumento(*voce.Documento, mittente.Oggetto));
    r.Imposta(CampoDestinatario::TestoExtra, mittente.TestoExtra);
    r.Imposta(CampoDestinatario::Nominativo, cliente.Nominativo);
    r.Sostituisci(CampoDestinatario::Nominativo, '`', '\'');

    if (voce.TipoInvio() != TipoInvioFax) {
        r.ImpostaVuoto(CampoDestinatario::Fax);
        if (faxViaEmail) {
            r.Imposta(CampoDestinatario::Email, NormalizzaIndirizzoFax(cliente.Email));
            r.ImpostaNul(CampoDestinatario::Riservato);
            r.ImpostaNul(CampoDestinatario::EmailCompleta);
        } else {
            r.Imposta(CampoDestinatario::Email, cliente.Email);
            r.ImpostaVuoto(CampoDestinatario::Riservato);
            r.Imposta(CampoDestinatario::EmailCompleta, cliente.Email);
        }
        r.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoEmail);
    } else {
        r.Imposta(CampoDestinatario::Fax, cliente.Fax);
        r.ImpostaVuoto(CampoDestinatario::Email);
        r.ImpostaNul(CampoDestinatario::Riservato);
        r.ImpostaNul(CampoDestinatario::EmailCompleta);
        r.Imposta(CampoDestinatario::Tipo, TracciatoSpool::TipoFax);
    }

    r.ImpostaVuoto(CampoDestinatario::OpzioneFax);
    ImpostaOraInvio(r, oraInvio);
    r.Imposta(CampoDestinatario::Tentativi, TentativiSpool(tentativi));
    if (cliente.AggiornaRubrica)
        r.Imposta(CampoDestinatario::Codice, cliente.Codice);
    else
        r.ImpostaVuoto(CampoDestinatario::Codice);
    ImpostaMarcatore(r, cliente);
    r.Imposta(CampoDestinatario::Progressivo, ProgressivoSpool(progressivo));
}

void Allegato(RecordAllegato& r, const Documento& documento, int progressivo)
{
    r.Imposta(CampoAllegato::Progressivo, ProgressivoSpool(progressivo));
    r.Imposta(CampoAllegato::Operazione, TracciatoSpool::OperazioneDocumento);
    r.Imposta(CampoAllegato::Serie, documento.Serie);
    r.Imposta(CampoAllegato::Numero, QString::number(documento.Numero).rightJustified(5, u'0'));
    r.Imposta(
        CampoAllegato::SottoNumero, QString::number(documento.SottoNumero).rightJustified(4, u'0'));
    r.Imposta(CampoAllegato::Anno, QString::number(documento.Anno).right(2));
    r.Imposta(CampoAllegato::StampaPDF, documento.StampaPDF);
    r.Imposta(CampoAllegato::Descrizione,
        QString(documento.DescrizioneTipo + u' ' + documento.Serie + u' '
            + QString::number(documento.Numero) + u' ' + QString::number(documento.Anno)));
    r.ImpostaVuoto(CampoAllegato::RiferimentoFile);
}

} // namespace

QString ChiaveDocumento(const Documento& documento)
{
    return documento.Sigla + u'|' + documento.Serie + u'|' + QString::number(documento.Numero)
        + u'|' + QString::number(documento.Anno);
}

EsitoSpool ScriviSpoolDocumenti(Invexo_Main& globali, const QList<CDatiInvioDocumentoCliente>& voci,
    const QString& nomeMittente, const QString& emailMittente, const QString& oggetto,
    const QString& testoExtra, const QDateTime& oraInvio, int tentativi)
{
    // An entry without its records cannot be described; it is left out of both files alike.
    QList<const CDatiInvioDocumentoCliente*> daInviare;
    for (const auto& voce : voci)
        if (!voce.DaStampare && voce.Cliente && voce.Documento)
            daInviare.append(&voce);
    if (daInviare.isEmpty())
        return EsitoSpool::NienteDaInviare;

    const bool faxViaEmail = globali.Opzioni().FaxViaEmail;
    const OraInvioSpool ora = PreparaOraInvio(oraInvio);
    const Mittente mittente {nomeMittente, emailMittente, oggetto, testoExtra};
    QSet<QString> chiavi;
    QList<DocumentoPtr> inviati;
    EsitoSpool esito = EsitoSpool::Avviato;

    for (qsizetype inizio = 0; inizio < daInviare.size();
         inizio += TracciatoSpool::MassimoProgressivi) {
        const qsizetype fine
            = std::min(daInviare.size(), inizio + TracciatoSpool::MassimoProgressivi);
        SpoolInvio spool;
        spool.RiservaDestinatari(fine - inizio);
        QList<DocumentoPtr> inviatiCorsa;
        RecordDestinatario destinatario;
        RecordAllegato allegato;
        for (qsizetype i = inizio; i < fine; ++i) {
            const auto progressivo = static_cast<int>(i - inizio);
            const CDatiInvioDocumentoCliente& voce = *daInviare[i];
            Destinatario(destinatario, voce, mittente, ora, tentativi, faxViaEmail, progressivo);
            spool.AggiungiDestinatario(destinatario);
            Allegato(allegato, *voce.Documento, progressivo);
            spool.AggiungiAllegato(allegato);
            // A document listed twice is written twice and recorded once.
            const qsizetype prima = chiavi.size();
            chiavi.insert(ChiaveDocumento(*voce.Documento));
            if (chiavi.size() != prima)
                inviatiCorsa.append(voce.Documento);
        }
        // Commercial documents carry no cover text: the file is there, empty.
        spool.ImpostaTestoCopertina({});

        esito = AvviaInvioSpool(globali, spool);
        if (esito != EsitoSpool::Avviato)
            break;
        inviati += inviatiCorsa;
    }

    // Only documents the server was told to send are recorded as sent.
    if (!inviati.isEmpty() && globali.Servizi)
        globali.Servizi->RegistraDocumenti(
            globali.IndirizzoServer, globali.CodiceAzienda, inviati, globali.Utente(), false);
    return esito;
}
