#include "tests/contacts/SessioneRubrica.h"

#include "tests/support/TempRoot.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString LdifRubrica()
{
    QFile file(CartellaDatiTest() + u"/contacts/rubrica.ldif"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

[[maybe_unused]] const auto* const ambiente
    = ::testing::AddGlobalTestEnvironment(new AmbienteServerLdap(LdifRubrica));

} // namespace

ServerLdapDiProva& DirectoryDiProva()
{
    return AmbienteServerLdap::Server();
}

std::unique_ptr<Invexo_Main> SessioneRubrica()
{
    auto globali = std::make_unique<Invexo_Main>();
    globali->CodiceAzienda = u"01"_s;
    globali->LoginDirectory = u"demo@quorvanel.it"_s;
    globali->Archivio = std::make_shared<ArchivioSerie>();
    globali->Archivio->RubricaLdap = true;
    globali->Archivio->InvioDaInviare = true;
    globali->Archivio->ServerLdap = DirectoryDiProva().Indirizzo();
    globali->Archivio->DominioPosta = u" quorvanel.it "_s;
    globali->SessioneOrbeni = std::make_shared<Sessione>();
    globali->SessioneOrbeni->Utente.Codice = u"demo"_s;
    globali->SessioneOrbeni->Utente.CodiceDirectory = u"01"_s;
    return globali;
}

bool AttendiFinche(const std::function<bool()>& condizione, int millisecondi)
{
    const QDeadlineTimer scadenza(millisecondi);
    while (!condizione() && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condizione();
}
