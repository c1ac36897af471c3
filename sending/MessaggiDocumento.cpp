#include "sending/MessaggiDocumento.h"

using namespace Qt::StringLiterals;

QString SerieNumero(const Documento& documento)
{
    return documento.Serie + u' ' + QString::number(documento.Numero);
}

QString MessaggioDaStampare(const Documento& documento)
{
    return u"Il documento "_s + SerieNumero(documento) + u" deve essere stampato"_s;
}
