// A to-send search of 1,000 documents of 300 customers, three directory contacts each, with
// every row's send address read from a slapd on the loopback.
#include "app/Invexo_Main.h"
#include "contacts/RubricaInvioLdap.h"
#include "documents/CercaDocumenti.h"
#include "orbeni/Risultati.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/ServerLdapDiProva.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Clienti = 300;
constexpr int Documenti = 1'000;
const QString suffisso = u"dc=quorvanel,dc=it,o=internet"_s;

QString Codice(int i)
{
    return u"06%1"_s.arg(i, 5, 10, QLatin1Char('0'));
}

QString Contatto(const QString& uid, const QString& codice, const QString& tipo,
    const QStringList& funzioni, const QString& mail, const QString& fax)
{
    QString voce = u"dn: uid="_s + uid + u",ou=addressbook,"_s + suffisso
        + u"\nobjectClass: inetOrgPerson\nobjectClass: invexoContact\nuid: "_s + uid + u"\ncn: "_s
        + uid + u"\nsn: "_s + uid + u"\ngivenName: Ufficio\nemployeeType: "_s + tipo
        + u"\norbeniCode: 01|"_s + codice + u'\n';
    for (const QString& funzione : funzioni)
        voce += u"departmentNumber: "_s + funzione + u'\n';
    if (!mail.isEmpty())
        voce += u"mail: "_s + mail + u'\n';
    if (!fax.isEmpty())
        voce += u"facsimileTelephoneNumber: "_s + fax + u'\n';
    return voce + u'\n';
}

QString Ldif()
{
    QString ldif = u"dn: dc=it,o=internet\nobjectClass: domain\ndc: it\n\n"
                   u"dn: dc=quorvanel,dc=it,o=internet\nobjectClass: domain\n"
                   u"objectClass: invexoDomain\ndc: quorvanel\nwsRouterURL: 127.0.0.1:8080\n\n"
                   u"dn: ou=people,dc=quorvanel,dc=it,o=internet\nobjectClass: "
                   u"organizationalUnit\nou: people\n\n"
                   u"dn: ou=addressbook,dc=quorvanel,dc=it,o=internet\nobjectClass: "
                   u"organizationalUnit\nou: addressbook\n\n"
                   u"dn: uid=demo,ou=people,dc=quorvanel,dc=it,o=internet\nobjectClass: "
                   u"inetOrgPerson\nobjectClass: invexoUser\nuid: demo\ncn: demo\nsn: demo\n"
                   u"userLogin: demo@quorvanel.it\n\n"_s;
    for (int i = 0; i < Clienti; ++i) {
        const QString codice = Codice(i);
        ldif += Contatto(u"a"_s + codice, codice, u"CL"_s, {u"Invio fatture"_s},
            u"fatture@"_s + codice + u".it"_s, {});
        ldif += Contatto(u"b"_s + codice, codice, u"CL"_s, {u"Invio fatture"_s, u"Invio bolle"_s},
            u"contabilita@"_s + codice + u".it"_s, u"0574"_s + codice);
        ldif += Contatto(u"c"_s + codice, codice, u"CL"_s, {u"Invio bolle"_s},
            u"magazzino@"_s + codice + u".it"_s, {});
    }
    ldif += Contatto(u"f0000001"_s, u"0000001"_s, u"FO"_s, {u"Invio fatture"_s},
        u"fornitore@fornitori.it"_s, {});
    return ldif;
}

ArchivioSerie Opzioni(const ServerLdapDiProva& server)
{
    ArchivioSerie opzioni;
    opzioni.VociSerie
        = {{{}, {}, u"FATTURE EMESSE"_s, u"FATT."_s}, {{}, {}, u"BOLLE DI VENDITA"_s, u"BOLLA"_s}};
    opzioni.RubricaLdap = opzioni.InvioDaInviare = true;
    opzioni.ServerLdap = server.Indirizzo();
    opzioni.DominioPosta = u"quorvanel.it"_s;
    return opzioni;
}

// Each customer has invoices and delivery notes; one document in ten also goes to a supplier.
DocumentiTrovati Risposta()
{
    DocumentiTrovati trovati;
    for (int i = 0; i < Clienti; ++i) {
        auto cliente = std::make_shared<Cliente>();
        cliente->Codice = Codice(i);
        cliente->Nominativo = u"Cliente "_s + cliente->Codice;
        trovati.Clienti.append(cliente);
    }
    for (int n = 0; n < Documenti; ++n) {
        auto documento = std::make_shared<Documento>();
        documento->DescrizioneTipo
            = (n / Clienti) % 3 == 2 ? u"BOLLE DI VENDITA"_s : u"FATTURE EMESSE"_s;
        documento->Serie = u"A"_s;
        documento->Numero = n + 1;
        documento->Anno = 2024;
        documento->Data = QDateTime(QDate(2024, 3, 1), QTime(9, 0));
        if (n % 10 == 0)
            documento->AltriCodici = u"0000001 "_s;
        trovati.Clienti[n % Clienti]->DocumentiCliente.append(documento);
    }
    return trovati;
}

void RicercaDaInviare(benchmark::State& stato)
{
    ServerLdapDiProva server(Ldif());
    if (!server.Avviato()) {
        stato.SkipWithError(server.Errore().toUtf8().constData());
        return;
    }
    Invexo_Main globali;
    globali.CodiceAzienda = u"01"_s;
    globali.LoginDirectory = u"demo@quorvanel.it"_s;
    globali.Archivio = std::make_shared<ArchivioSerie>(Opzioni(server));
    DialoghiScriptati dialoghi;
    RubricaInvioLdap rubrica(globali, dialoghi, AccessoLdap {});
    const auto opzioni = OpzioniRighe(u"DA INVIARE"_s, true, false, *globali.Archivio);
    const SigleTipi sigle(*globali.Archivio);
    int righe = 0;
    for (auto _ : stato) {
        stato.PauseTiming();
        DocumentiTrovati trovati = Risposta();
        Elenco lista;
        stato.ResumeTiming();
        if (!rubrica.Connetti()) {
            stato.SkipWithError("directory non raggiungibile");
            return;
        }
        righe = AggiungiRigheDocumenti(lista, trovati, opzioni, sigle, &rubrica).Aggiunte;
        benchmark::DoNotOptimize(lista.Conta());
    }
    stato.counters[u"righe"_s.toStdString()] = righe;
    stato.counters[u"ricerche"_s.toStdString()] = rubrica.RicercheEseguite();
}

} // namespace

BENCHMARK(RicercaDaInviare)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
