#include "orbeni/local/ServizioContatti.h"

#include "orbeni/local/ScritturaRubrica.h"
#include "orbeni/local/Windows1252.h"

#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QList>
#include <QRegularExpression>
#include <QUuid>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Coppie = QList<std::pair<QString, QString>>;

// The form body's pairs, each key and value percent-decoded from the workstation's code page.
Coppie LeggiCorpo(const QByteArray& corpo)
{
    Coppie coppie;
    for (const QByteArray& coppia : corpo.split('&')) {
        const qsizetype uguale = coppia.indexOf('=');
        if (uguale < 0)
            continue;
        coppie.append({TestoDaWindows1252(QByteArray::fromPercentEncoding(coppia.left(uguale))),
            TestoDaWindows1252(QByteArray::fromPercentEncoding(coppia.mid(uguale + 1)))});
    }
    return coppie;
}

QStringList ValoriDi(const Coppie& coppie, const QString& chiave)
{
    QStringList valori;
    for (const auto& [nome, valore] : coppie)
        if (nome == chiave && !valore.trimmed().isEmpty())
            valori.append(valore);
    return valori;
}

QString ValoreDi(const Coppie& coppie, const QString& chiave)
{
    return ValoriDi(coppie, chiave).value(0);
}

// Form keys and the directory attributes they fill.
const QList<std::pair<QString, QString>> attributiCampi {{u"titolo"_s, u"title"_s},
    {u"lingua"_s, u"preferredLanguage"_s}, {u"nome"_s, u"givenName"_s},
    {u"funzioneAziendale"_s, u"departmentNumber"_s}, {u"annotazioni"_s, u"description"_s},
    {u"numeroFax"_s, u"facsimileTelephoneNumber"_s}, {u"numeroTelCasa"_s, u"homePhone"_s},
    {u"numeroTelUff"_s, u"telephoneNumber"_s}, {u"numeroCell"_s, u"mobile"_s},
    {u"email"_s, u"mail"_s}, {u"societa"_s, u"o"_s}, {u"employeeType"_s, u"employeeType"_s}};

// Lower case: the client reads any "OK" in the header as success.
QByteArray Errore(const QString& motivo)
{
    return "ERR " + motivo.toLower().toUtf8();
}

} // namespace

QString SuffissoDominio(const QString& dominio)
{
    static const QRegularExpression etichetta(u"^[A-Za-z0-9-]+$"_s);
    const QStringList etichette = dominio.trimmed().split(u'.');
    if (etichette.size() != 2 || !etichetta.match(etichette.at(0)).hasMatch()
        || !etichetta.match(etichette.at(1)).hasMatch())
        return {};
    return u"dc="_s + etichette.at(0) + u",dc="_s + etichette.at(1) + u",o=internet"_s;
}

ServizioContatti::ServizioContatti(DirectoryContatti directory)
    : m_directory(std::move(directory))
{
    m_server.route(u"/tramavento/VbClientServicesServlet"_s, QHttpServerRequest::Method::Post,
        [this](const QHttpServerRequest& richiesta) {
            QHttpServerResponse risposta(QByteArray("text/plain"), QByteArray("fatto"));
            risposta.setHeader("RESULT", Esegui(richiesta.body()));
            return risposta;
        });
}

quint16 ServizioContatti::Avvia(const QHostAddress& indirizzo, quint16 porta)
{
    m_indirizzo = indirizzo;
    m_porta = m_server.listen(indirizzo, porta);
    return m_porta;
}

QString ServizioContatti::Indirizzo() const
{
    return m_indirizzo.toString() + u':' + QString::number(m_porta);
}

bool ServizioContatti::PubblicaIndirizzo(const QString& dominio)
{
    const QString suffisso = SuffissoDominio(dominio);
    ScritturaRubrica rubrica;
    return m_porta != 0 && !suffisso.isEmpty()
        && rubrica.Connetti(m_directory.Host, m_directory.NomeBind, m_directory.Password)
        && rubrica.Sostituisci(suffisso,
            {{u"objectClass"_s, {u"domain"_s, u"invexoDomain"_s}},
                {u"wsRouterURL"_s, {Indirizzo()}}});
}

QByteArray ServizioContatti::Esegui(const QByteArray& corpo)
{
    const Coppie coppie = LeggiCorpo(corpo);
    if (coppie.isEmpty() || coppie.first() != std::pair(u"esegui"_s, u"UPDATE_CONTATTO_CLIENTE"_s)
        || coppie.last() != std::pair(u"complete"_s, u"true"_s))
        return Errore(u"richiesta non valida"_s);
    const QString suffisso = SuffissoDominio(ValoreDi(coppie, u"dominio"_s));
    if (suffisso.isEmpty())
        return Errore(u"dominio non valido"_s);
    const QString orbeniCode = ValoreDi(coppie, u"orbeniCode"_s);
    const QString tipo = ValoreDi(coppie, u"employeeType"_s);
    if (!orbeniCode.contains(u'|') || (tipo != u"CL"_s && tipo != u"FO"_s))
        return Errore(u"contatto senza soggetto"_s);
    if (ValoriDi(coppie, u"funzioneAziendale"_s).isEmpty())
        return Errore(u"contatto senza funzione aziendale"_s);
    // A uid names an entry: letters, digits and a few signs only, so it can go into a name.
    static const QRegularExpression formaUid(u"^[A-Za-z0-9._-]{1,64}$"_s);
    QString uid = ValoreDi(coppie, u"uid"_s).trimmed();
    if (!uid.isEmpty() && !formaUid.match(uid).hasMatch())
        return Errore(u"uid non valido"_s);

    QHash<QString, QStringList> attributi;
    for (const auto& [chiave, attributo] : attributiCampi)
        attributi.insert(attributo, ValoriDi(coppie, chiave));
    attributi.insert(u"orbeniCode"_s, {orbeniCode});
    const QString cognome = ValoreDi(coppie, u"cognome"_s);
    const QString sn = !cognome.isEmpty()           ? cognome
        : !ValoreDi(coppie, u"societa"_s).isEmpty() ? ValoreDi(coppie, u"societa"_s)
                                                    : u"-"_s;
    attributi.insert(u"sn"_s, {sn});
    const QString nome = ValoreDi(coppie, u"nome"_s);
    attributi.insert(u"cn"_s, {nome.isEmpty() ? sn : QString(nome + u' ' + sn)});

    ScritturaRubrica rubrica;
    if (!rubrica.Connetti(m_directory.Host, m_directory.NomeBind, m_directory.Password))
        return Errore(u"directory non raggiungibile"_s);
    const QString base = u"ou=addressbook,"_s + suffisso;
    if (!uid.isEmpty()) {
        const auto trovati = rubrica.Cerca(base, u"(uid="_s + uid + u')');
        if (!trovati)
            return Errore(rubrica.Errore());
        if (trovati->size() > 1)
            return Errore(u"uid non univoco"_s);
        if (trovati->size() == 1) {
            const auto codici = rubrica.Valori(trovati->first(), u"orbeniCode"_s);
            // A post may change its own subject's contact only.
            if (!codici || !codici->contains(orbeniCode, Qt::CaseInsensitive))
                return Errore(u"contatto di un altro soggetto"_s);
            return rubrica.Sostituisci(trovati->first(), attributi) ? QByteArray("OK")
                                                                    : Errore(rubrica.Errore());
        }
    } else {
        uid = u"c"_s + QUuid::createUuid().toString(QUuid::Id128);
    }
    attributi.insert(u"objectClass"_s, {u"inetOrgPerson"_s, u"invexoContact"_s});
    attributi.insert(u"uid"_s, {uid});
    return rubrica.Aggiungi(u"uid="_s + uid + u',' + base, attributi) ? QByteArray("OK")
                                                                      : Errore(rubrica.Errore());
}
