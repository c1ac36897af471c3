#pragma once

#include "orbeni/TracciatoSpool.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One fixed-width record as read from a spool file, addressed by the fields of its layout.
template <typename CampoEnum> class RecordLetto final {
public:
    RecordLetto() = default;
    explicit RecordLetto(QByteArray dati)
        : m_dati(std::move(dati))
    {
    }

    // The field's bytes: NUL bytes (fields the writer never set) dropped, trailing blanks cut.
    [[nodiscard]] QByteArray Grezzo(CampoEnum campo) const;
    // The same, decoded.
    [[nodiscard]] QString Testo(CampoEnum campo) const;

private:
    QByteArray m_dati;
};

using RecordDestinatarioLetto = RecordLetto<TracciatoSpool::CampoDestinatario>;
using RecordAllegatoLetto = RecordLetto<TracciatoSpool::CampoAllegato>;

// A recipient of the run ("desmail"), checked field by field.
struct DestinatarioSpool final {
    int Posizione = 0; // in the file, from 1, for messages
    QString Progressivo;
    QString Tipo; // TipoFax, TipoEmail, TipoDaInviare, TipoInviata
    QString Nominativo;
    QString NominativoMittente;
    QString Oggetto;
    QString Codice; // as written, leading blanks kept (the fax composition uses them)
    QString TestoExtra;
    QString Fax;
    // The complete address when the writer gave it, else the 60-character one.
    QString Email;
    QString EmailMittente;
    // The send time the writer asked for; nothing when the fields are blank.
    std::optional<QDateTime> OraInvio;
    int Tentativi = 0;
    bool AggiornaRubrica = false;
    RecordDestinatarioLetto Record;
};

// An attachment of the run ("docmail"). Document numbers are set for document operations.
struct AllegatoSpool final {
    int Posizione = 0;
    QString Progressivo;
    QString Operazione;
    QString Serie;
    int Numero = 0;
    int SottoNumero = 0;
    int Anno = 0; // the last two digits only
    QString StampaPDF;
    QString Descrizione;
    QString RiferimentoFile;
};

struct SpoolLetto final {
    QList<DestinatarioSpool> Destinatari;
    QList<AllegatoSpool> Allegati;
    // The cover text file as written (CR LF lines), empty when there is none.
    QByteArray Copertina;
};

// Checks and reads the bytes of the three files; nothing, with the file, the record and the
// fault in `errore`, as soon as one record cannot be read.
[[nodiscard]] std::optional<SpoolLetto> AnalizzaSpool(const QString& nomePC,
    const QByteArray& destinatari, const QByteArray& allegati, const QByteArray& copertina,
    QString& errore);

// Reads the spool files of the workstation from the folder: "desmail" and "docmail" + nomePC
// must exist, "frontmail" + nomePC may be missing. The files are read whole, so they may be
// deleted as soon as this returns.
[[nodiscard]] std::optional<SpoolLetto> LeggiSpool(
    const QString& cartella, const QString& nomePC, QString& errore);
