#include "orbeni/local/AnagraficheDemo.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList cognomi {u"Rossi"_s, u"Russo"_s, u"Ferrari"_s, u"Esposito"_s, u"Bianchi"_s,
    u"Romano"_s, u"Colombo"_s, u"Ricci"_s, u"Marino"_s, u"Greco"_s, u"Bruno"_s, u"Gallo"_s,
    u"Conti"_s, u"De Luca"_s, u"Mancini"_s, u"Costa"_s, u"Giordano"_s, u"Rizzo"_s, u"Lombardi"_s,
    u"Moretti"_s, u"Barbieri"_s, u"Fontana"_s, u"Santoro"_s, u"Mariani"_s, u"Rinaldi"_s,
    u"Caruso"_s, u"Ferrara"_s, u"Galli"_s, u"Martini"_s, u"Leone"_s, u"Longo"_s, u"Gentile"_s,
    u"Martinelli"_s, u"Vitale"_s, u"Lombardo"_s};
const QStringList nomi {u"Mario"_s, u"Giuseppe"_s, u"Anna"_s, u"Lucia"_s, u"Paolo"_s,
    u"Francesca"_s, u"Marco"_s, u"Giulia"_s, u"Luca"_s, u"Chiara"_s};
const QStringList attivita {u"Tessuti"_s, u"Confezioni"_s, u"Maglificio"_s, u"Abbigliamento"_s,
    u"Calzaturificio"_s, u"Tintoria"_s, u"Ricamificio"_s, u"Pelletterie"_s, u"Boutique"_s,
    u"Moda"_s, u"Sartoria"_s, u"Lanificio"_s};
const QStringList forme {u"s.r.l."_s, u"S.p.A."_s, u"s.n.c."_s, u"& C. s.a.s."_s};
const QStringList vie {u"Via Roma"_s, u"Via Garibaldi"_s, u"Viale Europa"_s, u"Via Mazzini"_s,
    u"Via dei Tessitori"_s, u"Via Cavour"_s, u"Piazza della Repubblica"_s, u"Via delle Filande"_s};

struct Citta final {
    QString Cap;
    QString Nome;
    QString Prefisso;
};

const QList<Citta> citta {{u"59100"_s, u"Prato"_s, u"0574"_s}, {u"50129"_s, u"Firenze"_s, u"055"_s},
    {u"52100"_s, u"Arezzo"_s, u"0575"_s}, {u"20121"_s, u"Milano"_s, u"02"_s},
    {u"13900"_s, u"Biella"_s, u"015"_s}, {u"22100"_s, u"Como"_s, u"031"_s},
    {u"41012"_s, u"Carpi"_s, u"059"_s}, {u"80133"_s, u"Napoli"_s, u"081"_s},
    {u"40121"_s, u"Bologna"_s, u"051"_s}, {u"31100"_s, u"Treviso"_s, u"0422"_s},
    {u"50053"_s, u"Empoli"_s, u"0571"_s}, {u"52025"_s, u"Montevarchi"_s, u"055"_s}};

QString Dominio(const QString& cognome)
{
    QString dominio;
    for (const QChar c : cognome.toLower())
        if (c >= u'a' && c <= u'z')
            dominio += c;
    return dominio;
}

QString Cifre(CasoDemo& caso, int quante)
{
    QString cifre;
    for (int i = 0; i < quante; ++i)
        cifre += QChar(u'0' + caso.Numero(10));
    return cifre;
}

// Every fourth has both addresses, then e-mail only, fax only, neither.
void Recapiti(
    Cliente& c, int indice, const QString& dominio, const QString& prefisso, CasoDemo& caso)
{
    const int tipo = indice % 4;
    if (tipo == 0 || tipo == 1) {
        c.Email = u"amministrazione@"_s + dominio;
        if (indice % 10 == 5)
            c.Email += u";contabilita@"_s + dominio + u";ordini@"_s + dominio;
    }
    if (tipo == 0 || tipo == 2)
        c.Fax = prefisso + Cifre(caso, 10 - int(prefisso.size()));
}

Cliente Italiano(const QString& codice, const QString& tipo, const QString& nominativo,
    const QString& cognome, int indice, CasoDemo& caso)
{
    const Citta& luogo = citta.at(indice % citta.size());
    Cliente c;
    c.Codice = codice;
    c.TipoAnagrafica = tipo;
    c.Nominativo = nominativo;
    c.Indirizzo = caso.Scegli(vie) + u", "_s + QString::number(1 + caso.Numero(120));
    c.Cap = luogo.Cap;
    c.Citta = luogo.Nome;
    c.Nazione = u"IT"_s;
    c.PartitaIva = Cifre(caso, 11);
    c.CodiceFiscale = c.PartitaIva;
    c.Lingua = u"IT"_s;
    Recapiti(c, indice, Dominio(cognome) + u".it"_s, luogo.Prefisso, caso);
    return c;
}

struct Estero final {
    QString Nominativo;
    QString Indirizzo;
    QString Cap;
    QString Citta;
    QString Nazione;
    QString Lingua;
    QString Dominio;
};

const QList<Estero> esteri {{u"Müller Textil GmbH"_s, u"Königstraße 12"_s, u"70173"_s,
                                u"Stuttgart"_s, u"DE"_s, u"DE"_s, u"mueller-textil.de"_s},
    {u"Maison Dupont SARL"_s, u"12 rue de la République"_s, u"69001"_s, u"Lyon"_s, u"FR"_s, u"FR"_s,
        u"maison-dupont.fr"_s},
    {u"Confecciones García S.L."_s, u"Carrer de Balmes 45"_s, u"08007"_s, u"Barcelona"_s, u"ES"_s,
        u"ES"_s, u"confecciones-garcia.es"_s},
    {u"Harrington & Sons Ltd"_s, u"8 Portland Street"_s, u"M1 3BE"_s, u"Manchester"_s, u"GB"_s,
        u"EN"_s, u"harrington-sons.co.uk"_s},
    {u"Van Dijk Mode B.V."_s, u"Kalverstraat 90"_s, u"1012 PH"_s, u"Amsterdam"_s, u"NL"_s, u"EN"_s,
        u"vandijkmode.nl"_s},
    {u"Brooklyn Apparel Inc."_s, u"350 Fifth Avenue"_s, u"10118"_s, u"New York"_s, u"US"_s, u"EN"_s,
        u"brooklyn-apparel.com"_s},
    {u"Textilhaus Zürich AG"_s, u"Bahnhofstrasse 21"_s, u"8001"_s, u"Zürich"_s, u"CH"_s, u"DE"_s,
        u"textilhaus.ch"_s},
    {u"Wiener Stoffe GmbH"_s, u"Graben 14"_s, u"1010"_s, u"Wien"_s, u"AT"_s, u"DE"_s,
        u"wiener-stoffe.at"_s},
    {u"Lisboa Têxteis Lda"_s, u"Rua Augusta 150"_s, u"1100-053"_s, u"Lisboa"_s, u"PT"_s, u"EN"_s,
        u"lisboa-texteis.pt"_s},
    {u"Moda Kowalski Sp. z o.o."_s, u"ul. Floriańska 3"_s, u"31-019"_s, u"Kraków"_s, u"PL"_s,
        u"EN"_s, u"moda-kowalski.pl"_s}};

} // namespace

AnagraficheDemo CreaAnagraficheDemo(CasoDemo& caso)
{
    AnagraficheDemo demo;
    for (int i = 0; i < 70; ++i) {
        const QString& cognome = cognomi.at(i % cognomi.size());
        const QString nominativo = i % 7 == 3
            ? QString(cognome + u' ' + nomi.at(i % nomi.size()))
            : QString(attivita.at(i % attivita.size()) + u' ' + cognome + u' '
                + forme.at((i / 3) % forme.size()));
        demo.Clienti.append(Italiano(u"06"_s + QString::number(100 + i).rightJustified(5, u'0'),
            u"CLIENTE"_s, nominativo, cognome, i, caso));
    }
    for (int i = 0; i < esteri.size(); ++i) {
        const Estero& e = esteri.at(i);
        Cliente c;
        c.Codice = u"06"_s + QString::number(900 + i).rightJustified(5, u'0');
        c.TipoAnagrafica = u"CLIENTE"_s;
        c.Nominativo = e.Nominativo;
        c.Indirizzo = e.Indirizzo;
        c.Cap = e.Cap;
        c.Citta = e.Citta;
        c.Nazione = e.Nazione;
        c.Lingua = e.Lingua;
        c.PartitaIva = e.Nazione + Cifre(caso, 9);
        c.CodiceExport = u"E"_s + QString::number(i + 1).rightJustified(2, u'0');
        Recapiti(c, i, e.Dominio, u"00"_s, caso);
        demo.Esteri.append(c);
    }
    static const QStringList lavorazioni {u"Filatura"_s, u"Tessitura"_s, u"Tintoria"_s,
        u"Rifinizione"_s, u"Stamperia"_s, u"Trasporti"_s};
    for (int i = 0; i < 25; ++i) {
        const QString& cognome = cognomi.at((i * 7 + 3) % cognomi.size());
        const QString nominativo = lavorazioni.at(i % lavorazioni.size()) + u' ' + cognome + u' '
            + forme.at(i % forme.size());
        demo.Fornitori.append(Italiano(u"07"_s + QString::number(100 + i).rightJustified(5, u'0'),
            i % 5 == 4 ? u"FORNITORI"_s : u"FORNITORE"_s, nominativo, cognome, i + 1, caso));
    }
    static const QStringList altri {u"Studio Commercialista Dott. Galli"_s,
        u"Comune di Prato - Ufficio Tributi"_s, u"Associazione Tessile Pratese"_s,
        u"Avv. Chiara Moretti"_s, u"Consorzio Export Toscana"_s};
    for (int i = 0; i < altri.size(); ++i)
        demo.Altri.append(Italiano(u"09"_s + QString::number(100 + i).rightJustified(5, u'0'),
            u"Altri"_s, altri.at(i), altri.at(i).section(u' ', -1), i + 2, caso));
    return demo;
}
