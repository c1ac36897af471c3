#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class AmbienteOrbeni;

// The stored subject and text of the "PRIVACY" and "EXPORT" mailings: "privacy.ini" and
// "export.ini" in the configuration folder "Invexo". No line structure: bytes 1 to 40 the
// subject padded with blanks, then the text to the end of the file; Windows-1252, no terminator.

inline constexpr qsizetype LunghezzaOggettoTestoInvio = 40;

struct TestoInvio final {
    QString Oggetto;
    QString Testo;
};

// The file of the kind; empty for any other kind.
[[nodiscard]] QString PercorsoTestoInvio(const AmbienteOrbeni& ambiente, const QString& tipo);

// The pair from the file's bytes, each trimmed of blanks.
[[nodiscard]] TestoInvio DecodificaTestoInvio(const QByteArray& contenuto);
// The file's bytes: the subject cut or padded to 40 bytes after encoding, then the text.
[[nodiscard]] QByteArray CodificaTestoInvio(const TestoInvio& testo);

// FormTestoOggetto::AggiornaOggettoTesto: the user's new pair from the stored one.
using EditoreTestoInvio = std::function<TestoInvio(const TestoInvio&)>;

// The kind's stored pair (empty when there is no file). With an editor, the user edits it and
// the new pair, trimmed, replaces the file whole; it is returned.
TestoInvio LeggiTestoInvio(
    const AmbienteOrbeni& ambiente, const QString& tipo, const EditoreTestoInvio& editore = {});

// Deletes the kind's file; a missing file is no error.
void CleanOggettoTestoInvio(const AmbienteOrbeni& ambiente, const QString& tipo);

// Blanks off both ends, as the stored texts are trimmed: line breaks typed at the ends stay.
[[nodiscard]] QString TogliSpazi(const QString& testo);
