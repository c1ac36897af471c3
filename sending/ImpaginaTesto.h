#pragma once

#include <QString>
#include <QStringList>

// The width of the cover text lines.
inline constexpr qsizetype LarghezzaRigaCopertina = 57;

// Cuts one output line off the front of the piece and returns it ended by a carriage return:
// at the last blank among the first 57 characters (the blank stays on the line), or at 57 when
// there is none. A leading control character (the line feed of a CR LF pair) is dropped first.
// An empty piece gives an empty line.
QString TagliaRiga(QString& pezzo);

// Wraps the text at 57 characters: each piece between carriage returns gives at least one line,
// every line ends with a carriage return. An empty text stays empty.
[[nodiscard]] QString ImpaginaTesto(const QString& testo);

// The lines of the cover text file for the text: the wrapped text split at its carriage
// returns, so the last line is empty. None for an empty text.
[[nodiscard]] QStringList RigheTestoCopertina(const QString& testo);
