#include "orbeni/local/RubricaDemo.h"

#include "orbeni/local/ScritturaRubrica.h"

#include <QRegularExpression>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

struct SoggettoDemo final {
    QString Codice;
    QString Tipo;
    QString Nominativo;
    QString Email;
    QString Fax;
};

QHash<QString, QStringList> Contatto(const SoggettoDemo& soggetto, const QString& azienda,
    const QString& uid, const QString& nome, const QStringList& funzioni, const QString& mail,
    const QString& fax)
{
    QHash<QString, QStringList> attributi {
        {u"objectClass"_s, {u"inetOrgPerson"_s, u"invexoContact"_s}}, {u"uid"_s, {uid}},
        {u"cn"_s, {nome}}, {u"sn"_s, {nome}}, {u"o"_s, {soggetto.Nominativo}},
        {u"employeeType"_s, {soggetto.Tipo == u"CLIENTE"_s ? u"CL"_s : u"FO"_s}},
        {u"departmentNumber"_s, funzioni}, {u"orbeniCode"_s, {azienda + u'|' + soggetto.Codice}},
        {u"preferredLanguage"_s, {u"it"_s}}};
    if (!mail.isEmpty())
        attributi.insert(u"mail"_s, {mail});
    if (!fax.isEmpty())
        attributi.insert(u"facsimileTelephoneNumber"_s, {fax});
    return attributi;
}

} // namespace

std::optional<int> SeminaRubricaDemo(const DirectoryContatti& directory, const QString& dominio,
    ArchivioLocale& archivio, const QString& azienda)
{
    const QString suffisso = SuffissoDominio(dominio);
    static const QRegularExpression codiceSemplice(u"^[A-Za-z0-9]+$"_s);
    if (suffisso.isEmpty() || !codiceSemplice.match(azienda).hasMatch())
        return std::nullopt;
    QSqlQuery query(archivio.Database());
    query.prepare(u"SELECT Codice, TipoAnagrafica, Nominativo, Email, Fax FROM anagrafiche "
                  "WHERE Azienda = ? AND UPPER(TipoAnagrafica) IN ('CLIENTE', 'FORNITORE', "
                  "'FORNITORI') ORDER BY Codice"_s);
    query.addBindValue(azienda);
    if (!query.exec())
        return std::nullopt;
    QList<SoggettoDemo> soggetti;
    while (query.next())
        soggetti.append({query.value(0).toString(), query.value(1).toString().toUpper(),
            query.value(2).toString(), query.value(3).toString(), query.value(4).toString()});

    ScritturaRubrica rubrica;
    if (!rubrica.Connetti(directory.Host, directory.NomeBind, directory.Password))
        return std::nullopt;
    const QString base = u"ou=addressbook,"_s + suffisso;
    int aggiunti = 0;
    for (const SoggettoDemo& s : soggetti) {
        if (!codiceSemplice.match(s.Codice).hasMatch())
            continue;
        const auto esistenti
            = rubrica.Cerca(base, u"(orbeniCode="_s + azienda + u'|' + s.Codice + u')');
        if (!esistenti)
            return std::nullopt;
        if (!esistenti->isEmpty())
            continue;
        const QString primaEmail = s.Email.section(u';', 0, 0).trimmed();
        const QString radiceUid = u"demo"_s + azienda + s.Codice;
        QList<std::pair<QString, QHash<QString, QStringList>>> contatti;
        if (!primaEmail.isEmpty()) {
            const QString dominioCliente = primaEmail.section(u'@', 1);
            contatti.append({radiceUid + u'a',
                Contatto(s, azienda, radiceUid + u'a', u"Ufficio fatture"_s,
                    {u"Invio fatture"_s, u"Referente amministrativo"_s},
                    u"fatture@"_s + dominioCliente, s.Fax)});
            contatti.append({radiceUid + u'b',
                Contatto(s, azienda, radiceUid + u'b', u"Ufficio ordini"_s,
                    {u"Invio conferme"_s, u"Invio conferme di campionario"_s, u"Invio bolle"_s},
                    primaEmail, {})});
        } else if (!s.Fax.trimmed().isEmpty()) {
            contatti.append({radiceUid + u'a',
                Contatto(s, azienda, radiceUid + u'a', u"Ufficio amministrazione"_s,
                    {u"Invio fatture"_s, u"Invio conferme"_s, u"Invio conferme di campionario"_s,
                        u"Invio bolle"_s, u"Referente amministrativo"_s},
                    {}, s.Fax.trimmed())});
        }
        for (const auto& [uid, attributi] : contatti) {
            if (!rubrica.Aggiungi(u"uid="_s + uid + u',' + base, attributi))
                return std::nullopt;
            ++aggiunti;
        }
    }
    return aggiunti;
}

std::unique_ptr<ServizioContatti> AvviaRubricaDemo(const DirectoryContatti& directory,
    const QString& dominio, ArchivioLocale& archivio, const QString& azienda)
{
    auto servizio = std::make_unique<ServizioContatti>(directory);
    if (servizio->Avvia() == 0 || !servizio->PubblicaIndirizzo(dominio)
        || !SeminaRubricaDemo(directory, dominio, archivio, azienda))
        return nullptr;
    QSqlQuery query(archivio.Database());
    query.prepare(u"UPDATE opzioni_servizio SET RubricaLdap = 1, ServerLdap = ?, "
                  "DominioPosta = ? WHERE Azienda = ?"_s);
    query.addBindValue(directory.Host);
    query.addBindValue(dominio);
    query.addBindValue(azienda);
    if (!query.exec())
        return nullptr;
    return servizio;
}
