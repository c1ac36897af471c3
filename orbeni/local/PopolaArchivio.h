#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"
#include "orbeni/Risultati.h"
#include "orbeni/local/ArchivioLocale.h"
#include "orbeni/local/Password.h"
#include "orbeni/local/RadiceServer.h"

#include <QDate>
#include <QHash>
#include <QSqlQuery>

#include <map>
#include <memory>
#include <optional>

// Puts chosen data into a store: the demo data uses it, and so do tests and benchmarks that
// need a root with only some types, options, customers or documents. Each call is one insert;
// Inizia/Conferma group many into one transaction.
class PopolaArchivio final {
public:
    PopolaArchivio(ArchivioLocale& archivio, const RadiceServer& radice);

    bool Inizia();
    bool Conferma();
    void Annulla();
    [[nodiscard]] const QString& Errore() const { return m_errore; }

    bool Azienda(const QString& codice, const QString& ragioneSociale);
    bool Utente(const QString& codice, const QString& nome, const QString& password,
        const QString& loginDirectory, int iterazioni = IterazioniPassword);
    // Types and series keep the order in which they are added.
    bool TipoDocumento(const QString& azienda, const QString& tipo, const QString& sigla);
    // Takes a type and its series out of the company's archive (its documents stay), for
    // roots that are the demo less one type.
    bool TogliTipoDocumento(const QString& azienda, const QString& tipo);
    bool Serie(const QString& azienda, const QString& tipo, const QString& serie,
        const QString& descrizione);
    // The option flags and strings of the record; its VociSerie are ignored.
    bool Opzioni(const QString& azienda, const ArchivioSerie& opzioni);
    bool CodiceRicerca(const QString& azienda, bool modo, const QString& codice);

    bool Anagrafica(const QString& azienda, const Cliente& anagrafica);
    // Inserts the document with its send record (when its send fields are set). Its PDF is
    // written into the root now, or made by the server the first time it is asked for.
    enum class PdfDocumento { Subito, AllaRichiesta };
    std::optional<qint64> NuovoDocumento(const QString& azienda, const QString& codiceCliente,
        const Documento& documento, PdfDocumento pdf = PdfDocumento::Subito);

    // A document dealt with by a user: handed over for sending, or set aside (rimosso).
    bool DocumentoRegistrato(
        qint64 idServer, const QString& utente, bool rimosso, const QDateTime& momento);
    // A printed annotated version: its PDF and ".info" under /usr/orbeni/documenti/pdf/.
    bool VersioneAnnotata(
        const QString& azienda, const Documento& documento, const QStringList& righeInfo);

    bool Informativa(const QString& azienda, const QString& codiceAnagrafica, const QDate& creata,
        const QDate& inviata = {}, const QString& stato = {}, const QString& modoInvio = {},
        const QString& estremiInvio = {});
    bool Paese(const QString& azienda, const QString& codice, const QString& descrizione);
    bool Banca(const QString& azienda, const QString& codice, const QString& descrizione);
    bool ClienteExportInviato(const QString& azienda, const QString& codiceCliente,
        const QDate& data, const QString& modoInvio, const QString& utente);
    bool RubricaFax(const QString& azienda, const QString& chiave1, const QString& chiave2,
        const QString& nome);
    bool VoceRubricaFax(const QString& azienda, const QString& chiave1, const QString& chiave2,
        const ::VoceRubricaFax& voce, const QString& societa = {});
    bool Dichiarazione(const QString& azienda, const QString& codiceAnagrafica, int anno,
        int numero, const QDate& data, const QString& importo, const QDate& inviata = {});
    // A fax job row and its folder /usr/orbeni/hylafax/<utente>/<idLavoro> with "desfile.txt",
    // "frnmail.txt", the attachment PDF and, when stato is not empty, a "status" file.
    bool LavoroFax(const QString& azienda, const QString& utente, const QString& nomePC,
        const QString& idLavoro, const QStringList& righeDescrizione, const QString& copertina,
        const QString& stato);

private:
    bool Esegui(QSqlQuery& query);
    QSqlQuery& Prepara(const QString& sql);
    [[nodiscard]] int ProssimoOrdine(const QString& tabella, const QString& azienda);
    [[nodiscard]] QString RagioneSociale(const QString& azienda);
    [[nodiscard]] std::optional<Cliente> CercaAnagrafica(
        const QString& azienda, const QString& codice);

    ArchivioLocale& m_archivio;
    const RadiceServer& m_radice;
    QString m_errore;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_preparate;
    QHash<QString, QString> m_ragioniSociali;
};
