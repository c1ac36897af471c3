#include "contacts/RichiestaAggiornamento.h"

#include "sending/CodificaAnsi.h"

#include <QStringList>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

QString CodificaUrl(const QString& testo)
{
    // Only letters and digits stay: the unreserved signs are percent-encoded too.
    return QString::fromLatin1(CodificaWindows1252(testo).toPercentEncoding({}, "-._~"));
}

QString UrlServizioContatti(const QString& hostServizio)
{
    return u"http://"_s + hostServizio + u"/tramavento/VbClientServicesServlet"_s;
}

QString DominioAggiornamento(const QString& loginDirectory, const QString& dominioPosta)
{
    if (!loginDirectory.contains(u'@'))
        return dominioPosta;
    return loginDirectory.section(u'@', 1, 1);
}

QByteArray CorpoAggiornamento(
    const CContattoRubrica& contatto, const QString& dominio, const QString& utente)
{
    std::vector<std::pair<QString, QString>> coppie {{u"esegui"_s, u"UPDATE_CONTATTO_CLIENTE"_s},
        {u"dominio"_s, dominio}, {u"utente"_s, utente}};
    const auto seNonVuoto = [&coppie](const QString& chiave, const QString& valore) {
        if (!valore.trimmed().isEmpty())
            coppie.emplace_back(chiave, valore);
    };
    seNonVuoto(u"uid"_s, contatto.uid);
    seNonVuoto(u"codiceAnagrafico"_s, contatto.codiceAnagrafico);
    seNonVuoto(u"orbeniCode"_s, contatto.orbeniCode);
    seNonVuoto(u"employeeType"_s, contatto.employeeType);
    if (!contatto.funzioneAziendale.trimmed().isEmpty())
        for (const QString& funzione : contatto.listaFunzioniAziendali.split(u'|'))
            coppie.emplace_back(u"funzioneAziendale"_s, funzione);
    seNonVuoto(u"cognome"_s, contatto.cognome);
    seNonVuoto(u"nome"_s, contatto.nome);
    seNonVuoto(u"lingua"_s, contatto.lingua);
    seNonVuoto(u"annotazioni"_s, contatto.annotazioni);
    seNonVuoto(u"email"_s, contatto.email);
    seNonVuoto(u"mailingList"_s, contatto.mailingList);
    seNonVuoto(u"numeroCell"_s, contatto.numeroCell);
    seNonVuoto(u"numeroFax"_s, contatto.numeroFax);
    seNonVuoto(u"numeroTelCasa"_s, contatto.numeroTelCasa);
    seNonVuoto(u"numeroTelUff"_s, contatto.numeroTelUff);
    seNonVuoto(u"societa"_s, contatto.societa);
    seNonVuoto(u"titolo"_s, contatto.titolo);
    coppie.emplace_back(u"complete"_s, u"true"_s);

    QString corpo;
    for (const auto& [chiave, valore] : coppie) {
        if (!corpo.isEmpty())
            corpo += u'&';
        corpo += CodificaUrl(chiave) + u'=' + CodificaUrl(valore);
    }
    return corpo.toLatin1();
}
