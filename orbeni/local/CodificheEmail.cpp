#include "orbeni/local/CodificheEmail.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype LunghezzaRiga = 76;
// "=?UTF-8?B?" + 60 base 64 characters + "?=" stays within the 75 of an encoded-word.
constexpr qsizetype ByteParola = 45;

bool AsciiStampabile(const QString& testo)
{
    for (const QChar c : testo)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

// Control characters would end a header line; they become blanks.
QString SenzaControlli(QString testo)
{
    for (QChar& c : testo)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return testo;
}

// Encoded-words of whole characters: a surrogate pair is never split across two words.
QByteArray ParoleCodificate(const QString& testo)
{
    QList<QByteArray> parole;
    QByteArray corrente;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        qsizetype lunghezza = 1;
        if (testo.at(i).isHighSurrogate() && i + 1 < testo.size()
            && testo.at(i + 1).isLowSurrogate())
            lunghezza = 2;
        const QByteArray carattere = testo.mid(i, lunghezza).toUtf8();
        i += lunghezza - 1;
        if (corrente.size() + carattere.size() > ByteParola) {
            parole.append(corrente);
            corrente.clear();
        }
        corrente += carattere;
    }
    if (!corrente.isEmpty())
        parole.append(corrente);
    QByteArray risultato;
    for (const QByteArray& parola : parole) {
        if (!risultato.isEmpty())
            risultato += "\r\n ";
        risultato += "=?UTF-8?B?" + parola.toBase64() + "?=";
    }
    return risultato;
}

} // namespace

QByteArray ParoleIntestazione(const QString& testo)
{
    const QString pulito = SenzaControlli(testo);
    // Text that merely looks like an encoded-word must be encoded too, or a reader decodes it.
    if (AsciiStampabile(pulito) && !pulito.contains(u"=?"_s))
        return pulito.toLatin1();
    return ParoleCodificate(pulito);
}

QByteArray NomeVisualizzato(const QString& nome)
{
    const QString pulito = SenzaControlli(nome);
    if (!AsciiStampabile(pulito) || pulito.contains(u"=?"_s))
        return ParoleCodificate(pulito);
    QByteArray citato = "\"";
    for (const QChar c : pulito) {
        if (c == u'"' || c == u'\\')
            citato += '\\';
        citato += char(c.unicode());
    }
    return citato + '"';
}

bool IndirizzoEmailAccettabile(const QString& indirizzo)
{
    static const QRegularExpression forma(
        u"^[A-Za-z0-9!#$%&'*+/=?^_`{|}~.-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"_s);
    return indirizzo.size() <= 254 && forma.match(indirizzo).hasMatch()
        && !indirizzo.startsWith(u'.') && !indirizzo.contains(u".."_s)
        && !indirizzo.contains(u".@"_s);
}

QStringList SeparaIndirizzi(const QString& campo)
{
    QStringList indirizzi;
    for (const QString& parte : campo.split(QRegularExpression(u"[;,]"_s), Qt::SkipEmptyParts))
        if (const QString indirizzo = parte.trimmed(); !indirizzo.isEmpty())
            indirizzi.append(indirizzo);
    return indirizzi;
}

QByteArray QuotedPrintable(const QString& testo)
{
    QString normalizzato = testo;
    normalizzato.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QByteArray risultato;
    const QList<QByteArray> righe = normalizzato.toUtf8().split('\n');
    for (qsizetype r = 0; r < righe.size(); ++r) {
        const QByteArray& riga = righe.at(r);
        QByteArray uscita;
        qsizetype colonna = 0;
        for (qsizetype i = 0; i < riga.size(); ++i) {
            const auto byte = static_cast<unsigned char>(riga.at(i));
            const bool ultimo = i + 1 == riga.size();
            // Blanks at the end of a line would be dropped in transit, so they are encoded.
            const bool letterale = (byte >= 33 && byte <= 126 && byte != '=')
                || ((byte == ' ' || byte == '\t') && !ultimo);
            const QByteArray pezzo = letterale
                ? QByteArray(1, char(byte))
                : "=" + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
            // A soft break keeps every line within 76 characters, the "=" included.
            if (colonna + pezzo.size() > LunghezzaRiga - (ultimo ? 0 : 1)) {
                uscita += "=\r\n";
                colonna = 0;
            }
            uscita += pezzo;
            colonna += pezzo.size();
        }
        risultato += uscita;
        if (r + 1 < righe.size())
            risultato += "\r\n";
    }
    return risultato;
}

QByteArray Base64ARighe(const QByteArray& dati)
{
    const QByteArray codificato = dati.toBase64();
    QByteArray risultato;
    risultato.reserve(codificato.size() + codificato.size() / LunghezzaRiga * 2 + 2);
    for (qsizetype i = 0; i < codificato.size(); i += LunghezzaRiga)
        risultato += codificato.mid(i, LunghezzaRiga) + "\r\n";
    return risultato;
}
