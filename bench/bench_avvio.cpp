// Start-up on the embedded server with the demo data: from Main to the main window shown.
#include "app/Avvio.h"
#include "app/FSelezionaCliente.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void AvvioFinoAllaFinestra(benchmark::State& stato)
{
    QTemporaryDir cartella;
    const QString radice = cartella.filePath(u"server"_s);
    Impostazioni impostazioni(cartella.filePath(u"Invexo.ini"_s));
    impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, u"Mozilla Thunderbird"_s);
    impostazioni.Scrivi(ChiaviImpostazioni::NomeComputer, u"PC001"_s);
    DialoghiScriptati dialoghi;
    const QStringList argomenti {
        u"invexo"_s, u"-H"_s, u"local:"_s + radice, u"-C"_s, u"01"_s, u"-USERID"_s, u"demo"_s};
    const auto avvia = [&] {
        Invexo_Main globali;
        Avvio avvio(globali,
            DipendenzeAvvio {dialoghi, impostazioni, OrologioPredefinito(),
                [&](const QString& indirizzo) {
                    const auto libreria = CreaLibreria(indirizzo, dialoghi, cartella.path());
                    return libreria ? *libreria : LibreriaOrbeni {};
                },
                [](RadiceRegistro, const QString&, const QString&) { return ValoreRegistro {}; },
                [](int) {}, {}});
        const bool aperta = avvio.Main(argomenti);
        QApplication::processEvents();
        if (avvio.FinestraPrincipale())
            avvio.FinestraPrincipale()->ChiudiDaCodice();
        return aperta;
    };
    // The first start seeds the demo data; what is measured is an ordinary start.
    if (!avvia()) {
        stato.SkipWithError("start-up did not reach the main window");
        return;
    }
    for (auto _ : stato)
        benchmark::DoNotOptimize(avvia());
}
BENCHMARK(AvvioFinoAllaFinestra)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
