#include "orbeni/local/ConversioneWord.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// A PDF literal string without its escapes; bytes are WinAnsi, read here as Latin-1.
QString StringaDaPdf(const QByteArray& grezza)
{
    QByteArray testo;
    for (qsizetype i = 0; i < grezza.size(); ++i) {
        if (grezza.at(i) == '\\' && i + 1 < grezza.size())
            ++i;
        testo += grezza.at(i);
    }
    return QString::fromLatin1(testo);
}

} // namespace

QStringList TestoPdf(const QByteArray& pdf)
{
    static const QRegularExpression mostra(uR"(\(((?:[^()\\]|\\.)*)\)\s*Tj)"_s);
    QStringList righe;
    const QString testo = QString::fromLatin1(pdf);
    for (auto trovata = mostra.globalMatch(testo); trovata.hasNext();)
        righe.append(StringaDaPdf(trovata.next().captured(1).toLatin1()));
    return righe;
}

QByteArray DocumentoRtf(const QStringList& righe)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs22\n";
    for (const QString& riga : righe) {
        for (const QChar c : riga) {
            const char16_t u = c.unicode();
            if (u == u'\\' || u == u'{' || u == u'}')
                rtf += '\\' + QByteArray(1, static_cast<char>(u));
            else if (u >= 0x20 && u < 0x80)
                rtf += static_cast<char>(u);
            else if (u <= 0xFF)
                rtf += "\\'" + QByteArray::number(int(u), 16).rightJustified(2, '0');
            else
                rtf += "\\u" + QByteArray::number(int(static_cast<short>(u))) + '?';
        }
        rtf += "\\par\n";
    }
    return rtf + "}\n";
}
