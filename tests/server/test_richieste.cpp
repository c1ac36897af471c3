#include "server/ArrayRichiesta.h"
#include "server/Richieste.h"
#include "server/RichiesteLavori.h"

#include <QMap>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QList<ClientePtr> Clienti(int quanti)
{
    QList<ClientePtr> clienti;
    for (int i = 1; i <= quanti; ++i) {
        auto cliente = std::make_shared<Cliente>();
        cliente->Codice = u"C%1"_s.arg(i, 2, 10, QLatin1Char('0'));
        clienti.append(cliente);
    }
    return clienti;
}

// The whole expected array: empty everywhere but the given indices.
QStringList Atteso(int dimensione, const QMap<int, QString>& valori)
{
    QStringList array(dimensione);
    for (auto it = valori.cbegin(); it != valori.cend(); ++it)
        array[it.key()] = it.value();
    return array;
}

const PeriodoElenco Aprile2005 {QDate(2005, 4, 1), QDate(2005, 4, 30), u"ELENCO"_s};

} // namespace

TEST(ArrayRichiesta, ClientiOltreIlTrentanovesimoSonoIgnorati)
{
    const QStringList array = ArrayRichiesta(u"01"_s, DimensioneRichiesta::Documenti)
                                  .ImpostaClienti(Clienti(45))
                                  .Valori();

    QMap<int, QString> attesi {{0, u"01"_s}};
    for (int i = 0; i < 9; ++i)
        attesi[4 + i] = u"C%1"_s.arg(i + 1, 2, 10, QLatin1Char('0'));
    for (int i = 9; i < 39; ++i)
        attesi[28 + i - 9] = u"C%1"_s.arg(i + 1, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(array, Atteso(111, attesi));
    EXPECT_EQ(attesi.value(57), u"C39"_s);
}

TEST(ArrayRichiesta, ClienteMancanteNonOccupaPosto)
{
    QList<ClientePtr> clienti = Clienti(2);
    clienti.insert(1, nullptr);
    const QStringList array = ArrayRichiesta(u"01"_s, 111).ImpostaClienti(clienti).Valori();
    EXPECT_EQ(array[4], u"C01"_s);
    EXPECT_EQ(array[5], u"C02"_s);
    EXPECT_EQ(array[6], QString());
}

TEST(ArrayRichiesta, DateNumeriEdElenchi)
{
    EXPECT_EQ(TestoData(QDate(2005, 4, 7)), u"20050407"_s);
    EXPECT_EQ(TestoData(QDate()), QString());
    EXPECT_EQ(TestoNumero(-1), QString());
    EXPECT_EQ(TestoNumero(0), u"0"_s);
    EXPECT_EQ(TestoNumero(123), u"123"_s);
    EXPECT_EQ(ElencoConFine({}), u"@END@"_s);
    EXPECT_EQ(ElencoConFine({u"A"_s, u"B"_s}), u"A:B:@END@"_s);
}

TEST(ArrayRichiesta, IndiceFuoriDimensioneNonAllungaLArray)
{
    const QStringList array
        = ArrayRichiesta(u"01"_s, 4).Imposta(4, u"x"_s).Imposta(-1, u"y"_s).Valori();
    EXPECT_EQ(array, Atteso(4, {{0, u"01"_s}}));
}

TEST(RichiestaCercaDocumenti, CriteriNonImpostatiSonoVuoti)
{
    CriteriRicercaDocumenti criteri;
    criteri.etichetta = u"DA INVIARE"_s;
    const QStringList array = RichiestaCercaDocumenti(u"01"_s, u"mrossi"_s, {}, criteri);
    EXPECT_EQ(array,
        Atteso(111,
            {{0, u"01"_s}, {1, u"DOCUMENTI"_s}, {2, u"AZ"_s}, {3, u"it"_s}, {27, u"DA INVIARE"_s},
                {90, u"@END@"_s}, {96, u"mrossi"_s}}));
}

struct CasoRichiesta {
    const char* nome;
    std::function<QStringList()> costruisci;
    QStringList atteso;
};

void PrintTo(const CasoRichiesta& caso, std::ostream* os)
{
    *os << caso.nome;
}

class RichiesteFisse : public testing::TestWithParam<CasoRichiesta> { };

TEST_P(RichiesteFisse, OgniIndiceComeDaTabella)
{
    EXPECT_EQ(GetParam().costruisci(), GetParam().atteso);
}

namespace {

QMap<int, QString> ConClienti(QMap<int, QString> valori)
{
    valori[4] = u"C01"_s;
    valori[5] = u"C02"_s;
    return valori;
}

// The company, the command, "AZ"/"it" and the period that most list requests carry.
QMap<int, QString> Elenco(const QString& comando, QMap<int, QString> valori)
{
    valori.insert({{0, u"01"_s}, {1, comando}, {2, u"AZ"_s}, {3, u"it"_s}, {25, u"20050401"_s},
        {26, u"20050430"_s}, {27, u"ELENCO"_s}});
    return valori;
}

CriteriRicercaDocumenti CriteriCompleti()
{
    CriteriRicercaDocumenti criteri;
    criteri.categoria = u"1"_s;
    criteri.serie = u"FA"_s;
    criteri.numero = 123;
    criteri.anno = 2005;
    criteri.dataDa = QDate(2005, 1, 2);
    criteri.dataA = QDate(2005, 12, 31);
    criteri.etichetta = u"FATTURE EMESSE"_s;
    criteri.codici = {u"A"_s, u"B"_s};
    return criteri;
}

const QString A = u"01"_s;
const QString U = u"mrossi"_s;

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Tabella, RichiesteFisse,
    testing::Values(
        CasoRichiesta{"ArchivioSerie", [] { return RichiestaArchivioSerie(A, U); },
                      Atteso(111, {{0, A}, {1, u"ARCHIVIOSERIE"_s}, {2, u"AZ"_s}, {3, u"it"_s},
                                   {90, u"@END@"_s}, {95, U}, {96, U}})},
        CasoRichiesta{"CercaDocumenti",
                      [] { return RichiestaCercaDocumenti(A, U, Clienti(2), CriteriCompleti()); },
                      Atteso(111, ConClienti({{0, A}, {1, u"DOCUMENTI"_s}, {2, u"AZ"_s},
                                              {3, u"it"_s}, {22, u"FA"_s}, {23, u"123"_s},
                                              {24, u"2005"_s}, {25, u"20050102"_s},
                                              {26, u"20051231"_s}, {27, u"FATTURE EMESSE"_s},
                                              {90, u"A:B:@END@"_s}, {94, u"1"_s}, {96, U}}))},
        CasoRichiesta{"CercaNominativiIniziale",
                      [] { return RichiestaCercaNominativi(A, u"ROSSI"_s, true); },
                      Atteso(113, {{0, A}, {1, u"DOCUMENTI"_s}, {2, u"AZ"_s}, {32, u"ROSSI"_s},
                                   {33, u"S"_s}, {45, u"S"_s}, {78, u"N"_s}})},
        CasoRichiesta{"CercaNominativiOvunque",
                      [] { return RichiestaCercaNominativi(A, u"ROSSI"_s, false); },
                      Atteso(113, {{0, A}, {1, u"DOCUMENTI"_s}, {2, u"AZ"_s}, {32, u"ROSSI"_s},
                                   {33, u"N"_s}, {45, u"S"_s}, {78, u"N"_s}})},
        CasoRichiesta{"Informative", [] { return RichiestaInformative(A, U, Aprile2005); },
                      Atteso(111, Elenco(u"DOCUMENTI"_s, {{95, U}, {96, U}}))},
        CasoRichiesta{"DocumentiEstrazione",
                      [] { return RichiestaDocumentiEstrazione(A, U, Clienti(2), u"DE"_s, Aprile2005); },
                      Atteso(111, Elenco(u"DOCUMENTI"_s, ConClienti({{13, u"DE"_s}, {96, U}})))},
        CasoRichiesta{"DocumentiEstratti",
                      [] { return RichiestaDocumentiEstratti(A, U, Clienti(2), Aprile2005); },
                      Atteso(111, Elenco(u"DOCUMENTI"_s, ConClienti({{88, u"E"_s}, {96, U}})))},
        CasoRichiesta{"ClientiInviati",
                      [] { return RichiestaClientiInviati(A, U, Clienti(2), Aprile2005); },
                      Atteso(111, Elenco(u"DOCUMENTI"_s, ConClienti({{88, u"A"_s}, {96, U}})))},
        CasoRichiesta{"ClientiExport",
                      [] { return RichiestaClientiExport(A, U, u"0123"_s, Aprile2005); },
                      Atteso(111, Elenco(u"DOCUMENTI"_s,
                                         {{4, u"0123"_s}, {88, u"A"_s}, {95, U}, {96, U}}))},
        CasoRichiesta{"Paesi", [] { return RichiestaPaesi(A, Aprile2005); },
                      Atteso(111, {{0, A}, {1, u"DOCUMENTI"_s}, {25, u"20050401"_s},
                                   {26, u"20050430"_s}, {27, u"ELENCO"_s}, {88, u"P"_s}})},
        CasoRichiesta{"Banche", [] { return RichiestaBanche(A, Aprile2005); },
                      Atteso(111, {{0, A}, {1, u"DOCUMENTI"_s}, {25, u"20050401"_s},
                                   {26, u"20050430"_s}, {27, u"ELENCO"_s}, {88, u"B"_s}})},
        CasoRichiesta{"RubricheFax", [] { return RichiestaRubricheFax(A, U); },
                      Atteso(111, {{0, A}, {1, u"FAXRUBRICHE"_s}, {96, U}})},
        CasoRichiesta{"RubricaFax",
                      [] {
                          return RichiestaRubricaFax(A, U, {u"K1"_s, u"K2"_s, u"RO"_s, u"AC"_s});
                      },
                      Atteso(111, {{0, A}, {1, u"FAXRUBRICA"_s}, {2, u"K1"_s}, {3, u"K2"_s},
                                   {4, u"RO"_s}, {5, u"AC"_s}, {96, U}})},
        CasoRichiesta{"Esenzioni",
                      [] { return RichiestaFileEsenzioni(A, u"0504"_s, u"RSSMRA"_s); },
                      Atteso(5, {{0, A}, {1, u"CREAZIONEFILE"_s}, {2, u"0504"_s},
                                 {3, u"RSSMRA"_s}})},
        CasoRichiesta{"Elenchi",
                      [] { return RichiestaFileElenchi(A, u"2006"_s, u"RSSMRA"_s, u"77"_s); },
                      Atteso(7, {{0, A}, {1, u"CREAZIONEFILE"_s}, {2, u"060101"_s},
                                 {3, u"061231"_s}, {4, u"RSSMRA"_s}, {5, u"77"_s}})},
        CasoRichiesta{"ElenchiSenzaCodici",
                      [] { return RichiestaFileElenchi(A, u"2006"_s, {}, {}); },
                      Atteso(7, {{0, A}, {1, u"CREAZIONEFILE"_s}, {2, u"060101"_s},
                                 {3, u"061231"_s}})},
        CasoRichiesta{"ExpmanCreazione",
                      [] {
                          return RichiestaExpman(A, ComandoExpman::CreazioneFile,
                                                 u"/tmp/export042"_s);
                      },
                      Atteso(4, {{0, A}, {1, u"CREAZIONEFILE"_s}, {2, u"/tmp/export042"_s}})},
        CasoRichiesta{"ExpmanAnnullaEstratti",
                      [] { return RichiestaExpman(A, ComandoExpman::AnnullaEstratti, u"/tmp/e"_s); },
                      Atteso(4, {{0, A}, {1, u"ANNULLAESTRATTI"_s}, {2, u"/tmp/e"_s}})},
        CasoRichiesta{"ExpmanAnnullaClienti",
                      [] { return RichiestaExpman(A, ComandoExpman::AnnullaClienti, u"/tmp/e"_s); },
                      Atteso(4, {{0, A}, {1, u"ANNULLACLIENTI"_s}, {2, u"/tmp/e"_s}})},
        CasoRichiesta{"ExpmanRendiInviato",
                      [] { return RichiestaExpman(A, ComandoExpman::RendiInviato, u"/tmp/e"_s); },
                      Atteso(4, {{0, A}, {1, u"RENDIINVIATO"_s}, {2, u"/tmp/e"_s}})},
        CasoRichiesta{"CredemCreazione",
                      [] {
                          return RichiestaCredem(A, ComandoCredem::CreazioneFile,
                                                 u"/tmp/credem07"_s, u"/usr/tmp/credem07"_s);
                      },
                      Atteso(4, {{0, A}, {1, u"CREAZIONEFILE"_s}, {2, u"/tmp/credem07"_s},
                                 {3, u"/usr/tmp/credem07"_s}})},
        CasoRichiesta{"CredemAnnullaInvio",
                      [] {
                          return RichiestaCredem(A, ComandoCredem::AnnullaInvio, u"/tmp/c"_s,
                                                 u"/usr/tmp/c"_s);
                      },
                      Atteso(4, {{0, A}, {1, u"ANNULLAINVIO"_s}, {2, u"/tmp/c"_s},
                                 {3, u"/usr/tmp/c"_s}})}),
    [](const testing::TestParamInfo<CasoRichiesta>& caso) { return std::string(caso.param.nome); });
