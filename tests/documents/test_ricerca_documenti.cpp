#include "DatiDocumenti.h"
#include "ListaDiProva.h"
#include "ServiziRegistrati.h"
#include "tests/support/DialoghiScriptati.h"

#include "app/Invexo_Main.h"
#include "documents/CercaDocumenti.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/ColonneDocumenti.h"
#include "documents/CriteriDocumenti.h"
#include "documents/RubricaInvio.h"
#include "documents/SelezioneDocumenti.h"
#include "documents/SerieDocumenti.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;
namespace P = PosizioniDocumenti;

namespace {

class RubricaRegistrata final : public RubricaInvio {
public:
    bool Connessa = true;
    int Completati = 0;
    bool Connetti() override { return Connessa; }
    void CompletaIndirizzi(Cliente& copia, const Documento& documento) override
    {
        ++Completati;
        copia.Email = u"dir-"_s + documento.Sigla + u"@x.it"_s;
    }
};

class Ricerca : public ::testing::Test {
protected:
    Ricerca()
    {
        servizi = std::make_shared<ServiziRegistrati>();
        sessione.Servizi = servizi;
        sessione.CodiceAzienda = u"01"_s;
        sessione.IndirizzoServer = u"local"_s;
        sessione.SessioneOrbeni = std::make_shared<Sessione>();
        sessione.SessioneOrbeni->Utente.Codice = u"mario"_s;
        sessione.Archivio = std::make_shared<ArchivioSerie>(ArchivioDiProva());
        ColonneLWDocumenti(lista);
    }

    void Rispondi(QList<ClientePtr> clienti)
    {
        servizi->Risposta = [clienti](RisultatoRichiesta& risultato) {
            if (auto* trovati = dynamic_cast<DocumentiTrovati*>(&risultato))
                trovati->Clienti = clienti;
        };
    }

    std::shared_ptr<ServiziRegistrati> servizi;
    Invexo_Main sessione;
    Elenco lista;
};

TEST_F(Ricerca, SendsTheCriteriaAtTheirIndices)
{
    for (int i = 0; i < 45; ++i)
        sessione.ClientiSelezionati.append(NuovoCliente(u"C%1"_s.arg(i), u"N"_s));
    servizi->CodiciRicerca = {u"A"_s, u"B"_s};
    CriteriRicercaDocumenti criteri;
    criteri.categoria = u"1"_s;
    criteri.serie = u"01"_s;
    criteri.numero = 40000;
    criteri.dataDa = QDate(2024, 1, 31);
    criteri.etichetta = u"FATTURE EMESSE"_s;
    CercaDocumenti(lista, criteri, sessione);

    ASSERT_EQ(servizi->Richieste.size(), 1);
    EXPECT_EQ(servizi->Richieste[0].Servizio, u"DOCUME"_s);
    const QStringList& r = servizi->Richieste[0].Richiesta;
    ASSERT_EQ(r.size(), 111);
    EXPECT_EQ(r.mid(0, 4), (QStringList {u"01"_s, u"DOCUMENTI"_s, u"AZ"_s, u"it"_s}));
    EXPECT_EQ(r[4], u"C0"_s);
    EXPECT_EQ(r[12], u"C8"_s);
    EXPECT_EQ(r[28], u"C9"_s);
    EXPECT_EQ(r[57], u"C38"_s);
    EXPECT_EQ(r[58], QString());
    EXPECT_EQ(r[22], u"01"_s);
    EXPECT_EQ(r[23], u"40000"_s);
    EXPECT_EQ(r[24], QString());
    EXPECT_EQ(r[25], u"20240131"_s);
    EXPECT_EQ(r[26], QString());
    EXPECT_EQ(r[27], u"FATTURE EMESSE"_s);
    EXPECT_EQ(r[90], u"A:B:@END@"_s);
    EXPECT_EQ(r[94], u"1"_s);
    EXPECT_EQ(r[96], u"mario"_s);
    EXPECT_EQ(r[95], QString());
}

TEST_F(Ricerca, SkipsASecondDocumentWithTheSameKeyAndGoesOn)
{
    Rispondi({NuovoCliente(u"C1"_s, u"Alfa"_s,
                  {NuovoDocumento({u"FATTURE EMESSE"_s, u"01"_s, 1}),
                      NuovoDocumento({u"FATTURE EMESSE"_s, u"01"_s, 1}),
                      NuovoDocumento({u"FATTURE EMESSE"_s, u"01"_s, 2})}),
        NuovoCliente(u"C2"_s, u"Beta"_s),
        NuovoCliente(u"C3"_s, u"Gamma"_s, {NuovoDocumento({u"BOLLE DI VENDITA"_s})})});
    const EsitoRicercaDocumenti esito = CercaDocumenti(lista, {}, sessione);
    EXPECT_EQ(esito.Righe.Aggiunte, 3);
    EXPECT_EQ(esito.Righe.Doppie, 1);
    ASSERT_EQ(lista.Conta(), 3);
    EXPECT_EQ(lista.Riga(1).Chiave, u"FATT.|01|2|2024|"_s);
    EXPECT_EQ(lista.Riga(2).Testo, u"Gamma"_s);
    ASSERT_NE(sessione.Trovati, nullptr);
    EXPECT_EQ(sessione.Trovati->Clienti.size(), 3);
}

TEST_F(Ricerca, ClearsTheListBeforeSearching)
{
    Rispondi({NuovoCliente(u"C1"_s, u"Alfa"_s, {NuovoDocumento({u"FATTURE EMESSE"_s})})});
    CercaDocumenti(lista, {}, sessione);
    Rispondi({});
    CercaDocumenti(lista, {}, sessione);
    EXPECT_EQ(lista.Conta(), 0);
}

TEST_F(Ricerca, ToSendSearchWithTheDirectoryNeedsAConnection)
{
    sessione.Archivio->RubricaLdap = true;
    Rispondi({NuovoCliente(u"C1"_s, u"Alfa"_s, {NuovoDocumento({u"FATTURE EMESSE"_s})})});
    CriteriRicercaDocumenti criteri;
    criteri.etichetta = u"DA INVIARE"_s;
    RubricaRegistrata rubrica;
    rubrica.Connessa = false;
    EXPECT_FALSE(CercaDocumenti(lista, criteri, sessione, &rubrica).Eseguita);
    EXPECT_FALSE(CercaDocumenti(lista, criteri, sessione, nullptr).Eseguita);
    EXPECT_TRUE(servizi->Richieste.isEmpty());
    EXPECT_EQ(lista.Conta(), 0);

    rubrica.Connessa = true;
    EXPECT_TRUE(CercaDocumenti(lista, criteri, sessione, &rubrica).Eseguita);
    ASSERT_EQ(lista.Conta(), 1);
    EXPECT_EQ(rubrica.Completati, 1);
    EXPECT_EQ(lista.Riga(0).TestoColonna(P::Agente), u"dir-FATT.@x.it"_s);
}

TEST_F(Ricerca, CredemtelSearchTicksEveryRow)
{
    Rispondi({NuovoCliente(u"C1"_s, u"Alfa"_s,
        {NuovoDocumento({u"FATTURE EMESSE"_s, u"01"_s, 1}),
            NuovoDocumento({u"NOTE DI CREDITO EMESSE"_s, u"02"_s, 1})})});
    CriteriRicercaDocumenti criteri;
    criteri.etichetta = u"CREDEMTEL - INVIO DOCUMENTI"_s;
    FPicRicercaDocumento(lista, criteri, sessione);
    ASSERT_EQ(lista.Conta(), 2);
    EXPECT_EQ(lista.Riga(0).Cella(K::Check)->Icona, u"CHKON"_s);
    EXPECT_EQ(lista.Riga(1).Cella(K::Check)->Icona, u"CHKON"_s);
}

TEST_F(Ricerca, SetAsiNotToSendRecordsOnlyTheMarkedToSendRows)
{
    DialoghiScriptati dialoghi;
    Elenco daInviare = ListaDiProva(
        {{u"FATTURE EMESSE"_s, u"01"_s, 1}, {u"FATTURE EMESSE"_s, u"01"_s, 2}}, true);
    EXPECT_FALSE(ImpostaDaNonInviare(daInviare, sessione, dialoghi));
    EXPECT_EQ(dialoghi.Testi(), QStringList {u"Non ci sono documenti selezionati"_s});
    EXPECT_EQ(dialoghi.Registrati[0].Titolo, u"Errore"_s);
    EXPECT_TRUE(servizi->Registrazioni.isEmpty());

    ImpostaCella(daInviare.Riga(1), K::Check, true);
    EXPECT_TRUE(ImpostaDaNonInviare(daInviare, sessione, dialoghi));
    ASSERT_EQ(servizi->Registrazioni.size(), 1);
    EXPECT_TRUE(servizi->Registrazioni[0].Rimossi);
    EXPECT_EQ(servizi->Registrazioni[0].Utente, u"mario"_s);
    ASSERT_EQ(servizi->Registrazioni[0].Documenti.size(), 1);
    EXPECT_EQ(servizi->Registrazioni[0].Documenti[0]->Numero, 2);
}

TEST(CriteriDocumenti, ReadsTheFieldsOfTheDocumentView)
{
    DialoghiScriptati dialoghi;
    CampiRicercaDocumenti campi;
    campi.Categoria = 2;
    campi.VoceSerie = u"B1 Bolle sede"_s;
    campi.TestoSerie = u"ignored"_s;
    campi.Anno = u" 2024 "_s;
    campi.Da = {u"31"_s, 1, u"2023"_s};
    campi.A = {u"15"_s, -1, u"2024"_s};
    campi.Etichetta = u"BOLLE DI VENDITA"_s;
    const auto criteri = CriteriDocumenti(campi, dialoghi);
    ASSERT_TRUE(criteri.has_value());
    EXPECT_EQ(criteri->categoria, u"2"_s);
    EXPECT_EQ(criteri->serie, u"B1"_s);
    EXPECT_EQ(criteri->numero, -1);
    EXPECT_EQ(criteri->anno, 2024);
    // 31 February rolls over into March.
    EXPECT_EQ(criteri->dataDa, QDate(2023, 3, 3));
    EXPECT_FALSE(criteri->dataA.isValid());
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());

    campi.VoceSerie.clear();
    campi.TestoSerie = u"ABC"_s;
    campi.Categoria = -1;
    EXPECT_EQ(CriteriDocumenti(campi, dialoghi)->serie, u"ABC"_s);
    EXPECT_EQ(CriteriDocumenti(campi, dialoghi)->categoria, QString());
}

struct CasoNumero {
    const char* Nome;
    QString Numero;
    QString Anno;
    QString Messaggio;
};

class NumeroNonValido : public ::testing::TestWithParam<CasoNumero> { };

TEST_P(NumeroNonValido, IsRefusedWithAMessage)
{
    DialoghiScriptati dialoghi;
    CampiRicercaDocumenti campi;
    campi.Numero = GetParam().Numero;
    campi.Anno = GetParam().Anno;
    EXPECT_FALSE(CriteriDocumenti(campi, dialoghi).has_value());
    EXPECT_EQ(dialoghi.Testi(), QStringList {GetParam().Messaggio});
}

INSTANTIATE_TEST_SUITE_P(Campi, NumeroNonValido,
    ::testing::Values(
        CasoNumero {"Letters", u"12a"_s, {}, u"Il numero del documento non è valido"_s},
        CasoNumero {"TooLong", u"99999999999"_s, {}, u"Il numero del documento non è valido"_s},
        CasoNumero {"Negative", u"-3"_s, {}, u"Il numero del documento non è valido"_s},
        CasoNumero {"YearBeyond16Bits", u"5"_s, u"40000"_s, u"L'anno del documento non è valido"_s},
        CasoNumero {"YearText", {}, u"duemila"_s, u"L'anno del documento non è valido"_s}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST(CriteriDaInviare, CategoryTwoWhenOnlyConfirmationsAreSent)
{
    ArchivioSerie opzioni;
    CriteriRicercaDocumenti criteri = CriteriDaInviare(4, {}, {}, u"DA INVIARE"_s, opzioni);
    EXPECT_EQ(criteri.categoria, u"4"_s);
    EXPECT_EQ(criteri.numero, -1);
    EXPECT_EQ(criteri.anno, -1);
    EXPECT_TRUE(criteri.serie.isEmpty());
    opzioni.InvioConferme = true;
    EXPECT_EQ(CriteriDaInviare(4, {}, {}, u"DA INVIARE"_s, opzioni).categoria, u"2"_s);
    opzioni.InvioFatture = true;
    EXPECT_EQ(CriteriDaInviare(4, {}, {}, u"DA INVIARE"_s, opzioni).categoria, u"4"_s);
}

TEST(CaricaSerie, ListsTheSeriesOfTheType)
{
    const ArchivioSerie archivio = ArchivioDiProva();
    EXPECT_EQ(CaricaSerie(archivio, u"FATTURE EMESSE"_s),
        (QStringList {QString(), u"01 Fatture Italia"_s}));
    EXPECT_EQ(CaricaSerie(archivio, u"CREDEMTEL - DOCUMENTI INVIATI"_s),
        (QStringList {QString(), u"01 Fatture Italia"_s, u"02 Note Italia"_s}));
    EXPECT_EQ(CaricaSerie(archivio, u"PACKING LIST"_s), QStringList {QString()});
}

} // namespace
