#include "sending/CampiSpool.h"

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoAllegato;
using TracciatoSpool::CampoDestinatario;

QString DataSpool(const QDate& data)
{
    return data.toString(u"ddMMyy");
}

QString OraSpool(const QTime& ora)
{
    return ora.toString(u"HHmm");
}

QString ProgressivoSpool(int progressivo)
{
    return QString::number(progressivo).rightJustified(3, u'0');
}

QString TentativiSpool(int tentativi)
{
    return QString::number(tentativi);
}

OraInvioSpool PreparaOraInvio(const QDateTime& oraInvio)
{
    return {DataSpool(oraInvio.date()), OraSpool(oraInvio.time())};
}

void ImpostaOraInvio(RecordDestinatario& record, const OraInvioSpool& oraInvio)
{
    record.Imposta(CampoDestinatario::DataInvio, oraInvio.Data);
    record.Imposta(CampoDestinatario::OraInvio, oraInvio.Ora);
}

void ImpostaMarcatore(RecordDestinatario& record, const Cliente& cliente)
{
    if (cliente.AggiornaRubrica)
        record.Imposta(CampoDestinatario::Marcatore, TracciatoSpool::MarcatoreRubrica);
    else
        record.ImpostaVuoto(CampoDestinatario::Marcatore);
}

RecordAllegato AllegatoSegnaposto(
    QStringView operazione, QStringView segnaposto, const QString& codiceAzienda)
{
    RecordAllegato record;
    record.Imposta(CampoAllegato::Progressivo, ProgressivoSpool(0));
    record.Imposta(CampoAllegato::Operazione, operazione);
    record.Imposta(CampoAllegato::Serie, segnaposto);
    record.ImpostaVuoto(CampoAllegato::Numero);
    record.ImpostaVuoto(CampoAllegato::SottoNumero);
    record.ImpostaVuoto(CampoAllegato::Anno);
    record.ImpostaVuoto(CampoAllegato::StampaPDF);
    record.Imposta(CampoAllegato::Descrizione,
        QString(segnaposto + QStringView(TracciatoSpool::SuffissoSegnaposto) + codiceAzienda));
    record.ImpostaVuoto(CampoAllegato::RiferimentoFile);
    return record;
}
