#include "orbeni/local/ServerIrraggiungibile.h"

using namespace Qt::StringLiterals;

ServerIrraggiungibile::ServerIrraggiungibile(QString indirizzo)
    : m_errore(u"Nessuna risposta dal server "_s + indirizzo)
{
}

bool ServerIrraggiungibile::Autentica(const QString&, const QString&, QString&, QString&)
{
    return false;
}

bool ServerIrraggiungibile::Richiesta(
    const QString&, const QString&, const QStringList&, RisultatoRichiesta&)
{
    return false;
}

bool ServerIrraggiungibile::ComandoRemoto(const QString&, const QString&)
{
    return false;
}

QString ServerIrraggiungibile::CopiaDalServer(const QString&, const QString&, const QString&)
{
    return {};
}

bool ServerIrraggiungibile::CopiaSulServer(const QString&, const QString&, const QString&)
{
    return false;
}

bool ServerIrraggiungibile::PreparaFileTesto(const QString&, const QString&)
{
    return false;
}

bool ServerIrraggiungibile::VerificaUtente(
    const QString&, const QString&, QString&, QString&, QString&)
{
    return false;
}

QString ServerIrraggiungibile::NomeUtente(const QString&, QString&)
{
    return {};
}

QStringList ServerIrraggiungibile::ElencoCodiciRicerca(const QString&, const QString&, bool)
{
    return {};
}

QString ServerIrraggiungibile::FileDocumento(
    const QString&, const QString&, const Documento&, bool, bool)
{
    return {};
}

bool ServerIrraggiungibile::AvviaInvio(
    const QString&, const QString&, const QString&, const QString&)
{
    return false;
}

bool ServerIrraggiungibile::RegistraDocumenti(
    const QString&, const QString&, const QList<DocumentoPtr>&, const QString&, bool)
{
    return false;
}
