#include "sending/ScriviSpool.h"
#include "tests/sending/ServiziFinti.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QList<CDatiInvioDocumentoCliente> Voci(int quante)
{
    QList<CDatiInvioDocumentoCliente> voci;
    voci.reserve(quante);
    for (int i = 0; i < quante; ++i) {
        auto cliente = std::make_shared<Cliente>();
        cliente->Codice = u"C%1"_s.arg(i % 500, 5, 10, QChar(u'0'));
        cliente->Nominativo = u"Cliente di prova numero %1"_s.arg(i);
        if (i % 4 == 0)
            cliente->Fax = u"0522/%1"_s.arg(i);
        else
            cliente->Email = u"cliente%1@esempio.it"_s.arg(i);
        cliente->AggiornaRubrica = i % 7 == 0;
        auto documento = std::make_shared<Documento>();
        documento->Sigla = u"FATT."_s;
        documento->Serie = u"FA"_s;
        documento->Anno = 2024;
        documento->Numero = i + 1;
        documento->DescrizioneTipo = u"FATTURE EMESSE"_s;
        voci.append({cliente, documento, false});
    }
    return voci;
}

void ScriviSpoolDocumenti10000(benchmark::State& stato)
{
    QTemporaryDir cartella;
    auto servizi = std::make_shared<ServiziFinti>();
    Invexo_Main globali = GlobaliDiProva(cartella.path(), servizi);
    const auto voci = Voci(static_cast<int>(stato.range(0)));
    const QDateTime ora(QDate(2024, 3, 5), QTime(9, 7));
    for (auto _ : stato) {
        const EsitoSpool esito = ScriviSpoolDocumenti(
            globali, voci, u"Ufficio Vendite"_s, u"vendite@quorvanel.it"_s, {}, {}, ora, 3);
        if (esito != EsitoSpool::Avviato)
            stato.SkipWithError("the spool files were not written");
        servizi->Avvii.clear();
        servizi->Registrazioni.clear();
    }
    stato.SetItemsProcessed(stato.iterations() * stato.range(0));
}

} // namespace

BENCHMARK(ScriviSpoolDocumenti10000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
