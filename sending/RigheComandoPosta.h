#pragma once

#include "orbeni/Documento.h"

#include <QString>
#include <QStringList>

// The command lines and attachment names the mail clients are given. Pure text, so that each
// line can be compared whole.

// Two lines of a batch job; the second may be empty.
struct RigheBatch final {
    QString Prima;
    QString Seconda;
};

// A local path as an item of a compose attachment list: "file://" + the path, with the few
// characters that would end the item or the list ("%", "'", ",", a double quote) written as
// URL escapes, which the client decodes back to the same path.
[[nodiscard]] QString AllegatoRigaComando(const QString& percorso);

// The attachment list of the command-line clients: the items separated by ",".
[[nodiscard]] QString ListaAllegatiRigaComando(const QStringList& percorsi);

// Thunderbird on Windows, from the program folder and the attachment list:
//   cd "<folder>"
//   <drive>:thunderbird -compose "to='',cc='',subject='',body='',attachment='<list>'"
// with every "\" of the second line turned into "/" and every "%" doubled for the batch file.
[[nodiscard]] RigheBatch RigheThunderbirdWindows(const QString& cartella, const QString& lista);

// Office Outlook on Windows:  cd "<folder>"  and  <drive>:outlook /a "<list>"
// (the list quoted so that blanks in a path do not split it).
[[nodiscard]] RigheBatch RigheOfficeOutlookWindows(const QString& cartella, const QString& lista);

// Thunderbird elsewhere: the same compose argument given to the program, every word quoted for
// the shell. The program is a path or a name looked up on PATH.
[[nodiscard]] RigheBatch RigheThunderbirdPosix(const QString& programma, const QString& lista);

// Attachment names: Serie Numero StampaPDF ".PDF" for Outlook, with Anno too for Simple MAPI.
[[nodiscard]] QString NomeAllegatoOutlook(const Documento& documento);
[[nodiscard]] QString NomeAllegatoMapi(const Documento& documento);
