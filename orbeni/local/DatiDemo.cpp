#include "orbeni/local/DatiDemo.h"

#include "orbeni/local/AnagraficheDemo.h"
#include "orbeni/local/DocumentiDemo.h"
#include "orbeni/local/PopolaArchivio.h"

using namespace Qt::StringLiterals;

namespace {

const QString azienda = QString::fromUtf16(AziendaDemo);

bool Struttura(PopolaArchivio& dati)
{
    bool ok = dati.Azienda(azienda, u"Tessitura Valdarno S.p.A."_s)
        && dati.Utente(QString::fromUtf16(UtenteDemo), u"Utente Dimostrativo"_s,
            QString::fromUtf16(PasswordDemo), u"demo@quorvanel.it"_s)
        && dati.Utente(u"mrossi"_s, u"Mario Rossi"_s, u"rossi"_s, u"mario.rossi@quorvanel.it"_s);
    for (const TipoDemo& tipo : TipiDemo()) {
        ok = ok && dati.TipoDocumento(azienda, tipo.Tipo, tipo.Sigla);
    }
    for (const TipoDemo& tipo : TipiDemo())
        for (const auto& [serie, descrizione] : tipo.Serie)
            ok = ok && dati.Serie(azienda, tipo.Tipo, serie, descrizione);

    ArchivioSerie opzioni;
    opzioni.PulsanteStampa = opzioni.FaxDocumenti = opzioni.FaxServer = true;
    opzioni.InvioFatture = opzioni.InvioConferme = opzioni.InvioDaInviare = true;
    opzioni.AnnotaFatture = opzioni.AnnotaBolle = true;
    opzioni.EmailInfo = opzioni.FaxInfo = true;
    opzioni.DominioPosta = u"quorvanel.it"_s;
    opzioni.ServerLdap = u"ldap.quorvanel.it"_s;
    ok = ok && dati.Opzioni(azienda, opzioni);
    for (const QString& codice : {u"AG01"_s, u"AG02"_s, u"AG03"_s})
        ok = ok && dati.CodiceRicerca(azienda, true, codice);
    return ok;
}

bool Anagrafiche(PopolaArchivio& dati, const AnagraficheDemo& anagrafiche)
{
    for (const auto* gruppo :
        {&anagrafiche.Clienti, &anagrafiche.Esteri, &anagrafiche.Fornitori, &anagrafiche.Altri})
        for (const Cliente& c : *gruppo)
            if (!dati.Anagrafica(azienda, c))
                return false;
    return true;
}

// One notice per subject; a little more than half already sent, some of those failed.
bool Informative(
    PopolaArchivio& dati, const AnagraficheDemo& anagrafiche, const QDate& oggi, CasoDemo& caso)
{
    static const QStringList stati {u"E"_s, u"E"_s, u"E"_s, u"F"_s, u"F"_s, u"Y"_s, u"X"_s, u"M"_s};
    for (const auto* gruppo :
        {&anagrafiche.Clienti, &anagrafiche.Esteri, &anagrafiche.Fornitori, &anagrafiche.Altri})
        for (const Cliente& c : *gruppo) {
            const QDate creata = oggi.addDays(-caso.Numero(365));
            if (!caso.Percento(55)) {
                if (!dati.Informativa(azienda, c.Codice, creata))
                    return false;
                continue;
            }
            const QString stato = caso.Scegli(stati);
            const QDate inviata = std::min(oggi, creata.addDays(1 + caso.Numero(30)));
            const bool email = stato == u"E"_s || stato == u"Y"_s;
            const QString estremi = email ? c.Email.section(u';', 0, 0) : c.Fax;
            if (!dati.Informativa(azienda, c.Codice, creata, inviata, stato,
                    email ? u"EMAIL"_s : u"FAX"_s, estremi))
                return false;
        }
    return true;
}

bool Export(PopolaArchivio& dati, const AnagraficheDemo& anagrafiche, const QDate& oggi)
{
    static const QList<std::pair<QString, QString>> paesi {{u"AT"_s, u"Austria"_s},
        {u"CH"_s, u"Svizzera"_s}, {u"DE"_s, u"Germania"_s}, {u"ES"_s, u"Spagna"_s},
        {u"FR"_s, u"Francia"_s}, {u"GB"_s, u"Regno Unito"_s}, {u"NL"_s, u"Paesi Bassi"_s},
        {u"PL"_s, u"Polonia"_s}, {u"PT"_s, u"Portogallo"_s}, {u"US"_s, u"Stati Uniti"_s}};
    bool ok = true;
    for (const auto& [codice, descrizione] : paesi)
        ok = ok && dati.Paese(azienda, codice, descrizione);
    for (const auto& [codice, descrizione] : BancheDemo())
        ok = ok && dati.Banca(azienda, codice, descrizione);
    for (qsizetype i = 0; i < anagrafiche.Esteri.size(); i += 3)
        ok = ok
            && dati.ClienteExportInviato(azienda, anagrafiche.Esteri.at(i).Codice,
                oggi.addDays(-20 - 7 * int(i)), i % 2 ? u"FAX"_s : u"EMAIL"_s, u"demo"_s);
    return ok;
}

bool Rubriche(PopolaArchivio& dati, const AnagraficheDemo& anagrafiche)
{
    bool ok = dati.RubricaFax(azienda, azienda, u"CL"_s, u"Rubrica clienti"_s)
        && dati.RubricaFax(azienda, azienda, u"FO"_s, u"Rubrica fornitori"_s)
        && dati.RubricaFax(azienda, u"demo"_s, u"PERS"_s, u"Rubrica personale"_s);
    const auto aggiungi = [&](const QList<Cliente>& elenco, const QString& chiave) {
        for (const Cliente& c : elenco)
            if (!c.Fax.isEmpty())
                ok = ok
                    && dati.VoceRubricaFax(
                        azienda, azienda, chiave, {c.Codice, c.Nominativo, c.Fax}, c.Nominativo);
    };
    aggiungi(anagrafiche.Clienti, u"CL"_s);
    aggiungi(anagrafiche.Esteri, u"CL"_s);
    aggiungi(anagrafiche.Fornitori, u"FO"_s);
    ok = ok
        && dati.VoceRubricaFax(
            azienda, u"demo"_s, u"PERS"_s, {{}, u"Studio Grafico Lenzi"_s, u"0574600123"_s})
        && dati.VoceRubricaFax(
            azienda, u"demo"_s, u"PERS"_s, {{}, u"Spedizioni Arno"_s, u"055300456"_s});
    return ok;
}

QStringList DescrizioneFax(const QString& id, const QDate& data, const QString& destinatario,
    const QString& numero, const QString& oggetto, const QString& rubrica)
{
    static const QStringList mesi {u"JAN"_s, u"FEB"_s, u"MAR"_s, u"APR"_s, u"MAY"_s, u"JUN"_s,
        u"JUL"_s, u"AUG"_s, u"SEP"_s, u"OCT"_s, u"NOV"_s, u"DEC"_s};
    const auto senzaSpazi = [](QString testo) { return testo.replace(u' ', u'_'); };
    return {u"ID="_s + id, u"UTENTE=demo"_s, u"TIMEINVIO=10:3"_s + id.right(1),
        u"DATAINVIO="_s + data.toString(u"dd"_s) + mesi.at(data.month() - 1)
            + data.toString(u"yy"_s),
        u"DESTINATARIO="_s + senzaSpazi(destinatario), u"NUMEROFAX="_s + numero,
        u"OGGETTO="_s + senzaSpazi(oggetto), u"FROM=demo"_s, u"ATTENZIONE=Ufficio_acquisti"_s,
        u"MITTENTE=Ufficio_commerciale"_s, u"RUBRICA="_s + senzaSpazi(rubrica)};
}

bool LavoriFax(PopolaArchivio& dati, const AnagraficheDemo& anagrafiche, const QDate& oggi)
{
    const Cliente& primo = anagrafiche.Clienti.at(0);
    const Cliente& secondo = anagrafiche.Clienti.at(2);
    return dati.LavoroFax(azienda, u"demo"_s, u"POSTAZIONE1"_s, u"1021"_s,
               DescrizioneFax(u"1021"_s, oggi.addDays(-3), primo.Nominativo, primo.Fax,
                   u"Conferma d'ordine"_s, u"Rubrica clienti"_s),
               u"Vi inviamo la conferma d'ordine.\r\nCordiali saluti\r\n"_s,
               u"Linea_occupata:_tentativi_esauriti"_s)
        && dati.LavoroFax(azienda, u"demo"_s, u"POSTAZIONE1"_s, u"1034"_s,
            DescrizioneFax(u"1034"_s, oggi.addDays(-1), secondo.Nominativo, secondo.Fax,
                u"Listino prezzi"_s, QString()),
            u"In allegato il listino aggiornato.\r\n"_s, u"Nessuna_risposta_dal_destinatario"_s)
        && dati.LavoroFax(azienda, u"demo"_s, u"POSTAZIONE1"_s, u"1040"_s,
            DescrizioneFax(u"1040"_s, oggi, secondo.Nominativo, secondo.Fax, u"Solleciti"_s,
                u"Rubrica clienti"_s),
            u"Sollecito di pagamento.\r\n"_s, QString());
}

bool Dichiarazioni(PopolaArchivio& dati, const AnagraficheDemo& anagrafiche, const QDate& oggi)
{
    bool ok = true;
    for (int i = 0; i < 15; ++i) {
        const Cliente& fornitore = anagrafiche.Fornitori.at(i);
        const QDate data = oggi.addDays(-25 * i);
        ok = ok
            && dati.Dichiarazione(azienda, fornitore.Codice, data.year(), i + 1, data,
                QString::number(5000 + 750 * i) + u",00"_s, i % 3 ? data.addDays(2) : QDate());
    }
    return ok;
}

} // namespace

bool SeminaDatiDemo(
    ArchivioLocale& archivio, const RadiceServer& radice, const QDate& oggi, QString& errore)
{
    PopolaArchivio dati(archivio, radice);
    CasoDemo caso(20240607);
    const AnagraficheDemo anagrafiche = CreaAnagraficheDemo(caso);
    if (!dati.Inizia()) {
        errore = dati.Errore();
        return false;
    }
    const bool ok = Struttura(dati) && Anagrafiche(dati, anagrafiche)
        && Informative(dati, anagrafiche, oggi, caso) && Export(dati, anagrafiche, oggi)
        && Rubriche(dati, anagrafiche) && LavoriFax(dati, anagrafiche, oggi)
        && Dichiarazioni(dati, anagrafiche, oggi)
        && SeminaDocumentiDemo(dati, azienda, anagrafiche, oggi, caso) && dati.Conferma();
    if (!ok) {
        errore = u"Dati dimostrativi non creati: "_s + dati.Errore();
        dati.Annulla();
    }
    return ok;
}
