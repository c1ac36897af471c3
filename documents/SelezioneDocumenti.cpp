#include "documents/SelezioneDocumenti.h"

#include "app/Invexo_Main.h"
#include "documents/Cestino.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "forms/Dialoghi.h"

#include <QSet>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

namespace {

QString TagCella(const RigaElenco& riga, const QString& chiave)
{
    const CellaElenco* cella = riga.Cella(chiave);
    return cella ? cella->TagCome<QString>() : QString();
}

// The document of a marked list row with its print image flag and form taken from the marks.
DocumentoPtr DocumentoMarcato(const RigaElenco& riga)
{
    DocumentoPtr documento = DocumentoDellaRiga(riga);
    if (!documento)
        return nullptr;
    if (BottoneCheck(riga)) {
        if (!CellaAccesa(riga, K::Check))
            return nullptr;
        documento->Stampato = documento->Stampato1;
        documento->StampaPDF = documento->Stampa;
    } else if (CellaAccesa(riga, K::Radio1)) {
        documento->Stampato = documento->Stampato1;
        documento->Stampa = TagCella(riga, K::Radio1);
        documento->StampaPDF = documento->Stampa;
    } else if (CellaAccesa(riga, K::Radio2)) {
        documento->Stampato = documento->Stampato2;
        documento->Stampa = TagCella(riga, K::Radio2);
        documento->StampaPDF = documento->Stampa;
    } else {
        return nullptr;
    }
    return documento;
}

} // namespace

QList<DocumentoSelezionato> LeggiDocumentiSelezionati(const Elenco& lista, const Elenco* cestino)
{
    QList<DocumentoSelezionato> selezionati;
    QSet<QString> chiavi;
    for (const auto& riga : lista.Righe()) {
        if (chiavi.contains(riga.Chiave))
            continue;
        if (DocumentoPtr documento = DocumentoMarcato(riga)) {
            chiavi.insert(riga.Chiave);
            selezionati.append({riga.Chiave, std::move(documento)});
        }
    }
    if (!cestino)
        return selezionati;
    for (const auto& riga : cestino->Righe()) {
        DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (!documento || chiavi.contains(riga.Chiave))
            continue;
        documento->StampaPDF = FormaCestino(riga);
        chiavi.insert(riga.Chiave);
        selezionati.append({riga.Chiave, std::move(documento)});
    }
    return selezionati;
}

void TogliCheckDocumenti(Elenco& lista)
{
    for (int indice = 0; indice < lista.Conta(); ++indice)
        for (const auto& chiave : {K::Check, K::Radio1, K::Radio2})
            ImpostaCella(lista.Riga(indice), chiave, false);
    lista.Cambiato();
}

QList<DocumentoPtr> DocumentiSelezionati(const QList<DocumentoSelezionato>& selezionati)
{
    QList<DocumentoPtr> documenti;
    documenti.reserve(selezionati.size());
    for (const DocumentoSelezionato& selezionato : selezionati)
        documenti.append(selezionato.Documento);
    return documenti;
}

void AvvisaNessunaSelezione(Dialoghi& dialoghi)
{
    dialoghi.Avviso(u"Non ci sono documenti selezionati"_s, IconaMessaggio::Avviso, u"Errore"_s);
}

bool ImpostaDaNonInviare(const Elenco& daInviare, Invexo_Main& sessione, Dialoghi& dialoghi)
{
    const auto selezionati = LeggiDocumentiSelezionati(daInviare, nullptr);
    if (selezionati.isEmpty()) {
        AvvisaNessunaSelezione(dialoghi);
        return false;
    }
    if (!sessione.Servizi)
        return false;
    sessione.Servizi->RegistraDocumenti(sessione.IndirizzoServer, sessione.CodiceAzienda,
        DocumentiSelezionati(selezionati), sessione.Utente(), true);
    return true;
}

void SelezionaTuttiDaInviare(Elenco& lista, int colonnaSelezione)
{
    const auto cellaCheck = [colonnaSelezione](RigaElenco& riga) -> CellaElenco* {
        if (colonnaSelezione >= riga.Celle.size()
            || riga.Celle[colonnaSelezione].Chiave != K::Check)
            return nullptr;
        return &riga.Celle[colonnaSelezione];
    };
    int accese = 0;
    int nonStampate = 0;
    for (int indice = 0; indice < lista.Conta(); ++indice) {
        RigaElenco& riga = lista.Riga(indice);
        const CellaElenco* cella = cellaCheck(riga);
        if (!cella)
            continue;
        if (cella->Icona == IconeDocumenti::Spuntata)
            ++accese;
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (documento && !documento->Stampato)
            ++nonStampate;
    }
    const bool accendi = accese < lista.Conta() - nonStampate;
    for (int indice = 0; indice < lista.Conta(); ++indice) {
        RigaElenco& riga = lista.Riga(indice);
        CellaElenco* cella = cellaCheck(riga);
        if (!cella)
            continue;
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (!accendi)
            cella->Icona = IconeDocumenti::NonSpuntata;
        else if (documento && documento->Stampato)
            cella->Icona = IconeDocumenti::Spuntata;
    }
    lista.Cambiato();
}

void CheckTuttiCredemtel(Elenco& lista)
{
    for (int indice = 0; indice < lista.Conta(); ++indice)
        ImpostaCella(lista.Riga(indice), K::Check, true);
    lista.Cambiato();
}

void UnCheckTuttiCredemtel(Elenco& lista)
{
    for (int indice = 0; indice < lista.Conta(); ++indice)
        ImpostaCella(lista.Riga(indice), K::Check, false);
    lista.Cambiato();
}

void FPicElimina(Invexo_Main& sessione, Elenco& nominativiSelezionati)
{
    sessione.ClientiSelezionati.clear();
    nominativiSelezionati.Svuota();
    nominativiSelezionati.Cambiato();
}
