// Turning a search answer of 100,000 documents into rows of LWDocumenti, and the embedded
// server answering searches over 100,000 stored documents.
#include "documents/CercaDocumenti.h"
#include "documents/ColonneDocumenti.h"
#include "forms/Dialoghi.h"
#include "orbeni/Risultati.h"
#include "orbeni/local/AmbienteLocale.h"
#include "orbeni/local/PopolaArchivio.h"
#include "orbeni/local/ServerLocale.h"
#include "platform/Orologio.h"
#include "server/Richieste.h"

#include <QCoreApplication>
#include <QTemporaryDir>

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
DocumentiTrovati RispostaDiProva()
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
        DocumentiTrovati trovati = RispostaDiProva();
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

// A dialog double that answers nothing: the server asks nothing during a search.
class DialoghiMuti final : public Dialoghi {
public:
    Risposta Messaggio(const QString&, PulsantiMessaggio, IconaMessaggio, const QString&) override
    {
        return Risposta::Ok;
    }
    QString Input(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<Credenziali> ChiediCredenziali(
        const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    QString ApriFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SalvaFile(const QString&, const QString&, const QString&) override { return {}; }
    void Clessidra(bool) override { }
    void EseguiEventi() override { }
};

// A root with 100,000 documents of 500 customers over two years: those older than a week are
// sent but for one in 97, and one in 50 was set aside.
class ArchivioGrande final {
public:
    ArchivioGrande()
        : m_ora(QDateTime(QDate(2025, 6, 16), QTime(9, 30)))
    {
        auto ambiente = std::make_shared<AmbienteLocale>(m_cartella.filePath(u"postazione"_s));
        Server = std::make_unique<ServerLocale>(m_cartella.filePath(u"server"_s), ambiente,
            m_dialoghi, OpzioniServerLocale {false, &m_ora});
        PopolaArchivio dati(Server->Archivio(), Server->Radice());
        bool ok = dati.Inizia() && dati.Azienda(u"01"_s, u"Quorvanel s.r.l."_s);
        const QStringList sigle {u"FATT."_s, u"NT.CRED."_s, u"CONF."_s, u"BOLLA"_s, u"PACK."_s};
        for (int i = 0; i < Tipi.size(); ++i)
            ok = ok && dati.TipoDocumento(u"01"_s, Tipi[i], sigle[i]);
        for (int c = 0; c < Clienti; ++c) {
            Cliente cliente;
            cliente.Codice = CodiceCliente(c);
            cliente.Nominativo = u"Cliente "_s + cliente.Codice;
            ok = ok && dati.Anagrafica(u"01"_s, cliente);
        }
        const QDate oggi = m_ora.Oggi();
        for (int n = 0; ok && n < Documenti; ++n) {
            Documento d;
            d.DescrizioneTipo = Tipi[n % Tipi.size()];
            d.Serie = u"S%1"_s.arg(n % 3);
            d.Numero = n + 1;
            d.Data = QDateTime(oggi.addDays(-(n % 730)), QTime(9, 0));
            d.Anno = d.Data.date().year();
            d.Agente = u"Bianchi Carlo"_s;
            d.Stampato = d.Stampato1 = d.Stampato2 = true;
            if (n % 730 > 7 && n % 97 != 0) {
                d.InviatoDa = u"demo"_s;
                d.ModoInvio = u"EMAIL"_s;
                d.DataInvio = d.Data.addDays(1).toString(u"dd/MM/yyyy"_s);
                d.EstremiInvio = u"cliente@example.com"_s;
            }
            const auto id = dati.NuovoDocumento(u"01"_s, CodiceCliente((n * 7) % Clienti), d,
                PopolaArchivio::PdfDocumento::AllaRichiesta);
            ok = id && (n % 50 != 1 || dati.DocumentoRegistrato(*id, u"demo"_s, true, d.Data));
        }
        ok = ok && dati.Conferma();
        if (!ok)
            Errore = dati.Errore();
    }

    static QString CodiceCliente(int c) { return u"C%1"_s.arg(c, 4, 10, QLatin1Char('0')); }

    static constexpr int Clienti = 500;
    std::unique_ptr<ServerLocale> Server;
    QString Errore;

private:
    QTemporaryDir m_cartella;
    OrologioFisso m_ora;
    DialoghiMuti m_dialoghi;
};

// Made on first use and dropped before the application ends, so its store closes cleanly.
std::unique_ptr<ArchivioGrande> archivioGrande;

ArchivioGrande& Grande()
{
    if (!archivioGrande)
        archivioGrande = std::make_unique<ArchivioGrande>();
    return *archivioGrande;
}

void RicercaSulServer(benchmark::State& stato, CriteriRicercaDocumenti criteri, bool unCliente)
{
    ArchivioGrande& archivio = Grande();
    if (!archivio.Errore.isEmpty()) {
        stato.SkipWithError(archivio.Errore.toStdString().c_str());
        return;
    }
    QList<ClientePtr> clienti;
    if (unCliente) {
        clienti.append(std::make_shared<Cliente>());
        clienti[0]->Codice = ArchivioGrande::CodiceCliente(42);
    }
    criteri.codici = {u"AG01"_s};
    const QStringList richiesta = RichiestaCercaDocumenti(u"01"_s, u"demo"_s, clienti, criteri);
    qsizetype trovati = 0;
    for (auto _ : stato) {
        DocumentiTrovati risposta;
        if (!archivio.Server->Richiesta(u"local"_s, u"DOCUME"_s, richiesta, risposta)) {
            stato.SkipWithError(archivio.Server->UltimoErrore().toStdString().c_str());
            return;
        }
        trovati = 0;
        for (const auto& cliente : std::as_const(risposta.Clienti))
            trovati += cliente->DocumentiCliente.size();
    }
    stato.counters[u"documenti"_s.toStdString()] = static_cast<double>(trovati);
}

CriteriRicercaDocumenti Criteri(const QString& etichetta, const QString& categoria = {})
{
    CriteriRicercaDocumenti criteri;
    criteri.etichetta = etichetta;
    criteri.categoria = categoria;
    return criteri;
}

CriteriRicercaDocumenti FattureDiUnMese()
{
    CriteriRicercaDocumenti criteri = Criteri(u"FATTURE EMESSE"_s);
    criteri.dataDa = QDate(2025, 5, 1);
    criteri.dataA = QDate(2025, 5, 31);
    return criteri;
}

CriteriRicercaDocumenti PerNumero()
{
    CriteriRicercaDocumenti criteri = Criteri(u"TUTTI I DOCUMENTI"_s);
    criteri.numero = 54321;
    return criteri;
}

} // namespace

BENCHMARK(RigheLWDocumenti)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(RicercaSulServer, FattureDiUnMese, FattureDiUnMese(), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaSulServer, NumeroInTuttiITipi, PerNumero(), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    RicercaSulServer, TuttiIDocumentiDiUnCliente, Criteri(u"TUTTI I DOCUMENTI"_s), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaSulServer, DaInviareFatture, Criteri(u"DA INVIARE"_s, u"1"_s), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RicercaSulServer, DaInviareTutti, Criteri(u"DA INVIARE"_s), false)
    ->Unit(benchmark::kMillisecond);
// The whole store in one answer: bound by the size of the answer, not by the search.
BENCHMARK_CAPTURE(RicercaSulServer, TuttoLArchivio, Criteri(u"TUTTI I DOCUMENTI"_s), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    archivioGrande.reset();
    return 0;
}
