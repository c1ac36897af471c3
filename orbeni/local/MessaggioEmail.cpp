#include "orbeni/local/MessaggioEmail.h"

#include "orbeni/local/CodificheEmail.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// "Mon, 16 Jun 2025 09:30:00 +0200", in English whatever the machine's language.
QByteArray DataRfc(const QDateTime& data)
{
    const int scarto = data.offsetFromUtc() / 60;
    const int assoluto = scarto < 0 ? -scarto : scarto;
    const QString fuso = (scarto < 0 ? u"-"_s : u"+"_s)
        + QString::number(assoluto / 60).rightJustified(2, u'0')
        + QString::number(assoluto % 60).rightJustified(2, u'0');
    return QString(QLocale::c().toString(data, u"ddd, dd MMM yyyy HH:mm:ss "_s) + fuso).toLatin1();
}

QByteArray Casella(const QString& nome, const QString& indirizzo)
{
    if (nome.isEmpty() || nome == indirizzo)
        return indirizzo.toLatin1();
    return NomeVisualizzato(nome) + " <" + indirizzo.toLatin1() + '>';
}

QByteArray Destinatari(const MessaggioEmail& m)
{
    QByteArray elenco;
    for (qsizetype i = 0; i < m.IndirizziDestinatario.size(); ++i) {
        if (i > 0)
            elenco += ",\r\n ";
        elenco += Casella(i == 0 ? m.NomeDestinatario : QString(), m.IndirizziDestinatario.at(i));
    }
    return elenco;
}

QByteArray Dominio(const QString& indirizzo)
{
    const QString dominio = indirizzo.section(u'@', 1);
    return dominio.isEmpty() ? QByteArray("invexo.local") : dominio.toLatin1();
}

} // namespace

QByteArray ComponiEmail(const MessaggioEmail& m)
{
    // Neither base 64 nor quoted-printable can produce "=_", so the boundary never occurs inside.
    const QByteArray confine = "=_Invexo_" + m.IdentificativoLocale.toLatin1();
    QByteArray testo;
    testo += "Date: " + DataRfc(m.Data) + "\r\n";
    testo += "From: " + Casella(m.NomeMittente, m.IndirizzoMittente) + "\r\n";
    testo += "To: " + Destinatari(m) + "\r\n";
    testo += "Subject: " + ParoleIntestazione(m.Oggetto) + "\r\n";
    testo += "Message-ID: <" + m.IdentificativoLocale.toLatin1() + '@'
        + Dominio(m.IndirizzoMittente) + ">\r\n";
    testo += "MIME-Version: 1.0\r\n";
    testo += "Content-Type: multipart/mixed; boundary=\"" + confine + "\"\r\n";
    testo += "\r\n";
    testo += "This is a multi-part message in MIME format.\r\n";
    testo += "--" + confine + "\r\n";
    testo += "Content-Type: text/plain; charset=utf-8\r\n";
    testo += "Content-Transfer-Encoding: quoted-printable\r\n";
    testo += "\r\n";
    // The line end before a boundary belongs to the boundary, so every body is followed by one.
    testo += QuotedPrintable(m.Testo) + "\r\n";
    for (const AllegatoEmail& allegato : m.Allegati) {
        const QByteArray nome = allegato.NomeFile.toLatin1();
        testo += "--" + confine + "\r\n";
        testo += "Content-Type: " + allegato.TipoMime + "; name=\"" + nome + "\"\r\n";
        testo += "Content-Transfer-Encoding: base64\r\n";
        testo += "Content-Disposition: attachment; filename=\"" + nome + "\"\r\n";
        testo += "\r\n";
        testo += allegato.Dati.isEmpty() ? QByteArray("\r\n") : Base64ARighe(allegato.Dati);
    }
    testo += "--" + confine + "--\r\n";
    return testo;
}
