#include "app/Registry.h"
#include "tests/support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoDecodifica {
    const char* nome;
    quint32 tipo;
    QByteArray dati;
    ValoreRegistro atteso;
};

void PrintTo(const CasoDecodifica& caso, std::ostream* os)
{
    *os << caso.nome;
}

class Decodifica : public testing::TestWithParam<CasoDecodifica> { };

TEST_P(Decodifica, DaTipoEByte)
{
    EXPECT_EQ(DecodificaValoreRegistro(GetParam().tipo, GetParam().dati), GetParam().atteso);
}

INSTANTIATE_TEST_SUITE_P(Tabella, Decodifica,
    testing::Values(
        CasoDecodifica {"DoppiaParola257", 4, QByteArray("\x01\x01\x00\x00", 4), quint32 {257}},
        CasoDecodifica {
            "DoppiaParolaMassima", 4, QByteArray("\xff\xff\xff\xff", 4), quint32 {0xFFFFFFFF}},
        CasoDecodifica {"DoppiaParolaCorta", 4, QByteArray("\x02", 1), quint32 {2}},
        CasoDecodifica {"TestoSenzaTerminatore", 1, QByteArray("Eudora\0", 7), u"Eudora"_s},
        CasoDecodifica {"TestoGiaSenzaZero", 1, QByteArray("Eudora"), u"Eudora"_s},
        CasoDecodifica {"TestoAnsi", 1, QByteArray("Citt\xe0 \x80\0", 7), u"Città €"_s},
        CasoDecodifica {"TestoVuoto", 1, QByteArray(), QString()},
        CasoDecodifica {"AltroTipoComeTesto", 2, QByteArray("%ProgramFiles%\\x.exe,0\0", 23),
            u"%ProgramFiles%\\x.exe,0"_s}),
    [](const testing::TestParamInfo<CasoDecodifica>& caso) {
        return std::string(caso.param.nome);
    });

TEST(TestoRegistro, OgniAlternativa)
{
    EXPECT_EQ(TestoRegistro(ValoreRegistro {}), QString());
    EXPECT_EQ(TestoRegistro(ValoreRegistro {u"Eudora"_s}), u"Eudora"_s);
    EXPECT_EQ(TestoRegistro(ValoreRegistro {quint32 {257}}), u"257"_s);
}

// The INI file that stands for the machine registry here.
class RegistroIni : public testing::Test {
protected:
    TempRoot cartella;
    QByteArray precedente = qgetenv("INVEXO_REGISTRY_INI");

    void SetUp() override
    {
        const QString percorso = cartella.File(u"HKEY_LOCAL_MACHINE.ini"_s);
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("; machine registry\r\n"
                   "[SOFTWARE\\Clients\\Mail]\r\n"
                   "@=sz:Mozilla Thunderbird\r\n"
                   "\r\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail\\Eudora\\DefaultIcon]\n"
                   "=sz:C:\\Programmi\\Eudora\\Eudora.exe,0\n"
                   "[SOFTWARE\\Prova]\n"
                   "Grezzo=hex(4):01,01,00,00\n"
                   "Numero=dword:00000101\n"
                   "\"Con Spazi\" = sz:Città; e altro\n"
                   "Espandibile=hex(2):25,00\n"
                   "Guasto=hex(4):01,zz\n"
                   "Semplice=solo testo\n");
        file.close();
        qputenv("INVEXO_REGISTRY_INI", percorso.toLocal8Bit());
    }

    void TearDown() override
    {
        if (precedente.isNull())
            qunsetenv("INVEXO_REGISTRY_INI");
        else
            qputenv("INVEXO_REGISTRY_INI", precedente);
    }

    static ValoreRegistro Leggi(const QString& chiave, const QString& nome)
    {
        return LeggiRegistro(RadiceRegistro::MacchinaLocale, chiave, nome);
    }
};

TEST_F(RegistroIni, ValoriPredefinitiDelleChiavi)
{
    EXPECT_EQ(Leggi(u"SOFTWARE\\Clients\\Mail"_s, {}), ValoreRegistro {u"Mozilla Thunderbird"_s});
    EXPECT_EQ(Leggi(u"software\\CLIENTS\\mail"_s, {}), ValoreRegistro {u"Mozilla Thunderbird"_s});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Clients\\Mail\\Eudora\\DefaultIcon"_s, {}),
        ValoreRegistro {u"C:\\Programmi\\Eudora\\Eudora.exe,0"_s});
}

TEST_F(RegistroIni, ValoriConNomeETipo)
{
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"Grezzo"_s), ValoreRegistro {quint32 {257}});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"numero"_s), ValoreRegistro {quint32 {257}});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"Con Spazi"_s), ValoreRegistro {u"Città; e altro"_s});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"Espandibile"_s), ValoreRegistro {u"%"_s});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"Semplice"_s), ValoreRegistro {u"solo testo"_s});
}

TEST_F(RegistroIni, MancanzeEGuastiSonoVuoti)
{
    EXPECT_EQ(Leggi(u"SOFTWARE\\Assente"_s, {}), ValoreRegistro {});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"Assente"_s), ValoreRegistro {});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, {}), ValoreRegistro {});
    EXPECT_EQ(Leggi(u"SOFTWARE\\Prova"_s, u"Guasto"_s), ValoreRegistro {});
    EXPECT_EQ(LeggiRegistro(RadiceRegistro::UtenteCorrente, u"SOFTWARE\\Clients\\Mail"_s, {}),
        ValoreRegistro {});

    qputenv("INVEXO_REGISTRY_INI", cartella.File(u"manca.ini"_s).toLocal8Bit());
    EXPECT_EQ(Leggi(u"SOFTWARE\\Clients\\Mail"_s, {}), ValoreRegistro {});
}

} // namespace
