#include "orbeni/local/LavoroFaxSpool.h"

#include "orbeni/local/ConversioneRighe.h"
#include "orbeni/local/RadiceServer.h"

#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoDestinatario;

namespace {

// The fax composition writes seven blanks and then the address book's name in the code field.
constexpr qsizetype BlankRubrica = 7;

// One value of a key=value line: blanks become "_", a byte that would break the line too.
QByteArray Valore(QByteArray testo)
{
    testo = testo.trimmed();
    for (char& c : testo)
        if (c == ' ' || (static_cast<unsigned char>(c) < 0x20))
            c = '_';
    return testo;
}

QByteArray Rubrica(const DestinatarioSpool& d)
{
    const QByteArray codice = d.Record.Grezzo(CampoDestinatario::Codice);
    if (codice.size() <= BlankRubrica || codice.left(BlankRubrica) != QByteArray(BlankRubrica, ' '))
        return {};
    return Valore(codice.mid(BlankRubrica));
}

} // namespace

bool NumeroFaxAccettabile(const QString& numero)
{
    static const QRegularExpression forma(u"^[0-9 +/().,-]*[0-9][0-9 +/().,-]*$"_s);
    return forma.match(numero).hasMatch();
}

QByteArray DescrizioneLavoroFax(const QString& idLavoro, const QString& utente,
    const QDateTime& quando, const DestinatarioSpool& d)
{
    using C = CampoDestinatario;
    const QLocale c = QLocale::c();
    const QByteArray mittente = d.Record.Grezzo(C::EmailMittente).trimmed();
    const QList<std::pair<QByteArray, QByteArray>> righe {
        {"ID", idLavoro.toLatin1()},
        {"UTENTE", Valore(utente.toLatin1())},
        {"TIMEINVIO", quando.toString(u"HH:mm"_s).toLatin1()},
        {"DATAINVIO", c.toString(quando.date(), u"ddMMMyy"_s).toUpper().toLatin1()},
        {"DESTINATARIO", Valore(d.Record.Grezzo(C::Nominativo))},
        {"NUMEROFAX", Valore(d.Record.Grezzo(C::Fax))},
        {"OGGETTO", Valore(d.Record.Grezzo(C::Oggetto))},
        {"FROM", mittente.isEmpty() ? Valore(utente.toLatin1()) : Valore(mittente)},
        {"ATTENZIONE", Valore(d.Record.Grezzo(C::TestoExtra))},
        {"MITTENTE", Valore(d.Record.Grezzo(C::NominativoMittente))},
        {"RUBRICA", Rubrica(d)},
    };
    QByteArray testo;
    for (const auto& [chiave, valore] : righe)
        testo += chiave + '=' + valore + '\n';
    return testo;
}

bool ScriviCartellaLavoroFax(const QString& cartellaLocale, const QByteArray& descrizione,
    const QByteArray& copertina, const QList<FileAllegato>& allegati, const QString& stato,
    QString& errore)
{
    QList<std::pair<QString, QByteArray>> file {
        {u"desfile.txt"_s, descrizione}, {u"frnmail.txt"_s, DosAUnix(copertina)}};
    for (const FileAllegato& allegato : allegati)
        file.append({allegato.NomeFile, allegato.Dati});
    if (!stato.isEmpty())
        file.append({u"status"_s, stato.toLatin1() + '\n'});
    for (const auto& [nome, contenuto] : file)
        if (!RadiceServer::NomeSemplice(nome)
            || !ScriviFileIntero(cartellaLocale + u'/' + nome, contenuto, errore))
            return false;
    return true;
}
