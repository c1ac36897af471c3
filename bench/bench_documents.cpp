// Turning a search answer of 100,000 documents into rows of LWDocumenti.
#include "documents/CercaDocumenti.h"
#include "documents/ColonneDocumenti.h"
#include "orbeni/Risultati.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Documenti = 100'000;
constexpr int DocumentiPerCliente = 50;

const QStringList Tipi {u"FATTURE EMESSE"_s, u"NOTE DI CREDITO EMESSE"_s, u"CONFERME"_s,
    u"BOLLE DI VENDITA"_s, u"PACKING LIST"_s};

ArchivioSerie Archivio()
{
    ArchivioSerie archivio;
    const QStringList sigle {u"FATT."_s, u"NT.CRED."_s, u"CONF."_s, u"BOLLA"_s, u"PACK."_s};
    for (int i = 0; i < Tipi.size(); ++i)
        archivio.VociSerie.append({{}, {}, Tipi[i], sigle[i]});
    archivio.AnnotaFatture = archivio.AnnotaBolle = true;
    return archivio;
}

// A fresh answer each time: building the rows writes the kind code and print form into it.
DocumentiTrovati Risposta()
{
    DocumentiTrovati trovati;
    const QDateTime inizio(QDate(2024, 1, 1), QTime(9, 0));
    for (int n = 0; n < Documenti; ++n) {
        if (n % DocumentiPerCliente == 0) {
            auto cliente = std::make_shared<Cliente>();
            cliente->Codice = u"C%1"_s.arg(n / DocumentiPerCliente, 5, 10, QLatin1Char('0'));
            cliente->Nominativo = u"Cliente "_s + cliente->Codice;
            trovati.Clienti.append(cliente);
        }
        auto d = std::make_shared<Documento>();
        d->DescrizioneTipo = Tipi[n % Tipi.size()];
        d->Serie = u"FA"_s;
        d->Numero = n + 1;
        d->Anno = 2024;
        d->Data = inizio.addSecs(n * 60);
        d->Agente = u"Bianchi Carlo"_s;
        d->InviatoDa = u"mario"_s;
        d->DataInvio = u"01/02/2024"_s;
        d->Note = u"nota"_s;
        trovati.Clienti.last()->DocumentiCliente.append(d);
    }
    return trovati;
}

void RigheLWDocumenti(benchmark::State& stato)
{
    const ArchivioSerie archivio = Archivio();
    const SigleTipi sigle(archivio);
    const auto opzioni = OpzioniRighe(u"TUTTI I DOCUMENTI"_s, false, true, archivio);
    for (auto _ : stato) {
        stato.PauseTiming();
        DocumentiTrovati trovati = Risposta();
        Elenco lista;
        ColonneLWDocumenti(lista);
        stato.ResumeTiming();
        const auto esito = AggiungiRigheDocumenti(lista, trovati, opzioni, sigle);
        benchmark::DoNotOptimize(esito);
        stato.PauseTiming();
        if (lista.Conta() != Documenti)
            stato.SkipWithError("rows missing");
        lista.Svuota();
        trovati.Clienti.clear();
        stato.ResumeTiming();
    }
    stato.SetItemsProcessed(stato.iterations() * Documenti);
}

} // namespace

BENCHMARK(RigheLWDocumenti)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
