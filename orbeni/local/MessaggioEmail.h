#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct AllegatoEmail final {
    QString NomeFile; // plain ASCII, made by the server
    QByteArray TipoMime;
    QByteArray Dati;
};

// An outgoing message as the sending writes it into the outbox.
struct MessaggioEmail final {
    QString NomeMittente;
    QString IndirizzoMittente;
    QString NomeDestinatario;
    QStringList IndirizziDestinatario;
    QString Oggetto;
    QDateTime Data;
    // The part of the Message-ID before "@"; the sender's domain follows it.
    QString IdentificativoLocale;
    QString Testo;
    QList<AllegatoEmail> Allegati;
};

// The RFC 5322 message: multipart/mixed with the text (UTF-8, quoted-printable) and every
// attachment in base 64, CR LF line ends. The addresses must already have been checked with
// IndirizzoEmailAccettabile.
[[nodiscard]] QByteArray ComponiEmail(const MessaggioEmail& messaggio);
