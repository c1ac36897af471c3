#include "orbeni/local/PdfSemplice.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// The characters Windows-1252 places in 0x80-0x9F.
const QHash<char16_t, char>& Estensioni1252()
{
    static const QHash<char16_t, char> tabella {{u'\u20AC', '\x80'}, {u'\u201A', '\x82'},
        {u'\u0192', '\x83'}, {u'\u201E', '\x84'}, {u'\u2026', '\x85'}, {u'\u2020', '\x86'},
        {u'\u2021', '\x87'}, {u'\u02C6', '\x88'}, {u'\u2030', '\x89'}, {u'\u0160', '\x8A'},
        {u'\u2039', '\x8B'}, {u'\u0152', '\x8C'}, {u'\u017D', '\x8E'}, {u'\u2018', '\x91'},
        {u'\u2019', '\x92'}, {u'\u201C', '\x93'}, {u'\u201D', '\x94'}, {u'\u2022', '\x95'},
        {u'\u2013', '\x96'}, {u'\u2014', '\x97'}, {u'\u02DC', '\x98'}, {u'\u2122', '\x99'},
        {u'\u0161', '\x9A'}, {u'\u203A', '\x9B'}, {u'\u0153', '\x9C'}, {u'\u017E', '\x9E'},
        {u'\u0178', '\x9F'}};
    return tabella;
}

// A PDF literal string: WinAnsi bytes with "\", "(" and ")" escaped.
QByteArray StringaPdf(const QString& testo)
{
    QByteArray risultato = "(";
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        char byte = '?';
        if ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF))
            byte = static_cast<char>(u);
        else if (const auto trovato = Estensioni1252().constFind(u);
                 trovato != Estensioni1252().cend())
            byte = trovato.value();
        if (byte == '\\' || byte == '(' || byte == ')')
            risultato += '\\';
        risultato += byte;
    }
    return risultato + ')';
}

QByteArray ContenutoPagina(const QStringList& righe)
{
    QByteArray flusso = "BT\n/F2 14 Tf\n56 780 Td\n18 TL\n";
    for (qsizetype i = 0; i < righe.size(); ++i) {
        if (i == 1)
            flusso += "/F1 11 Tf\n15 TL\n";
        flusso += StringaPdf(righe.at(i)) + " Tj T*\n";
    }
    return flusso + "ET\n";
}

class ScrittorePdf final {
public:
    // Objects are numbered in the order they are added, from 1.
    void Oggetto(const QByteArray& corpo)
    {
        m_posizioni.append(m_pdf.size());
        m_pdf += QByteArray::number(m_posizioni.size()) + " 0 obj\n" + corpo + "\nendobj\n";
    }

    QByteArray Chiudi()
    {
        const qsizetype inizioXref = m_pdf.size();
        m_pdf += "xref\n0 " + QByteArray::number(m_posizioni.size() + 1) + "\n";
        m_pdf += "0000000000 65535 f \n";
        for (const qsizetype posizione : m_posizioni)
            m_pdf += QByteArray::number(posizione).rightJustified(10, '0') + " 00000 n \n";
        m_pdf += "trailer\n<< /Size " + QByteArray::number(m_posizioni.size() + 1)
            + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(inizioXref) + "\n%%EOF\n";
        return m_pdf;
    }

private:
    QByteArray m_pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    QList<qsizetype> m_posizioni;
};

} // namespace

QByteArray PdfTesto(const QList<QStringList>& pagine)
{
    const QList<QStringList> daScrivere = pagine.isEmpty() ? QList<QStringList> {{}} : pagine;
    const qsizetype numeroPagine = daScrivere.size();
    // 1 catalog, 2 pages, 3 and 4 fonts, then a page and its content for each page.
    const auto oggettoPagina = [](qsizetype i) { return QByteArray::number(5 + 2 * i); };
    ScrittorePdf pdf;
    pdf.Oggetto("<< /Type /Catalog /Pages 2 0 R >>");
    QByteArray figli;
    for (qsizetype i = 0; i < numeroPagine; ++i)
        figli += (i ? " " : "") + oggettoPagina(i) + " 0 R";
    pdf.Oggetto(
        "<< /Type /Pages /Kids [" + figli + "] /Count " + QByteArray::number(numeroPagine) + " >>");
    pdf.Oggetto("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica"
                " /Encoding /WinAnsiEncoding >>");
    pdf.Oggetto("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold"
                " /Encoding /WinAnsiEncoding >>");
    for (qsizetype i = 0; i < numeroPagine; ++i) {
        const QByteArray contenuto = ContenutoPagina(daScrivere.at(i));
        pdf.Oggetto("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842]"
                    " /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents "
            + QByteArray::number(6 + 2 * i) + " 0 R >>");
        pdf.Oggetto("<< /Length " + QByteArray::number(contenuto.size()) + " >>\nstream\n"
            + contenuto + "endstream");
    }
    return pdf.Chiudi();
}
