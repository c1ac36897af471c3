#include "DatiDocumenti.h"

#include "documents/CercaDocumenti.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;
namespace P = PosizioniDocumenti;

namespace {

struct Prova {
    QString Nome;
    QString Tipo;
};

QString Tag(const CellaElenco* cella)
{
    return cella ? cella->TagCome<QString>() : u"<none>"_s;
}

RigaElenco Riga(const DocumentoPtr& documento, const OpzioniRigheDocumenti& opzioni,
    const ClientePtr& copia = nullptr)
{
    PreparaDocumento(*documento, SigleTipi(ArchivioDiProva()));
    return RigaDocumento(*NuovoCliente(u"C1"_s, u"Alfa srl"_s), documento, opzioni, copia);
}

OpzioniRigheDocumenti Opzioni(const QString& etichetta)
{
    OpzioniRigheDocumenti opzioni;
    opzioni.Etichetta = etichetta;
    return opzioni;
}

// Print forms of the selection cells, by document type.
struct CasoSelezione {
    QString Tipo;
    QString Radio1ToolTip;
    QString Radio1Tag;
    QString Radio2ToolTip;
    QString Radio2Tag;
};

class SelezioneDelTipo : public ::testing::TestWithParam<CasoSelezione> { };

TEST_P(SelezioneDelTipo, OffersTheTypesPrintForms)
{
    const CasoSelezione& caso = GetParam();
    const RigaElenco riga = Riga(NuovoDocumento({caso.Tipo}), Opzioni(caso.Tipo));
    if (caso.Radio1Tag.isEmpty()) {
        ASSERT_TRUE(BottoneCheck(riga));
        EXPECT_FALSE(BottoneRadio(riga));
        EXPECT_EQ(riga.Celle[P::Sel].Icona, u"CHKOFF"_s);
        EXPECT_TRUE(riga.Celle[P::Sel2].Chiave.isEmpty());
        EXPECT_TRUE(riga.Celle[P::Sel2].Icona.isEmpty());
        return;
    }
    EXPECT_FALSE(BottoneCheck(riga));
    ASSERT_TRUE(BottoneRadio(riga));
    EXPECT_EQ(riga.Celle[P::Sel].Chiave, K::Radio1);
    EXPECT_EQ(riga.Celle[P::Sel2].Chiave, K::Radio2);
    EXPECT_EQ(riga.Celle[P::Sel].Icona, u"CHKOFF"_s);
    EXPECT_EQ(riga.Celle[P::Sel2].Icona, u"CHKOFF"_s);
    EXPECT_EQ(riga.Cella(K::Radio1)->ToolTip, caso.Radio1ToolTip);
    EXPECT_EQ(Tag(riga.Cella(K::Radio1)), caso.Radio1Tag);
    EXPECT_EQ(riga.Cella(K::Radio2)->ToolTip, caso.Radio2ToolTip);
    EXPECT_EQ(Tag(riga.Cella(K::Radio2)), caso.Radio2Tag);
    EXPECT_TRUE(riga.Celle[P::Sel].Testo.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tipi, SelezioneDelTipo,
    ::testing::Values(CasoSelezione {u"BOLLE DI VENDITA"_s, u"Forma bollata"_s, u"B"_s,
                          u"Forma compattata"_s, u"C"_s},
        CasoSelezione {
            u"PACKING LIST"_s, u"Forma riepilogata"_s, u"R"_s, u"Forma dettagliata"_s, u" "_s},
        CasoSelezione {u"BOLLE LAVORAZIONE CCT"_s, u"Forma standard"_s, u" "_s,
            u"Forma packing list"_s, u"P"_s},
        CasoSelezione {u"FATTURE EMESSE"_s, {}, {}, {}, {}},
        CasoSelezione {u"CONFERME"_s, {}, {}, {}, {}},
        CasoSelezione {u"PDFMODLIBERO"_s, {}, {}, {}, {}}));

TEST(RigaDocumento, CarriesKeyTextDatesAndTheRecord)
{
    auto documento = NuovoDocumento({u"FATTURE EMESSE"_s, u"01"_s, 123, 2024});
    const RigaElenco riga = Riga(documento, Opzioni(u"FATTURE EMESSE"_s));
    EXPECT_EQ(riga.Chiave, u"FATT.|01|123|2024|"_s);
    EXPECT_EQ(riga.Testo, u"Alfa srl"_s);
    EXPECT_EQ(DocumentoDellaRiga(riga), documento);
    EXPECT_EQ(riga.TestoColonna(P::Agente), u"Rossi"_s);
    EXPECT_EQ(riga.Cella(K::KDocumento)->Testo, u"01 123"_s);
    EXPECT_EQ(riga.Cella(K::KData)->Testo, u"07/03/2024"_s);
    EXPECT_EQ(riga.TestoColonna(P::DataSort), u"20240307090504"_s);
    EXPECT_EQ(riga.Cella(K::KTipo)->Testo, QString());
    EXPECT_EQ(documento->Stampa, u" "_s);
}

TEST(RigaDocumento, KindCodesComeFromTheArchiveAndTheInternalTypes)
{
    EXPECT_EQ(Riga(NuovoDocumento({u"CONFCAMP"_s}), Opzioni({})).Chiave, u"CONFC.|01|1|2024|"_s);
    EXPECT_EQ(Riga(NuovoDocumento({u"BOLLA"_s}), Opzioni({})).Chiave, u"BOLLA|01|1|2024|"_s);
    const RigaElenco tutti
        = Riga(NuovoDocumento({u"NOTE DI CREDITO EMESSE"_s}), Opzioni(u"TUTTI I DOCUMENTI"_s));
    EXPECT_EQ(tutti.Cella(K::KTipo)->Testo, u"NT.CRED."_s);

    auto pdf = NuovoDocumento({u"PDFMOD01"_s});
    pdf->Sigla = u"PDF"_s;
    pdf->NomePdf = u"versione1.pdf"_s;
    EXPECT_EQ(Riga(pdf, Opzioni({})).Chiave, u"PDF|01|1|2024|versione1.pdf|"_s);
}

TEST(RigaDocumento, DeliveryNotesTakeTheirDefaultForm)
{
    auto bolla = NuovoDocumento({u"BOLLE DI VENDITA"_s});
    bolla->FormaPredefinita = u"C"_s;
    bolla->Stampa = u"B"_s;
    std::ignore = Riga(bolla, Opzioni({}));
    EXPECT_EQ(bolla->Stampa, u"C"_s);
}

// The sent-state cells: invoices, credit notes and confirmations only.
TEST(RigaDocumento, SentStateCellsByType)
{
    auto fattura = NuovoDocumento({u"FATTURE EMESSE"_s});
    fattura->InviatoDa = u"mario"_s;
    fattura->ModoInvio = u"EMAIL"_s;
    fattura->DataInvio = u"01/02/2024"_s;
    fattura->EstremiInvio = u"x"_s;
    RigaElenco riga = Riga(fattura, Opzioni({}));
    EXPECT_EQ(riga.Cella(K::KBollo)->Testo, QString());
    EXPECT_EQ(riga.Cella(K::KInviato)->Testo, u"    Si"_s);
    EXPECT_EQ(riga.Cella(K::KDataInvio)->Testo, u"01/02/2024"_s);
    EXPECT_EQ(riga.Cella(K::KMittente)->Testo, u"mario"_s);
    EXPECT_EQ(riga.Cella(K::KMittente)->ToolTip, u"mario"_s);

    fattura->ModoInvio = u"flag"_s;
    fattura->MittenteInvio = u"Ufficio"_s;
    riga = Riga(fattura, Opzioni({}));
    EXPECT_EQ(riga.Cella(K::KInviato)->Testo, u"    No"_s);
    EXPECT_EQ(riga.Cella(K::KMittente)->Testo, u"Ufficio"_s);

    const RigaElenco bolla = Riga(NuovoDocumento({u"BOLLE DI VENDITA"_s}), Opzioni({}));
    for (const auto& chiave : {K::KBollo, K::KInviato, K::KDataInvio, K::KMittente})
        EXPECT_EQ(bolla.Cella(chiave)->Testo, u" "_s) << chiave.toStdString();
}

// Note, modify and delete cells by type and options.
struct CasoNote {
    const char* Nome;
    QString Tipo;
    bool AnnotaFatture;
    bool AnnotaBolle;
    bool ModificaInWord;
    bool ModoModifica;
    bool Note;
    bool Modifica;
    bool Cancella;
};

class CelleNote : public ::testing::TestWithParam<CasoNote> { };

TEST_P(CelleNote, ExistOnlyWhereTheOptionsAllow)
{
    const CasoNote& caso = GetParam();
    auto documento = NuovoDocumento({caso.Tipo});
    documento->Note = u"vedi"_s;
    documento->NomePdf = u"v1.pdf"_s;
    OpzioniRigheDocumenti opzioni = Opzioni(caso.Tipo);
    opzioni.AnnotaFatture = caso.AnnotaFatture;
    opzioni.AnnotaBolle = caso.AnnotaBolle;
    opzioni.ModificaInWord = caso.ModificaInWord;
    opzioni.ModoModifica = caso.ModoModifica;
    const RigaElenco riga = Riga(documento, opzioni);

    const CellaElenco* note = riga.Cella(K::KNote);
    ASSERT_EQ(note != nullptr, caso.Note);
    if (note) {
        EXPECT_EQ(note->Testo, u"vedi"_s);
        EXPECT_EQ(note->ToolTip, u"vedi"_s);
        EXPECT_EQ(Tag(note), u"v1.pdf"_s);
    }
    const CellaElenco* modifica = riga.Cella(K::KModifica);
    ASSERT_EQ(modifica != nullptr, caso.Modifica);
    if (modifica) {
        EXPECT_EQ(modifica->Icona, u"MODIFICA"_s);
        EXPECT_EQ(modifica->ToolTip, u"Modifica il documento"_s);
        EXPECT_EQ(Tag(modifica), u"M"_s);
    }
    const CellaElenco* cancella = riga.Cella(K::KCancella);
    ASSERT_EQ(cancella != nullptr, caso.Cancella);
    if (cancella) {
        EXPECT_EQ(cancella->Icona, u"ELIMINA"_s);
        EXPECT_EQ(cancella->ToolTip, u"Elimina il documento"_s);
        EXPECT_EQ(Tag(cancella), u"E"_s);
    }
}

INSTANTIATE_TEST_SUITE_P(Opzioni, CelleNote,
    ::testing::Values(
        CasoNote {"NoOptions", u"FATTURE EMESSE"_s, false, false, false, true, false, false, false},
        CasoNote {
            "InvoiceNotes", u"FATTURE EMESSE"_s, true, false, false, false, true, false, false},
        CasoNote {"InvoiceModify", u"NOTE DI CREDITO EMESSE"_s, true, false, false, true, true,
            true, false},
        CasoNote {"DeliveryWithInvoiceOption", u"BOLLE DI VENDITA"_s, true, false, false, true,
            false, false, false},
        CasoNote {"DeliveryNotes", u"PACKING LIST"_s, false, true, false, true, true, true, false},
        CasoNote {"ConfirmationWord", u"CONFERME"_s, false, false, true, true, true, true, false},
        CasoNote {
            "CctNever", u"BOLLE LAVORAZIONE CCT"_s, true, true, true, true, false, false, false},
        CasoNote {"FreePdf", u"PDFMOD1"_s, true, false, false, true, true, true, true},
        CasoNote {"FreePdfNoModify", u"PDFMOD1"_s, false, true, false, false, true, false, false}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST(RigaDaInviare, StampDutyMarkUnlessTheServiceSkipsIt)
{
    auto documento = NuovoDocumento({u"FATTURE EMESSE"_s});
    documento->ConBollo = true;
    OpzioniRigheDocumenti opzioni = Opzioni(u"DA INVIARE"_s);
    opzioni.DaInviare = true;
    const RigaElenco riga = Riga(documento, opzioni, NuovoCliente(u"C1"_s, u"Alfa"_s));
    const CellaElenco* numero = riga.Cella(K::KDocumento);
    EXPECT_EQ(numero->Icona, u"BOLLO"_s);
    EXPECT_EQ(numero->ToolTip, u"Fatture con bollo"_s);
    EXPECT_EQ(numero->Colore, QColor(Qt::red));
    EXPECT_TRUE(numero->Grassetto);

    opzioni.SenzaBollo = true;
    EXPECT_TRUE(Riga(documento, opzioni).Cella(K::KDocumento)->Icona.isEmpty());
    opzioni.SenzaBollo = false;
    opzioni.DaInviare = false;
    EXPECT_TRUE(Riga(documento, opzioni).Cella(K::KDocumento)->Icona.isEmpty());
}

TEST(RigaDaInviare, CheckCellCarriesThePrintForm)
{
    auto documento = NuovoDocumento({u"FATTURE EMESSE"_s});
    documento->Stampa = u"A"_s;
    OpzioniRigheDocumenti opzioni = Opzioni(u"DA INVIARE"_s);
    opzioni.DaInviare = true;
    const RigaElenco riga = Riga(documento, opzioni, NuovoCliente(u"C1"_s, u"Alfa"_s));
    EXPECT_EQ(riga.Cella(K::Check)->ToolTip, u"Forma A"_s);
    EXPECT_EQ(Tag(riga.Cella(K::Check)), u"A"_s);
    EXPECT_EQ(documento->StampaPDF, u"A"_s);

    auto senzaForma = NuovoDocumento({u"FATTURE EMESSE"_s});
    const RigaElenco vuota = Riga(senzaForma, opzioni, NuovoCliente(u"C1"_s, u"Alfa"_s));
    EXPECT_TRUE(vuota.Cella(K::Check)->ToolTip.isEmpty());
    EXPECT_TRUE(senzaForma->StampaPDF.isEmpty());
}

// The send address shown in a to-send row.
struct CasoIndirizzo {
    const char* Nome;
    QString Email;
    QString Fax;
    QString Testo;
    bool Rosso;
    QString ToolTip;
};

class IndirizzoInvio : public ::testing::TestWithParam<CasoIndirizzo> { };

TEST_P(IndirizzoInvio, ShowsAddressFaxOrPaper)
{
    const CasoIndirizzo& caso = GetParam();
    auto copia = NuovoCliente(u"C1"_s, u"Alfa"_s);
    copia->Email = caso.Email;
    copia->Fax = caso.Fax;
    const CellaElenco cella = CellaIndirizzoInvio(copia);
    EXPECT_EQ(cella.Testo, caso.Testo);
    EXPECT_EQ(cella.Colore == QColor(Qt::red), caso.Rosso);
    EXPECT_EQ(cella.ToolTip, caso.ToolTip);
    EXPECT_EQ(cella.TagCome<ClientePtr>(), copia);
}

INSTANTIATE_TEST_SUITE_P(Indirizzi, IndirizzoInvio,
    ::testing::Values(CasoIndirizzo {"OneAddress", u"a@b.it"_s, u"0511"_s, u"a@b.it"_s, false, {}},
        CasoIndirizzo {"ThreeAddresses", u"a@b.it;c@d.it;e@f.it"_s, {},
            u"Invio a 3 indirizzi email"_s, true, u"a@b.it;c@d.it;e@f.it"_s},
        CasoIndirizzo {"FaxOnly", u"  "_s, u"051 22"_s, u"051 22"_s, false, {}},
        CasoIndirizzo {"Paper", {}, u" "_s, u"STAMPA"_s, true, {}}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST(RigaDaInviare, SendAddressIsACopyOfTheCustomer)
{
    ArchivioSerie archivio = ArchivioDiProva();
    auto cliente = NuovoCliente(u"C1"_s, u"Alfa"_s, {NuovoDocumento({u"FATTURE EMESSE"_s})});
    cliente->Email = u"a@b.it"_s;
    DocumentiTrovati trovati;
    trovati.Clienti = {cliente};
    Elenco lista;
    OpzioniRigheDocumenti opzioni = Opzioni(u"DA INVIARE"_s);
    opzioni.DaInviare = true;
    AggiungiRigheDocumenti(lista, trovati, opzioni, SigleTipi(archivio));
    ASSERT_EQ(lista.Conta(), 1);
    const auto copia = lista.Riga(0).Celle[P::Agente].TagCome<ClientePtr>();
    ASSERT_NE(copia, nullptr);
    EXPECT_NE(copia, cliente);
    EXPECT_EQ(copia->Email, u"a@b.it"_s);
    EXPECT_TRUE(copia->DocumentiCliente.isEmpty());
}

TEST(ContaCaratteri, CountsIgnoringCaseAndRefusesOtherLengths)
{
    EXPECT_EQ(ContaCaratteri(u";"_s, u"a;b;c"_s), 2);
    EXPECT_EQ(ContaCaratteri(u"a"_s, u"Anna"_s), 2);
    EXPECT_EQ(ContaCaratteri(u"x"_s, QString()), 0);
    EXPECT_FALSE(ContaCaratteri(QString(), u"abc"_s).has_value());
    EXPECT_FALSE(ContaCaratteri(u";;"_s, u"a;b"_s).has_value());
}

TEST(RigaSpuntata, FollowsTheCheckCellOrEitherRadio)
{
    RigaElenco check = Riga(NuovoDocumento({u"FATTURE EMESSE"_s}), Opzioni({}));
    EXPECT_FALSE(RigaSpuntata(check));
    ImpostaCella(check, K::Check, true);
    EXPECT_TRUE(RigaSpuntata(check));

    RigaElenco radio = Riga(NuovoDocumento({u"PACKING LIST"_s}), Opzioni({}));
    EXPECT_FALSE(RigaSpuntata(radio));
    ImpostaCella(radio, K::Radio2, true);
    EXPECT_TRUE(RigaSpuntata(radio));
    // A radio cell on a check row does not exist, so setting one changes nothing.
    ImpostaCella(check, K::Radio1, true);
    EXPECT_EQ(check.Cella(K::Radio1), nullptr);
}

} // namespace
