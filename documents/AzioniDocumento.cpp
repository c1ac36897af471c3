#include "documents/AzioniDocumento.h"

#include "app/Etichette.h"
#include "app/Invexo_Main.h"
#include "documents/ApritoreFile.h"
#include "documents/CellaCliccata.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "forms/Dialoghi.h"
#include "sending/MessaggiDocumento.h"

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;
namespace I = IconeDocumenti;
namespace P = PosizioniDocumenti;

namespace {

void ScambiaRadio(RigaElenco& riga, const QString& cliccata, const QString& altra)
{
    if (CellaAccesa(riga, cliccata)) {
        ImpostaCella(riga, cliccata, false);
        return;
    }
    ImpostaCella(riga, cliccata, true);
    ImpostaCella(riga, altra, false);
}

bool AnnotazioniAttive(const ArchivioSerie& opzioni)
{
    return opzioni.AnnotaFatture || opzioni.AnnotaBolle || opzioni.ModificaInWord;
}

// The version named by the "KNote" cell, with the year and series the server files it under.
void LeggiVersione(const RigaElenco& riga, EsitoClickCella& esito)
{
    if (const CellaElenco* note = riga.Cella(K::KNote)) {
        esito.NomePdf = note->TagCome<QString>();
        esito.Note = note->Testo;
        esito.ToolTipNote = note->ToolTip;
    }
    esito.Anno = riga.TestoColonna(P::Data).right(4);
    esito.Serie = riga.TestoColonna(P::Documento).left(2);
    esito.Nominativo = riga.Testo;
    esito.Agente = riga.TestoColonna(P::Agente);
    esito.TestoDocumento = riga.TestoColonna(P::Documento);
    esito.Data = riga.TestoColonna(P::Data);
}

bool NessunaForma(const RigaElenco& riga)
{
    return BottoneRadio(riga) && !CellaAccesa(riga, K::Radio1) && !CellaAccesa(riga, K::Radio2);
}

} // namespace

EsitoClickCella ClickCellaDocumento(
    Elenco& lista, int riga, int colonna, const ArchivioSerie& opzioni, Dialoghi& dialoghi)
{
    EsitoClickCella esito;
    const auto cella = TrovaCellaCliccata(lista, riga, colonna);
    if (!cella)
        return esito;
    esito.Riga = riga;
    RigaElenco& trovata = lista.Riga(riga);
    const CellaElenco& cliccata = trovata.Celle[colonna];

    if (cella->Chiave == K::Check) {
        ImpostaCella(trovata, K::Check, !CellaAccesa(trovata, K::Check));
        esito.Azione = AzioneCella::Selezione;
    } else if (cella->Chiave == K::Radio1) {
        ScambiaRadio(trovata, K::Radio1, K::Radio2);
        esito.Azione = AzioneCella::Selezione;
    } else if (cella->Chiave == K::Radio2) {
        ScambiaRadio(trovata, K::Radio2, K::Radio1);
        esito.Azione = AzioneCella::Selezione;
    } else if (cella->Chiave == K::KNote) {
        LeggiVersione(trovata, esito);
        if (!esito.NomePdf.isEmpty())
            esito.Azione = AzioneCella::Versioni;
    } else if (cliccata.Icona == I::Modifica) {
        if (NessunaForma(trovata)) {
            dialoghi.Avviso(u"Seleziona il tipo del documento"_s);
            return esito;
        }
        if (AnnotazioniAttive(opzioni)) {
            LeggiVersione(trovata, esito);
            esito.Azione = AzioneCella::Modifica;
        }
    } else if (cliccata.Icona == I::Elimina) {
        if (dialoghi.Domanda(u"Le modifiche al documento andranno perse.\rConfermi?"_s, QString(),
                IconaMessaggio::Nessuna)) {
            LeggiVersione(trovata, esito);
            esito.Azione = AzioneCella::Elimina;
        }
    }
    if (esito.Azione == AzioneCella::Selezione)
        lista.Cambiato();
    return esito;
}

EsitoClickCella ClickCellaDocumentoDaInviare(
    Elenco& lista, int riga, int colonna, const ArchivioSerie& opzioni, Dialoghi& dialoghi)
{
    // The selection as it was, to put back when the document cannot be selected.
    QList<CellaElenco> primaDelClick;
    if (riga >= 0 && riga < lista.Conta())
        primaDelClick = lista.Riga(riga).Celle;

    EsitoClickCella esito = ClickCellaDocumento(lista, riga, colonna, opzioni, dialoghi);
    if (riga < 0 || riga >= lista.Conta())
        return esito;
    if (colonna == P::Agente) {
        esito.Riga = riga;
        esito.Azione = AzioneCella::ModificaIndirizzo;
    } else if (colonna == P::Sel) {
        RigaElenco& trovata = lista.Riga(riga);
        const DocumentoPtr documento = DocumentoDellaRiga(trovata);
        if (documento && (!documento->Stampato || !documento->Stampato1)) {
            trovata.Celle = primaDelClick;
            lista.Cambiato();
            esito.Riga = riga;
            esito.Azione = AzioneCella::SegnalaNonStampato;
        }
    }
    return esito;
}

QString PrendiFileDocumento(const Documento& documento, Invexo_Main& sessione)
{
    if (!sessione.Servizi)
        return {};
    // The view is shown through the opener, so the library is never asked to show it.
    const QString file = sessione.Servizi->FileDocumento(sessione.IndirizzoServer,
        sessione.CodiceAzienda, documento, false, !sessione.ModoAnnotazione);
    if (!file.isEmpty())
        sessione.FileDaCancellare.append(file);
    return file;
}

std::optional<QString> DoppioClickDocumento(Elenco& lista, int riga, const QString& etichetta,
    Invexo_Main& sessione, Dialoghi& dialoghi, ApritoreFile& apritore)
{
    if (riga < 0 || riga >= lista.Conta() || Etichette::ECredemtel(etichetta))
        return std::nullopt;
    const RigaElenco& trovata = lista.Riga(riga);
    const DocumentoPtr documento = DocumentoDellaRiga(trovata);
    if (!documento)
        return std::nullopt;

    QString forma;
    bool stampato = false;
    if (BottoneCheck(trovata)) {
        forma = documento->Stampa;
        stampato = documento->Stampato1;
    } else if (CellaAccesa(trovata, K::Radio1)) {
        forma = trovata.Cella(K::Radio1)->TagCome<QString>();
        stampato = documento->Stampato1;
    } else if (CellaAccesa(trovata, K::Radio2)) {
        forma = trovata.Cella(K::Radio2)->TagCome<QString>();
        stampato = documento->Stampato2;
    } else {
        dialoghi.Avviso(
            u"Seleziona la forma di stampa in Selez. Doc."_s, IconaMessaggio::Avviso, u"Errore"_s);
        return std::nullopt;
    }
    documento->StampaPDF = forma;
    documento->Stampa = forma;
    if (!stampato) {
        dialoghi.Avviso(MessaggioDaStampare(*documento), IconaMessaggio::Informazione, u"Errore"_s);
        return std::nullopt;
    }

    dialoghi.Clessidra(true);
    dialoghi.EseguiEventi();
    const QString file = PrendiFileDocumento(*documento, sessione);
    if (!file.isEmpty() && !sessione.ModoAnnotazione)
        apritore.Apri(file);
    dialoghi.Clessidra(false);
    dialoghi.EseguiEventi();
    if (file.isEmpty())
        return std::nullopt;
    return file;
}
