#include "documents/RigheDocumenti.h"

#include "app/Etichette.h"
#include "documents/ChiaviDocumenti.h"
#include "orbeni/Risultati.h"
#include "sending/CDatiInvioDocumentoCliente.h"

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;
namespace I = IconeDocumenti;
namespace P = PosizioniDocumenti;

namespace {

struct FormaStampa {
    QString Testo;
    QString Codice;
};

struct FormeStampa {
    FormaStampa Prima;
    FormaStampa Seconda;
};

// The two print forms of the delivery types; nothing for every other type.
std::optional<FormeStampa> FormeDelTipo(const QString& tipo)
{
    if (tipo == Etichette::BolleDiVendita)
        return FormeStampa {{u"Forma bollata"_s, u"B"_s}, {u"Forma compattata"_s, u"C"_s}};
    if (tipo == Etichette::PackingList)
        return FormeStampa {{u"Forma riepilogata"_s, u"R"_s}, {u"Forma dettagliata"_s, u" "_s}};
    if (tipo == Etichette::BolleLavorazioneCct)
        return FormeStampa {{u"Forma standard"_s, u" "_s}, {u"Forma packing list"_s, u"P"_s}};
    return std::nullopt;
}

bool ETipoConInvio(const QString& tipo)
{
    return tipo == Etichette::Conferme || tipo == Etichette::FattureEmesse
        || tipo == Etichette::NoteDiCreditoEmesse;
}

bool ETipoFattura(const QString& tipo)
{
    return tipo == Etichette::FattureEmesse || tipo == Etichette::NoteDiCreditoEmesse;
}

bool ETipoBolla(const QString& tipo)
{
    return tipo == Etichette::BolleDiVendita || tipo == Etichette::PackingList
        || tipo == Etichette::Conferme;
}

// Writes the number in `cifre` digits, with leading zeros.
void Cifre(QChar* destinazione, int valore, int cifre)
{
    for (int i = cifre - 1; i >= 0; --i, valore /= 10)
        destinazione[i] = QChar(u'0' + valore % 10);
}

// The row's "dd/MM/yyyy" and its sort key "yyyyMMddHHmmss", written by hand: formatting
// through QDateTime costs more than the rest of a row, and a search can bring a hundred thousand.
struct TestiData final {
    QString Data;
    QString Ordinamento;
};

TestiData TestiDataDocumento(const QDateTime& momento)
{
    const QDate giorno = momento.date();
    if (!giorno.isValid())
        return {};
    int anno = 0;
    int mese = 0;
    int giornoDelMese = 0;
    giorno.getDate(&anno, &mese, &giornoDelMese);
    TestiData testi {QString(10, u'/'), QString(14, u'0')};
    Cifre(testi.Data.data(), giornoDelMese, 2);
    Cifre(testi.Data.data() + 3, mese, 2);
    Cifre(testi.Data.data() + 6, anno, 4);
    const QTime ora = momento.time();
    QChar* chiave = testi.Ordinamento.data();
    Cifre(chiave, anno, 4);
    Cifre(chiave + 4, mese, 2);
    Cifre(chiave + 6, giornoDelMese, 2);
    Cifre(chiave + 8, ora.hour(), 2);
    Cifre(chiave + 10, ora.minute(), 2);
    Cifre(chiave + 12, ora.second(), 2);
    return testi;
}

void ImpostaSelezione(CellaElenco& cella, const QString& chiave, const FormaStampa* forma)
{
    cella.Chiave = chiave;
    cella.Icona = I::NonSpuntata;
    if (forma) {
        cella.ToolTip = forma->Testo;
        cella.Tag = forma->Codice;
    }
}

void AggiungiCelleInvio(RigaElenco& riga, const Documento& documento)
{
    if (!ETipoConInvio(documento.DescrizioneTipo)) {
        for (int colonna : {P::Bollo, P::Inviato, P::DataInvio, P::Mittente})
            riga.Celle[colonna].Testo = u" "_s;
        return;
    }
    riga.Celle[P::Inviato].Testo = documento.Inviato() ? u"    Si"_s : u"    No"_s;
    riga.Celle[P::DataInvio].Testo = documento.DataInvio;
    CellaElenco& mittente = riga.Celle[P::Mittente];
    mittente.Testo
        = documento.MittenteInvio.isEmpty() ? documento.InviatoDa : documento.MittenteInvio;
    mittente.ToolTip = mittente.Testo;
}

void AggiungiCelleNote(RigaElenco& riga, const Documento& documento, const OpzioniRigheDocumenti& o)
{
    if (!o.AnnotaFatture && !o.AnnotaBolle && !o.ModificaInWord)
        return;
    const bool pdfLibero = EPdfLibero(documento);
    const QString& tipo = documento.DescrizioneTipo;
    const bool consentite = pdfLibero
        || (ETipoFattura(tipo) && (o.AnnotaFatture || o.ModificaInWord))
        || (ETipoBolla(tipo) && (o.AnnotaBolle || o.ModificaInWord));
    if (!consentite)
        return;
    CellaElenco& note = riga.Celle[P::Note];
    note.Chiave = K::KNote;
    note.Testo = documento.Note;
    note.ToolTip = documento.Note;
    note.Tag = documento.NomePdf;
    if (!o.ModoModifica)
        return;
    CellaElenco& modifica = riga.Celle[P::Modifica];
    modifica.Chiave = K::KModifica;
    modifica.Icona = I::Modifica;
    modifica.ToolTip = u"Modifica il documento"_s;
    modifica.Tag = u"M"_s;
    if (!pdfLibero)
        return;
    CellaElenco& cancella = riga.Celle[P::Cancella];
    cancella.Chiave = K::KCancella;
    cancella.Icona = I::Elimina;
    cancella.ToolTip = u"Elimina il documento"_s;
    cancella.Tag = u"E"_s;
}

} // namespace

OpzioniRigheDocumenti OpzioniRighe(
    const QString& etichetta, bool daInviare, bool modoModifica, const ArchivioSerie& archivio)
{
    OpzioniRigheDocumenti opzioni;
    opzioni.Etichetta = etichetta;
    opzioni.DaInviare = daInviare;
    opzioni.ModoModifica = modoModifica;
    opzioni.SenzaBollo = archivio.SenzaBollo;
    opzioni.AnnotaFatture = archivio.AnnotaFatture;
    opzioni.AnnotaBolle = archivio.AnnotaBolle;
    opzioni.ModificaInWord = archivio.ModificaInWord;
    return opzioni;
}

SigleTipi::SigleTipi(const ArchivioSerie& archivio)
{
    for (const auto& voce : archivio.VociSerie)
        if (voce.Serie.isEmpty() && !m_sigle.contains(voce.TipoDocumento))
            m_sigle.insert(voce.TipoDocumento, voce.Sigla);
}

QString SigleTipi::Sigla(const QString& tipoDocumento) const
{
    return m_sigle.value(tipoDocumento);
}

bool EPdfLibero(const Documento& documento)
{
    return documento.DescrizioneTipo.startsWith(u"PDFMOD");
}

void PreparaDocumento(Documento& documento, const SigleTipi& sigle)
{
    // A type the archive does not list keeps the kind code the server gave.
    const QString sigla = sigle.Sigla(documento.DescrizioneTipo);
    if (!sigla.isEmpty())
        documento.Sigla = sigla;
    if (documento.DescrizioneTipo == u"CONFCAMP")
        documento.Sigla = u"CONFC."_s;
    else if (documento.DescrizioneTipo == u"BOLLA")
        documento.Sigla = u"BOLLA"_s;

    if (documento.DescrizioneTipo == Etichette::BolleDiVendita)
        documento.Stampa = documento.FormaPredefinita;
    else if (documento.Stampa.isEmpty())
        documento.Stampa = u" "_s;
}

QString ChiaveRigaDocumento(const Documento& documento, const QString& numero)
{
    QString chiave = documento.Sigla % u'|' % documento.Serie % u'|' % numero % u'|'
        % QString::number(documento.Anno) % u'|';
    if (EPdfLibero(documento))
        chiave += documento.NomePdf % u'|';
    return chiave;
}

RigaElenco RigaDocumento(const Cliente& cliente, const DocumentoPtr& documento,
    const OpzioniRigheDocumenti& opzioni, const ClientePtr& copiaInvio)
{
    RigaElenco riga;
    if (!documento)
        return riga;
    const Documento& d = *documento;
    const QString numero = QString::number(d.Numero);
    riga.Chiave = ChiaveRigaDocumento(d, numero);
    riga.Testo = cliente.Nominativo;
    riga.Tag = documento;
    // A search can bring a hundred thousand rows: the cells are filled in place.
    riga.Celle.resize(P::Cancella + 1);
    CellaElenco* celle = riga.Celle.data();

    if (opzioni.DaInviare)
        celle[P::Agente] = CellaIndirizzoInvio(copiaInvio);
    else
        celle[P::Agente].Testo = d.Agente;
    celle[P::Tipo].Chiave = K::KTipo;
    if (opzioni.Etichetta == Etichette::TuttiIDocumenti)
        celle[P::Tipo].Testo = d.Sigla;

    CellaElenco& documentoCella = celle[P::Documento];
    documentoCella.Chiave = K::KDocumento;
    documentoCella.Testo = d.Serie % u' ' % numero;
    if (opzioni.DaInviare && d.ConBollo && !opzioni.SenzaBollo) {
        documentoCella.Colore = QColor(Qt::red);
        documentoCella.Grassetto = true;
        documentoCella.Icona = I::Bollo;
        documentoCella.ToolTip = u"Fatture con bollo"_s;
    }
    TestiData date = TestiDataDocumento(d.Data);
    celle[P::Data].Chiave = K::KData;
    celle[P::Data].Testo = std::move(date.Data);

    const auto forme = FormeDelTipo(d.DescrizioneTipo);
    if (forme) {
        ImpostaSelezione(celle[P::Sel], K::Radio1, &forme->Prima);
        ImpostaSelezione(celle[P::Sel2], K::Radio2, &forme->Seconda);
    } else {
        ImpostaSelezione(celle[P::Sel], K::Check, nullptr);
    }
    celle[P::DataSort].Testo = std::move(date.Ordinamento);

    celle[P::Bollo].Chiave = K::KBollo;
    celle[P::Inviato].Chiave = K::KInviato;
    celle[P::DataInvio].Chiave = K::KDataInvio;
    celle[P::Mittente].Chiave = K::KMittente;
    AggiungiCelleInvio(riga, d);

    if (opzioni.DaInviare && d.Stampa > u" ") {
        // The one-form kinds have their "CHECK" cell in the selection column.
        if (!forme) {
            CellaElenco& check = riga.Celle[P::Sel];
            check.ToolTip = u"Forma "_s + d.Stampa;
            check.Tag = d.Stampa;
        }
        documento->StampaPDF = d.Stampa;
    }
    AggiungiCelleNote(riga, d, opzioni);
    return riga;
}

CellaElenco CellaIndirizzoInvio(const ClientePtr& copia)
{
    CellaElenco cella;
    cella.Tag = copia;
    const QString email = copia ? copia->Email.trimmed() : QString();
    const QString fax = copia ? copia->Fax.trimmed() : QString();
    if (!email.isEmpty()) {
        const int indirizzi = ContaCaratteri(u";"_s, copia->Email).value_or(0) + 1;
        if (indirizzi == 1) {
            cella.Testo = copia->Email;
        } else {
            cella.Testo = u"Invio a "_s % QString::number(indirizzi) % u" indirizzi email"_s;
            cella.Colore = QColor(Qt::red);
            cella.ToolTip = copia->Email;
        }
    } else if (!fax.isEmpty()) {
        cella.Testo = copia->Fax;
    } else {
        cella.Testo = TipoInvioStampa.toString();
        cella.Colore = QColor(Qt::red);
    }
    return cella;
}

std::optional<int> ContaCaratteri(const QString& carattere, const QString& testo)
{
    if (carattere.size() != 1)
        return std::nullopt;
    return static_cast<int>(testo.count(carattere.at(0), Qt::CaseInsensitive));
}

bool BottoneCheck(const RigaElenco& riga)
{
    return riga.Cella(K::Check) != nullptr;
}

bool BottoneRadio(const RigaElenco& riga)
{
    return riga.Cella(K::Radio1) != nullptr;
}

bool CellaAccesa(const RigaElenco& riga, const QString& chiave)
{
    const CellaElenco* cella = riga.Cella(chiave);
    return cella && cella->Icona == I::Spuntata;
}

bool RigaSpuntata(const RigaElenco& riga)
{
    if (BottoneCheck(riga))
        return CellaAccesa(riga, K::Check);
    return CellaAccesa(riga, K::Radio1) || CellaAccesa(riga, K::Radio2);
}

void ImpostaCella(RigaElenco& riga, const QString& chiave, bool accesa)
{
    if (CellaElenco* cella = riga.Cella(chiave))
        cella->Icona = accesa ? I::Spuntata : I::NonSpuntata;
}

DocumentoPtr DocumentoDellaRiga(const RigaElenco& riga)
{
    return riga.TagCome<DocumentoPtr>();
}
