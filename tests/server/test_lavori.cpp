#include "server/FileServer.h"
#include "server/LavoriServer.h"
#include "tests/server/ServiziRegistrati.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class Lavori : public testing::Test {
public:
    TempRoot cartella;
    ServiziRegistrati servizi;
    DialoghiScriptati dialoghi;
    QStringList fileDaCancellare;
    ContestoLavoro contesto {
        servizi, u"srv"_s, u"01"_s, cartella.Percorso(), fileDaCancellare, dialoghi};

    [[nodiscard]] QString Locale(const QString& nome) const { return cartella.File(nome); }
};

const QByteArray Record = "A 05000123BNL    \n";

} // namespace

TEST_F(Lavori, ExpmanSegueLaSequenzaDelLavoro)
{
    servizi.esito = u"OK"_s;
    servizi.messaggio = u"/usr/tmp/exportfile"_s;

    const QString risposta
        = EseguiExpman(contesto, ComandoExpman::CreazioneFile, u"0123"_s, Record);

    const QString locale = Locale(u"export0123"_s);
    EXPECT_EQ(servizi.chiamate,
        QStringList({u"CopiaSulServer srv "_s + locale + u" /tmp/export0123x"_s,
            u"ComandoRemoto srv /usr/orbeni/bin/dos2unix /tmp/export0123x > /tmp/export0123"_s,
            u"ComandoRemoto srv rm -f /tmp/export0123x"_s, u"Richiesta srv EXPMAN"_s,
            u"ComandoRemoto srv rm -f /tmp/export0123"_s}));
    ASSERT_EQ(servizi.richieste.size(), 1);
    EXPECT_EQ(servizi.richieste[0].array,
        QStringList({u"01"_s, u"CREAZIONEFILE"_s, u"/tmp/export0123"_s, QString()}));
    EXPECT_EQ(servizi.caricati, QList<QByteArray> {Record});
    EXPECT_EQ(fileDaCancellare, QStringList {locale});
    EXPECT_EQ(risposta, u"/usr/tmp/exportfile"_s);
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());
}

TEST_F(Lavori, CredemRestituisceIlPercorsoDUscitaComunque)
{
    servizi.esito = u"ERR"_s;
    servizi.messaggio = u"documento assente"_s;

    const EsitoCredemtel esito
        = EseguiCredem(contesto, ComandoCredem::AnnullaInvio, u"07"_s, QByteArray("FA07000123\n"));

    EXPECT_EQ(servizi.chiamate,
        QStringList({u"CopiaSulServer srv "_s + Locale(u"credem07"_s) + u" /tmp/credem07x"_s,
            u"ComandoRemoto srv /usr/orbeni/bin/dos2unix /tmp/credem07x > /tmp/credem07"_s,
            u"ComandoRemoto srv rm -f /tmp/credem07x"_s, u"Richiesta srv CREDEM"_s,
            u"ComandoRemoto srv rm -f /tmp/credem07"_s}));
    EXPECT_EQ(servizi.richieste[0].array,
        QStringList({u"01"_s, u"ANNULLAINVIO"_s, u"/tmp/credem07"_s, u"/usr/tmp/credem07"_s}));
    EXPECT_EQ(esito.percorsoUscita, u"/usr/tmp/credem07"_s);
    EXPECT_EQ(esito.stato, StatoEsito::Errore);
    EXPECT_EQ(dialoghi.Testi(), QStringList {u"Messaggio: documento assente"_s});
}

TEST_F(Lavori, FileNonInviatoNonAvviaIlLavoro)
{
    struct Guasto {
        const char* nome;
        std::function<void(Lavori&)> prepara;
    };
    const QList<Guasto> guasti {
        {"upload", [](Lavori& t) { t.servizi.copiaSulServerRiesce = false; }},
        {"conversione",
            [](Lavori& t) {
                t.servizi.comandoCheFallisce
                    = u"/usr/orbeni/bin/dos2unix /tmp/export0999x > /tmp/export0999"_s;
            }},
        {"scrittura locale",
            [](Lavori& t) { t.contesto.cartellaLavoro = t.cartella.File(u"manca/dentro"_s); }},
    };
    for (const Guasto& guasto : guasti) {
        SCOPED_TRACE(guasto.nome);
        servizi = ServiziRegistrati();
        servizi.esito = u"OK"_s;
        dialoghi.Registrati.clear();
        contesto.cartellaLavoro = cartella.Percorso();
        guasto.prepara(*this);

        EXPECT_EQ(
            EseguiExpman(contesto, ComandoExpman::RendiInviato, u"0999"_s, Record), QString());
        EXPECT_TRUE(servizi.richieste.isEmpty());
        EXPECT_EQ(servizi.chiamate.constLast(), u"ComandoRemoto srv rm -f /tmp/export0999"_s);
        EXPECT_EQ(dialoghi.Testi(), QStringList {u"Errore, operazione annullata"_s});
    }
}

TEST_F(Lavori, CaricamentoFallitoRimuoveLaCopiaParziale)
{
    servizi.copiaSulServerRiesce = false;
    const FileLavoro file = InviaFileLavoro(
        servizi, u"srv"_s, cartella.Percorso(), u"paesi"_s, u"05"_s, "IT\r\n", fileDaCancellare);
    EXPECT_FALSE(file.inviato);
    EXPECT_EQ(servizi.chiamate.constLast(), u"ComandoRemoto srv rm -f /tmp/paesi05x"_s);
    QFile locale(file.percorsoLocale);
    ASSERT_TRUE(locale.open(QIODevice::ReadOnly));
    EXPECT_EQ(locale.readAll(), QByteArray("IT\r\n"));
}

TEST_F(Lavori, PercorsiConCaratteriSpecialiVannoQuotati)
{
    const FileLavoro file = InviaFileLavoro(
        servizi, u"srv"_s, cartella.Percorso(), u"ex port"_s, u"01"_s, {}, fileDaCancellare);
    EXPECT_TRUE(file.inviato);
    EXPECT_EQ(servizi.chiamate.mid(1),
        QStringList(
            {u"ComandoRemoto srv /usr/orbeni/bin/dos2unix '/tmp/ex port01x' > '/tmp/ex port01'"_s,
                u"ComandoRemoto srv rm -f '/tmp/ex port01x'"_s}));

    servizi.chiamate.clear();
    const QString locale = Locale(u"giu.txt"_s);
    EXPECT_EQ(
        ScaricaFileServer(servizi, u"srv"_s, u"/usr/tmp/l'export; rm -rf ~"_s, locale), locale);
    EXPECT_EQ(servizi.chiamate.constLast(),
        u"ComandoRemoto srv rm -f '/usr/tmp/l'\\''export; rm -rf ~'"_s);
}

TEST_F(Lavori, ScaricaFileServerTieneIlFileSeLaCopiaFallisce)
{
    servizi.copiaDalServerRiesce = false;
    EXPECT_EQ(ScaricaFileServer(servizi, u"srv"_s, u"/usr/tmp/exp"_s, Locale(u"exp"_s)), QString());
    EXPECT_EQ(
        servizi.chiamate, QStringList {u"CopiaDalServer srv /usr/tmp/exp "_s + Locale(u"exp"_s)});
}

TEST_F(Lavori, LetturaDiFileDiTesto)
{
    const QString locale = Locale(u"credemtelerr.txt"_s);
    EXPECT_EQ(ScaricaFileTestoDos(servizi, u"srv"_s, u"/usr/tmp/credem07.err"_s, locale), locale);
    EXPECT_EQ(LeggiFileTestoServer(servizi, u"srv"_s, u"/usr/tmp/a-stampa"_s, locale), locale);
    EXPECT_EQ(servizi.chiamate,
        QStringList({u"ComandoRemoto srv unix2dos /usr/tmp/credem07.err /usr/tmp/credem07.err.x"_s,
            u"CopiaDalServer srv /usr/tmp/credem07.err.x "_s + locale,
            u"ComandoRemoto srv rm -f /usr/tmp/credem07.err.x"_s,
            u"PreparaFileTesto srv /usr/tmp/a-stampa"_s,
            u"CopiaDalServer srv /usr/tmp/a-stampa "_s + locale}));
}

TEST_F(Lavori, EsenzioniEdElenchiSenzaFileDiLavoro)
{
    servizi.esito = u"OK"_s;
    servizi.messaggio = u"ELCF2006"_s;
    EseguiEsenzioni(contesto, u"0504"_s, u"RSSMRA"_s);
    EXPECT_EQ(EseguiElenchi(contesto, u"2006"_s, u"RSSMRA"_s, u"77"_s), u"ELCF2006"_s);
    EXPECT_EQ(
        servizi.chiamate, QStringList({u"Richiesta srv VBESEN"_s, u"Richiesta srv VBELEN"_s}));
    EXPECT_EQ(servizi.richieste[0].array,
        QStringList({u"01"_s, u"CREAZIONEFILE"_s, u"0504"_s, u"RSSMRA"_s, QString()}));
    EXPECT_EQ(servizi.richieste[1].array.size(), 7);
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());
}

// The outcome of each kind of job: the messages shown and the value given back.
struct CasoEsito {
    const char* nome;
    QString esito;
    std::function<QString(ContestoLavoro&)> lavoro;
    QStringList messaggi;
    QString restituito;
};

void PrintTo(const CasoEsito& caso, std::ostream* os)
{
    *os << caso.nome;
}

class EsitiDeiLavori : public Lavori, public testing::WithParamInterface<CasoEsito> { };

TEST_P(EsitiDeiLavori, MessaggiEValori)
{
    servizi.esito = GetParam().esito;
    servizi.messaggio = u"testo del server"_s;
    EXPECT_EQ(GetParam().lavoro(contesto), GetParam().restituito);
    EXPECT_EQ(dialoghi.Testi(), GetParam().messaggi);
    for (const auto& registrato : std::as_const(dialoghi.Registrati))
        EXPECT_EQ(registrato.Pulsanti, PulsantiMessaggio::Ok);
}

namespace {

std::function<QString(ContestoLavoro&)> Expman(ComandoExpman comando)
{
    return [comando](ContestoLavoro& c) { return EseguiExpman(c, comando, u"01"_s, Record); };
}

QString Credem(ContestoLavoro& c)
{
    const EsitoCredemtel esito = EseguiCredem(c, ComandoCredem::CreazioneFile, u"02"_s, {});
    return esito.percorsoUscita + u'|' + QString::number(static_cast<int>(esito.stato));
}

QString Esenzioni(ContestoLavoro& c)
{
    EseguiEsenzioni(c, u"0504"_s, {});
    return {};
}

QString Elenchi(ContestoLavoro& c)
{
    return EseguiElenchi(c, u"2006"_s, {}, {});
}

const QString NonCreato = u"Errore, il file non è stato creato"_s;
const QString Annullata = u"Errore, operazione annullata"_s;
const QString ConPrefisso = u"Messaggio: testo del server"_s;
const QString Solo = u"testo del server"_s;

} // namespace

INSTANTIATE_TEST_SUITE_P(Tabella, EsitiDeiLavori,
    testing::Values(CasoEsito {"ExpmanCreazioneVuoto", {}, Expman(ComandoExpman::CreazioneFile),
                        {NonCreato}, {}},
        CasoEsito {"ExpmanAnnullaEstrattiVuoto", {}, Expman(ComandoExpman::AnnullaEstratti),
            {Annullata}, {}},
        CasoEsito {"ExpmanAnnullaClientiVuoto", {}, Expman(ComandoExpman::AnnullaClienti),
            {Annullata}, {}},
        CasoEsito {
            "ExpmanRendiInviatoVuoto", {}, Expman(ComandoExpman::RendiInviato), {Annullata}, {}},
        CasoEsito {
            "ExpmanErrore", u"ERR"_s, Expman(ComandoExpman::CreazioneFile), {ConPrefisso}, {}},
        CasoEsito {"ExpmanOk", u"OK"_s, Expman(ComandoExpman::AnnullaClienti), {}, Solo},
        CasoEsito {
            "ExpmanParolaIgnota", u"ok"_s, Expman(ComandoExpman::CreazioneFile), {ConPrefisso}, {}},
        CasoEsito {"CredemVuoto", {}, Credem, {NonCreato}, u"/usr/tmp/credem02|0"_s},
        CasoEsito {"CredemErrore", u"ERR"_s, Credem, {ConPrefisso}, u"/usr/tmp/credem02|1"_s},
        CasoEsito {"CredemOk", u"OK"_s, Credem, {}, u"/usr/tmp/credem02|2"_s},
        CasoEsito {"EsenzioniVuoto", {}, Esenzioni, {NonCreato}, {}},
        CasoEsito {"EsenzioniErrore", u"ERR"_s, Esenzioni, {Solo}, {}},
        CasoEsito {"EsenzioniOk", u"OK"_s, Esenzioni, {}, {}},
        CasoEsito {"ElenchiVuoto", {}, Elenchi, {NonCreato}, {}},
        CasoEsito {"ElenchiErrore", u"ERR"_s, Elenchi, {Solo}, {}},
        CasoEsito {"ElenchiOk", u"OK"_s, Elenchi, {}, Solo}),
    [](const testing::TestParamInfo<CasoEsito>& caso) { return std::string(caso.param.nome); });
