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

QString ServerIrraggiungibile::StampaDocumenti(
    const QString&, const QString&, const QList<DocumentoPtr>&, bool)
{
    return {};
}

QString ServerIrraggiungibile::StampaElenco(
    const QString&, const QString&, const QList<DocumentoPtr>&, bool)
{
    return {};
}

bool ServerIrraggiungibile::RegistraInvioLocale(
    const QString&, const QString&, const QList<DocumentoPtr>&)
{
    return false;
}

QString ServerIrraggiungibile::FileCliente(
    const QString&, const QString&, const Cliente&, bool, bool)
{
    return {};
}

QString ServerIrraggiungibile::FileExportCliente(
    const QString&, const QString&, const Cliente&, bool, bool)
{
    return {};
}

QString ServerIrraggiungibile::FileFaxDocumento(
    const QString&, const QString&, const Documento&, bool, bool)
{
    return {};
}

bool ServerIrraggiungibile::PreparaFax(const QString&, const QString&, const QString&)
{
    return false;
}

bool ServerIrraggiungibile::InviaFax(const QString&, const QString&, const QString&, const QString&,
    const QString&, const QString&, QString&)
{
    return false;
}

QString ServerIrraggiungibile::ElencoFileServer(const QString&, const QString&, const QString&)
{
    return {};
}

bool ServerIrraggiungibile::CancellaSulServer(const QString&, const QString&)
{
    return false;
}

bool ServerIrraggiungibile::StatoFax(const QString&, const QString&)
{
    return false;
}

bool ServerIrraggiungibile::ConvertiInWord(const QString&, const QString&, const QString&)
{
    return false;
}
