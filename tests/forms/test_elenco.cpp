#include "forms/Elenco.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Elenco ElencoDiTre()
{
    Elenco elenco;
    elenco.AggiungiColonna(u"KNominativo"_s, u"Nominativo"_s, 3500);
    elenco.AggiungiColonna(u"KData"_s, u"Data"_s, 1200);
    const QStringList nomi {u"beta"_s, u"Alfa"_s, u"gamma"_s};
    const QStringList date {u"2"_s, u"3"_s, u"1"_s};
    for (int i = 0; i < nomi.size(); ++i) {
        RigaElenco riga;
        riga.Chiave = nomi[i];
        riga.Testo = nomi[i];
        riga.CellaA(1) = {u"KData"_s, date[i], {}, {}, {}, {}, false};
        elenco.Aggiungi(std::move(riga));
    }
    return elenco;
}

QStringList Testi(const Elenco& elenco)
{
    QStringList testi;
    for (const auto& riga : elenco.Righe())
        testi.append(riga.Testo);
    return testi;
}

} // namespace

TEST(Elenco, RefusesASecondRowWithTheSameKey)
{
    Elenco elenco = ElencoDiTre();
    RigaElenco doppia;
    doppia.Chiave = u"beta"_s;
    EXPECT_FALSE(elenco.Aggiungi(doppia));
    EXPECT_EQ(elenco.Conta(), 3);
    RigaElenco senzaChiave;
    EXPECT_TRUE(elenco.Aggiungi(senzaChiave));
    EXPECT_TRUE(elenco.Aggiungi(senzaChiave));
}

TEST(Elenco, SortsCaseInsensitivelyAndFlipsOnTheSameColumn)
{
    Elenco elenco = ElencoDiTre();
    elenco.OrdinaOInverti(0);
    EXPECT_EQ(Testi(elenco), (QStringList {u"Alfa"_s, u"beta"_s, u"gamma"_s}));
    elenco.OrdinaOInverti(0);
    EXPECT_EQ(Testi(elenco), (QStringList {u"gamma"_s, u"beta"_s, u"Alfa"_s}));
    elenco.OrdinaOInverti(1);
    EXPECT_FALSE(elenco.Discendente());
    EXPECT_EQ(Testi(elenco), (QStringList {u"gamma"_s, u"beta"_s, u"Alfa"_s}));
    ASSERT_TRUE(elenco.IndiceRiga(u"Alfa"_s).has_value());
    EXPECT_EQ(*elenco.IndiceRiga(u"Alfa"_s), 2);
}

TEST(Elenco, FindsCellsByKeyAndRemovesRows)
{
    Elenco elenco = ElencoDiTre();
    ASSERT_NE(elenco.Riga(0).Cella(u"KData"_s), nullptr);
    EXPECT_EQ(elenco.Riga(0).Cella(u"KData"_s)->Testo, u"2"_s);
    EXPECT_EQ(elenco.Riga(0).Cella(u"CHECK"_s), nullptr);
    elenco.Rimuovi(0);
    EXPECT_FALSE(elenco.IndiceRiga(u"beta"_s).has_value());
    EXPECT_EQ(*elenco.IndiceRiga(u"gamma"_s), 1);
}
