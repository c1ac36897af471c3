#include "orbeni/local/DocumentiDemo.h"

#include "orbeni/local/PdfDocumento.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

const QList<TipoDemo>& TipiDemo()
{
    static const QList<TipoDemo> tipi {
        {u"BOLLE DI VENDITA"_s, u"BOLLA"_s,
            {{u"BV"_s, u"Bolle di vendita"_s}, {u"BX"_s, u"Bolle estero"_s}}},
        {u"FATTURE EMESSE"_s, u"FATT."_s,
            {{u"FA"_s, u"Fatture Italia"_s}, {u"FB"_s, u"Fatture estero"_s}}},
        {u"NOTE DI CREDITO EMESSE"_s, u"NT.CRED."_s, {{u"NC"_s, u"Note di credito"_s}}},
        {u"CONFERME"_s, u"CONF."_s,
            {{u"CO"_s, u"Conferme d'ordine"_s}, {u"CE"_s, u"Conferme estero"_s}}},
        {u"PACKING LIST"_s, u"PACK."_s, {{u"PL"_s, u"Packing list"_s}}},
        {u"BOLLE LAVORAZIONE CCT"_s, u"CCT"_s, {{u"LC"_s, u"Lavorazioni conto terzi"_s}}},
        {u"TUTTI I DOCUMENTI"_s, u"TUTTI"_s, {}}, {u"DA VISIONARE"_s, u"VIS."_s, {}},
        {u"DA INVIARE"_s, u"INV."_s, {}},
        {u"INFORMATIVE LEGGE PRIVACY DA INVIARE"_s, u"PRIVACY"_s, {}},
        {u"INFORMATIVE LEGGE PRIVACY INVIATE"_s, u"PRIVACY"_s, {}},
        {u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI REMOTE"_s, u"EXPORT"_s, {}},
        {u"EXPORT MANAGER - INFORMATIVE DA INVIARE"_s, u"EXPORT"_s, {}},
        {u"CREDEMTEL - INVIO DOCUMENTI"_s, u"CREDEM"_s, {}},
        {u"CREDEMTEL - DOCUMENTI INVIATI"_s, u"CREDEM"_s, {}},
        {u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s, u"ESEN."_s, {}},
        {u"INVIO TELEMATICO ELENCHI CLIENTI/FORNITORI"_s, u"ELCF."_s, {}}};
    return tipi;
}

const QList<std::pair<QString, QString>>& BancheDemo()
{
    static const QList<std::pair<QString, QString>> banche {
        {u"BTV"_s, u"Banca Toscana del Valdarno"_s},
        {u"CRP"_s, u"Cassa di Risparmio di Pratolino"_s},
        {u"BCM"_s, u"Banca Commerciale Mugellana"_s},
        {u"ICE"_s, u"Istituto di Credito per l'Estero"_s}};
    return banche;
}

namespace {

// How many documents of each kind, and whose.
struct Genere final {
    QString Tipo;
    int Quanti;
    QString SerieItalia;
    QString SerieEstero;
    bool Fornitori;
    bool Inviabile;
    bool DueForme;
};

const QList<Genere> generi {{u"FATTURE EMESSE"_s, 900, u"FA"_s, u"FB"_s, false, true, false},
    {u"NOTE DI CREDITO EMESSE"_s, 150, u"NC"_s, u"NC"_s, false, true, false},
    {u"CONFERME"_s, 500, u"CO"_s, u"CE"_s, false, true, false},
    {u"BOLLE DI VENDITA"_s, 800, u"BV"_s, u"BX"_s, false, false, true},
    {u"PACKING LIST"_s, 350, u"PL"_s, u"PL"_s, false, false, true},
    {u"BOLLE LAVORAZIONE CCT"_s, 300, u"LC"_s, u"LC"_s, true, false, true}};

const QStringList agenti {
    u"Bianchi Carlo"_s, u"Neri Laura"_s, u"Verdi Stefano"_s, u"Gialli Marta"_s, u"Direzione"_s};

struct Bozza final {
    const Genere* genere;
    const Cliente* cliente;
    Documento documento;
};

QString Valuta(const QString& nazione)
{
    static const QHash<QString, QString> valute {
        {u"US"_s, u"USD"_s}, {u"GB"_s, u"GBP"_s}, {u"CH"_s, u"CHF"_s}, {u"PL"_s, u"PLN"_s}};
    return valute.value(nazione, u"EUR"_s);
}

Bozza NuovaBozza(
    const Genere& genere, const AnagraficheDemo& anagrafiche, const QDate& oggi, CasoDemo& caso)
{
    const bool estero = !genere.Fornitori && caso.Percento(12);
    const QList<Cliente>& elenco = genere.Fornitori ? anagrafiche.Fornitori
        : estero                                    ? anagrafiche.Esteri
                                                    : anagrafiche.Clienti;
    Bozza bozza {&genere, &elenco.at(caso.Numero(int(elenco.size()))), {}};
    Documento& d = bozza.documento;
    d.DescrizioneTipo = genere.Tipo;
    d.Serie = estero ? genere.SerieEstero : genere.SerieItalia;
    const int giorniFa = caso.Numero(730);
    d.Data = QDateTime(oggi.addDays(-giorniFa), QTime(8 + caso.Numero(10), caso.Numero(60)));
    d.Anno = d.Data.date().year();
    d.Agente = caso.Scegli(agenti);
    d.Stampato = d.Stampato1 = caso.Percento(giorniFa < 4 ? 60 : 97);
    d.Stampato2 = d.Stampato && (!genere.DueForme || caso.Percento(70));
    if (genere.Tipo == u"BOLLE DI VENDITA"_s)
        d.FormaPredefinita = caso.Percento(70) ? u"B"_s : u"C"_s;
    if (genere.Tipo == u"FATTURE EMESSE"_s)
        d.ConBollo = !estero && caso.Percento(6);
    if (genere.Inviabile) {
        const double importo = 100 + caso.Numero(2490000) / 100.0;
        d.Importo = QLocale(QLocale::Italian).toString(importo, 'f', 2);
        d.Valuta = Valuta(bozza.cliente->Nazione);
        if (estero && caso.Percento(50))
            d.Banca = BancheDemo().at(caso.Numero(int(BancheDemo().size()))).first;
    }
    if (!genere.Fornitori && caso.Percento(10))
        d.AltriCodici = anagrafiche.Fornitori.at(caso.Numero(int(anagrafiche.Fornitori.size())))
                            .Codice.leftJustified(8, u' ');
    return bozza;
}

// Older documents that can be sent mostly were: by e-mail or fax when the customer has an
// address, on paper otherwise; a few were set aside.
struct Esito final {
    bool Registrato = false;
    bool Rimosso = false;
    QString Utente;
};

Esito Invio(Documento& d, const Cliente& cliente, const QDate& oggi, CasoDemo& caso)
{
    Esito esito;
    const QDate data = d.Data.date();
    if (data.daysTo(oggi) < 5 || !caso.Percento(78))
        return esito;
    esito.Registrato = true;
    esito.Utente = caso.Percento(70) ? u"demo"_s : u"mrossi"_s;
    const QDate inviato = std::min(oggi, data.addDays(1 + caso.Numero(3)));
    if (caso.Percento(4)) {
        esito.Rimosso = true;
        d.InviatoDa = esito.Utente;
        d.ModoInvio = u"FLAG"_s;
        d.DataInvio = inviato.toString(u"dd/MM/yyyy"_s);
        d.EstremiInvio = u"Da non inviare"_s;
        return esito;
    }
    const QString email = cliente.Email.section(u';', 0, 0);
    if (email.isEmpty() && cliente.Fax.isEmpty())
        return esito;
    d.InviatoDa = esito.Utente;
    d.ModoInvio = email.isEmpty() ? u"FAX"_s : u"EMAIL"_s;
    d.DataInvio = inviato.toString(u"dd/MM/yyyy"_s);
    d.EstremiInvio = email.isEmpty() ? cliente.Fax : email;
    if (caso.Percento(20))
        d.MittenteInvio = u"Ufficio amministrazione"_s;
    return esito;
}

// A handful of annotated versions, named as the annotation names them.
bool Annota(
    PopolaArchivio& dati, const QString& azienda, const Cliente& cliente, Documento& d, int indice)
{
    const QString base = QFileInfo(PercorsoPdfDocumento(azienda, d)).completeBaseName();
    const QDateTime modifica = d.Data.addDays(2);
    d.NomePdf = base + u'.' + modifica.toString(u"yyyyddMM.HHmmss"_s) + u".pdf"_s;
    d.Note = indice % 2 ? u"Corretto indirizzo di consegna"_s : u"Aggiunta firma per ricevuta"_s;
    const QString quando = modifica.toString(u"dd/MM/yyyy HH:mm:ss"_s);
    return dati.VersioneAnnotata(azienda, d,
        {u"<NOMINATIVO>"_s + cliente.Nominativo, u"<AGENTE>"_s + d.Agente,
            u"<DOCUMENTO>"_s + d.Serie + u' ' + QString::number(d.Numero),
            u"<DATA>"_s + d.Data.date().toString(u"dd/MM/yyyy"_s),
            u"<DATAULTIMAMODIFICA>"_s + quando, u"<NOTE>"_s + d.Note,
            u"<UTENTE>Utente Dimostrativo"_s, u"<DATAMODIFICA>"_s + quando,
            u"<NOMEPC>IP 192.0.2.10   POSTAZIONE1"_s});
}

} // namespace

bool SeminaDocumentiDemo(PopolaArchivio& dati, const QString& azienda,
    const AnagraficheDemo& anagrafiche, const QDate& oggi, CasoDemo& caso)
{
    QList<Bozza> bozze;
    for (const Genere& genere : generi)
        for (int i = 0; i < genere.Quanti; ++i)
            bozze.append(NuovaBozza(genere, anagrafiche, oggi, caso));
    std::stable_sort(bozze.begin(), bozze.end(),
        [](const Bozza& a, const Bozza& b) { return a.documento.Data < b.documento.Data; });
    QHash<QString, int> numeri;
    int annotati = 0;
    for (qsizetype i = 0; i < bozze.size(); ++i) {
        Bozza& bozza = bozze[i];
        Documento& d = bozza.documento;
        d.Numero = ++numeri[d.DescrizioneTipo + u'|' + d.Serie + u'|' + QString::number(d.Anno)];
        if (bozza.genere->DueForme && d.DescrizioneTipo == u"PACKING LIST"_s)
            d.SottoNumero = 1 + int(i % 3);
        const Esito esito
            = bozza.genere->Inviabile ? Invio(d, *bozza.cliente, oggi, caso) : Esito {};
        if (i % 293 == 7 && annotati < 10 && !Annota(dati, azienda, *bozza.cliente, d, annotati++))
            return false;
        const auto id = dati.NuovoDocumento(
            azienda, bozza.cliente->Codice, d, PopolaArchivio::PdfDocumento::AllaRichiesta);
        if (!id)
            return false;
        if (esito.Registrato
            && !dati.DocumentoRegistrato(*id, esito.Utente, esito.Rimosso, d.Data.addDays(1)))
            return false;
    }
    return true;
}
