#include "orbeni/local/Migrazioni.h"

#include <QStringList>

using namespace Qt::StringLiterals;

// The first schema. Columns carry the names of the record fields they fill (Documento, Cliente,
// ArchivioSerie), so the services map rows to records by name.
bool Migrazione1(QSqlDatabase& db, QString& errore)
{
    return EseguiIstruzioni(db,
        {
            u"CREATE TABLE aziende ("
            " Codice TEXT PRIMARY KEY,"
            " RagioneSociale TEXT NOT NULL DEFAULT '')"_s,

            u"CREATE TABLE utenti ("
            " Codice TEXT PRIMARY KEY,"
            " Nome TEXT NOT NULL DEFAULT '',"
            " LoginDirectory TEXT NOT NULL DEFAULT '',"
            " Sale TEXT NOT NULL,"
            " HashPassword TEXT NOT NULL,"
            " Iterazioni INTEGER NOT NULL)"_s,
            u"CREATE INDEX utenti_login ON utenti (LoginDirectory)"_s,

            u"CREATE TABLE tipi_documento ("
            " Azienda TEXT NOT NULL REFERENCES aziende (Codice),"
            " TipoDocumento TEXT NOT NULL,"
            " Sigla TEXT NOT NULL DEFAULT '',"
            " Ordine INTEGER NOT NULL,"
            " PRIMARY KEY (Azienda, TipoDocumento))"_s,

            u"CREATE TABLE serie ("
            " Azienda TEXT NOT NULL,"
            " TipoDocumento TEXT NOT NULL,"
            " Serie TEXT NOT NULL,"
            " DescrizioneSerie TEXT NOT NULL DEFAULT '',"
            " Ordine INTEGER NOT NULL,"
            " PRIMARY KEY (Azienda, TipoDocumento, Serie),"
            " FOREIGN KEY (Azienda, TipoDocumento)"
            "  REFERENCES tipi_documento (Azienda, TipoDocumento))"_s,

            u"CREATE TABLE opzioni_servizio ("
            " Azienda TEXT PRIMARY KEY REFERENCES aziende (Codice),"
            " PulsanteStampa INTEGER NOT NULL DEFAULT 0,"
            " FaxDocumenti INTEGER NOT NULL DEFAULT 0,"
            " FaxInfo INTEGER NOT NULL DEFAULT 0,"
            " FaxViaEmail INTEGER NOT NULL DEFAULT 0,"
            " ModoCodiciRicerca INTEGER NOT NULL DEFAULT 0,"
            " EmailInfo INTEGER NOT NULL DEFAULT 0,"
            " FaxServer INTEGER NOT NULL DEFAULT 0,"
            " InvioConferme INTEGER NOT NULL DEFAULT 0,"
            " InvioFatture INTEGER NOT NULL DEFAULT 0,"
            " RubricaFaxOrbeni INTEGER NOT NULL DEFAULT 0,"
            " RubricaLdap INTEGER NOT NULL DEFAULT 0,"
            " DominioPosta TEXT NOT NULL DEFAULT '',"
            " ServerLdap TEXT NOT NULL DEFAULT '',"
            " InvioDaInviare INTEGER NOT NULL DEFAULT 0,"
            " SenzaBollo INTEGER NOT NULL DEFAULT 0,"
            " AnnotaFatture INTEGER NOT NULL DEFAULT 0,"
            " AnnotaBolle INTEGER NOT NULL DEFAULT 0,"
            " ModificaInWord INTEGER NOT NULL DEFAULT 0)"_s,

            u"CREATE TABLE codici_ricerca ("
            " Azienda TEXT NOT NULL REFERENCES aziende (Codice),"
            " Modo INTEGER NOT NULL,"
            " Codice TEXT NOT NULL,"
            " Ordine INTEGER NOT NULL,"
            " PRIMARY KEY (Azienda, Modo, Codice))"_s,

            // Customers, suppliers and other subjects.
            u"CREATE TABLE anagrafiche ("
            " Azienda TEXT NOT NULL REFERENCES aziende (Codice),"
            " Codice TEXT NOT NULL,"
            " TipoAnagrafica TEXT NOT NULL DEFAULT 'CLIENTE',"
            " Nominativo TEXT NOT NULL DEFAULT '',"
            " Indirizzo TEXT NOT NULL DEFAULT '',"
            " Cap TEXT NOT NULL DEFAULT '',"
            " Citta TEXT NOT NULL DEFAULT '',"
            " Nazione TEXT NOT NULL DEFAULT '',"
            " Fax TEXT NOT NULL DEFAULT '',"
            " Email TEXT NOT NULL DEFAULT '',"
            " PartitaIva TEXT NOT NULL DEFAULT '',"
            " CodiceFiscale TEXT NOT NULL DEFAULT '',"
            " Lingua TEXT NOT NULL DEFAULT '',"
            " CodiceExport TEXT NOT NULL DEFAULT '',"
            " PRIMARY KEY (Azienda, Codice))"_s,
            u"CREATE INDEX anagrafiche_nominativo ON anagrafiche (Azienda, Nominativo)"_s,

            // IdServer is Documento::IdServer. FilePdf is the server path of its PDF.
            u"CREATE TABLE documenti ("
            " IdServer INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " CodiceCliente TEXT NOT NULL,"
            " DescrizioneTipo TEXT NOT NULL,"
            " Serie TEXT NOT NULL DEFAULT '',"
            " Numero INTEGER NOT NULL,"
            " Anno INTEGER NOT NULL,"
            " SottoNumero INTEGER NOT NULL DEFAULT 0,"
            " Agente TEXT NOT NULL DEFAULT '',"
            " Data TEXT NOT NULL,"
            " FormaPredefinita TEXT NOT NULL DEFAULT '',"
            " Stampa TEXT NOT NULL DEFAULT '',"
            " Stampato INTEGER NOT NULL DEFAULT 0,"
            " Stampato1 INTEGER NOT NULL DEFAULT 0,"
            " Stampato2 INTEGER NOT NULL DEFAULT 0,"
            " ConBollo INTEGER NOT NULL DEFAULT 0,"
            " Importo TEXT NOT NULL DEFAULT '',"
            " Valuta TEXT NOT NULL DEFAULT '',"
            " Banca TEXT NOT NULL DEFAULT '',"
            " NomePdf TEXT NOT NULL DEFAULT '',"
            " Note TEXT NOT NULL DEFAULT '',"
            " AltriCodici TEXT NOT NULL DEFAULT '',"
            " FilePdf TEXT NOT NULL DEFAULT '',"
            " UNIQUE (Azienda, DescrizioneTipo, Serie, Numero, Anno),"
            " FOREIGN KEY (Azienda, CodiceCliente) REFERENCES anagrafiche (Azienda, Codice))"_s,
            u"CREATE INDEX documenti_cliente ON documenti (Azienda, CodiceCliente, Data)"_s,
            u"CREATE INDEX documenti_tipo ON documenti (Azienda, DescrizioneTipo, Data)"_s,

            // Send records; the latest one of a document fills its send fields.
            u"CREATE TABLE invii ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " IdServer INTEGER NOT NULL REFERENCES documenti (IdServer) ON DELETE CASCADE,"
            " InviatoDa TEXT NOT NULL DEFAULT '',"
            " ModoInvio TEXT NOT NULL DEFAULT '',"
            " DataInvio TEXT NOT NULL DEFAULT '',"
            " EstremiInvio TEXT NOT NULL DEFAULT '',"
            " MittenteInvio TEXT NOT NULL DEFAULT '',"
            " Momento TEXT NOT NULL)"_s,
            u"CREATE INDEX invii_documento ON invii (IdServer, Id)"_s,

            // Documents a user dealt with: handed over for sending, or set aside (Rimosso).
            u"CREATE TABLE documenti_registrati ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " IdServer INTEGER NOT NULL REFERENCES documenti (IdServer) ON DELETE CASCADE,"
            " Utente TEXT NOT NULL,"
            " Rimosso INTEGER NOT NULL,"
            " Momento TEXT NOT NULL)"_s,
            u"CREATE INDEX registrati_documento ON documenti_registrati (IdServer)"_s,

            u"CREATE TABLE stampe ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " Utente TEXT NOT NULL DEFAULT '',"
            " Tipo TEXT NOT NULL,"
            " Momento TEXT NOT NULL,"
            " FileLocale TEXT NOT NULL DEFAULT '')"_s,
            u"CREATE TABLE stampe_documenti ("
            " IdStampa INTEGER NOT NULL REFERENCES stampe (Id) ON DELETE CASCADE,"
            " IdServer INTEGER NOT NULL REFERENCES documenti (IdServer),"
            " StampaPDF TEXT NOT NULL DEFAULT '')"_s,

            // Privacy notices: DataPrivacy is when the notice was made, DataInvio when sent.
            u"CREATE TABLE informative ("
            " Azienda TEXT NOT NULL,"
            " CodiceAnagrafica TEXT NOT NULL,"
            " DataPrivacy TEXT NOT NULL,"
            " DataInvio TEXT NOT NULL DEFAULT '',"
            " StatoInformativa TEXT NOT NULL DEFAULT '',"
            " ModoInvio TEXT NOT NULL DEFAULT '',"
            " EstremiInvio TEXT NOT NULL DEFAULT '',"
            " PRIMARY KEY (Azienda, CodiceAnagrafica),"
            " FOREIGN KEY (Azienda, CodiceAnagrafica) REFERENCES anagrafiche (Azienda, Codice))"_s,

            u"CREATE TABLE paesi ("
            " Azienda TEXT NOT NULL,"
            " Codice TEXT NOT NULL,"
            " Descrizione TEXT NOT NULL DEFAULT '',"
            " PRIMARY KEY (Azienda, Codice))"_s,
            u"CREATE TABLE banche ("
            " Azienda TEXT NOT NULL,"
            " Codice TEXT NOT NULL,"
            " Descrizione TEXT NOT NULL DEFAULT '',"
            " PRIMARY KEY (Azienda, Codice))"_s,
            u"CREATE TABLE estrazioni_export ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " IdServer INTEGER NOT NULL REFERENCES documenti (IdServer) ON DELETE CASCADE,"
            " Banca TEXT NOT NULL DEFAULT '',"
            " Utente TEXT NOT NULL DEFAULT '',"
            " Momento TEXT NOT NULL,"
            " Annullata INTEGER NOT NULL DEFAULT 0)"_s,
            u"CREATE TABLE export_clienti_inviati ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " CodiceCliente TEXT NOT NULL,"
            " DataInvio TEXT NOT NULL,"
            " ModoInvio TEXT NOT NULL DEFAULT '',"
            " Utente TEXT NOT NULL DEFAULT '',"
            " Annullato INTEGER NOT NULL DEFAULT 0,"
            " FOREIGN KEY (Azienda, CodiceCliente) REFERENCES anagrafiche (Azienda, Codice))"_s,

            u"CREATE TABLE rubriche_fax ("
            " Azienda TEXT NOT NULL,"
            " Chiave1 TEXT NOT NULL,"
            " Chiave2 TEXT NOT NULL,"
            " Nome TEXT NOT NULL,"
            " Ordine INTEGER NOT NULL,"
            " PRIMARY KEY (Azienda, Chiave1, Chiave2))"_s,
            u"CREATE TABLE voci_rubrica_fax ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " Chiave1 TEXT NOT NULL,"
            " Chiave2 TEXT NOT NULL,"
            " Codice TEXT NOT NULL DEFAULT '',"
            " Nominativo TEXT NOT NULL,"
            " Fax TEXT NOT NULL DEFAULT '',"
            " Societa TEXT NOT NULL DEFAULT '',"
            " Email TEXT NOT NULL DEFAULT '',"
            " OpzioneFax TEXT NOT NULL DEFAULT '',"
            " FOREIGN KEY (Azienda, Chiave1, Chiave2)"
            "  REFERENCES rubriche_fax (Azienda, Chiave1, Chiave2) ON DELETE CASCADE)"_s,

            // IdLavoro names the job folder /usr/orbeni/hylafax/<Utente>/<IdLavoro>.
            u"CREATE TABLE lavori_fax ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " Utente TEXT NOT NULL,"
            " NomePC TEXT NOT NULL DEFAULT '',"
            " IdLavoro TEXT NOT NULL,"
            " Destinatario TEXT NOT NULL DEFAULT '',"
            " NumeroFax TEXT NOT NULL DEFAULT '',"
            " Oggetto TEXT NOT NULL DEFAULT '',"
            " Pagine INTEGER NOT NULL DEFAULT 1,"
            " Tentativi INTEGER NOT NULL DEFAULT 0,"
            " Stato TEXT NOT NULL,"
            " Momento TEXT NOT NULL,"
            " UNIQUE (Utente, IdLavoro))"_s,

            u"CREATE TABLE dichiarazioni ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " CodiceAnagrafica TEXT NOT NULL,"
            " Anno INTEGER NOT NULL,"
            " Numero INTEGER NOT NULL,"
            " DataDichiarazione TEXT NOT NULL,"
            " Importo TEXT NOT NULL DEFAULT '',"
            " DataInvio TEXT NOT NULL DEFAULT '',"
            " UNIQUE (Azienda, CodiceAnagrafica, Anno, Numero),"
            " FOREIGN KEY (Azienda, CodiceAnagrafica) REFERENCES anagrafiche (Azienda, Codice))"_s,
        },
        errore);
}
