#include "sending/RigheComandoPosta.h"

#include "orbeni/QuotaShell.h"

using namespace Qt::StringLiterals;

namespace {

QString ArgomentoCompose(const QString& lista)
{
    return u"to='',cc='',subject='',body='',attachment='"_s + lista + u"'"_s;
}

QString RigaCd(const QString& cartella)
{
    return u"cd \""_s + cartella + u'"';
}

// The first character of the folder is its drive letter.
QString Unita(const QString& cartella)
{
    return cartella.left(1);
}

// A batch file expands "%"; a doubled one stands for itself.
QString PerBatch(QString riga)
{
    return riga.replace(u'%', u"%%"_s);
}

} // namespace

QString AllegatoRigaComando(const QString& percorso)
{
    QString voce;
    voce.reserve(percorso.size() + 8);
    for (const QChar c : percorso) {
        switch (c.unicode()) {
        case u'%': voce += u"%25"_s; break;
        case u'\'': voce += u"%27"_s; break;
        case u',': voce += u"%2C"_s; break;
        case u'"': voce += u"%22"_s; break;
        default: voce += c;
        }
    }
    return u"file://"_s + voce;
}

QString ListaAllegatiRigaComando(const QStringList& percorsi)
{
    QStringList voci;
    for (const QString& percorso : percorsi)
        voci.append(AllegatoRigaComando(percorso));
    return voci.join(u',');
}

RigheBatch RigheThunderbirdWindows(const QString& cartella, const QString& lista)
{
    QString seconda
        = Unita(cartella) + u":thunderbird -compose \""_s + ArgomentoCompose(lista) + u"\"  "_s;
    seconda.replace(u'\\', u'/');
    return {RigaCd(cartella), PerBatch(seconda)};
}

RigheBatch RigheOfficeOutlookWindows(const QString& cartella, const QString& lista)
{
    QString seconda = Unita(cartella) + u":outlook /a \""_s + lista + u'"';
    seconda.replace(u'\\', u'/');
    return {RigaCd(cartella), PerBatch(seconda)};
}

RigheBatch RigheThunderbirdPosix(const QString& programma, const QString& lista)
{
    return {QuotaPerShell(programma) + u" -compose "_s + QuotaPerShell(ArgomentoCompose(lista)),
        QString()};
}

QString NomeAllegatoOutlook(const Documento& documento)
{
    return documento.Serie + u' ' + QString::number(documento.Numero) + u' ' + documento.StampaPDF
        + u".PDF"_s;
}

QString NomeAllegatoMapi(const Documento& documento)
{
    return documento.Serie + u' ' + QString::number(documento.Numero) + u' '
        + QString::number(documento.Anno) + u' ' + documento.StampaPDF + u".PDF"_s;
}
