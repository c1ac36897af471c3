#pragma once

#include "orbeni/ServiziOrbeni.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A job file written on the workstation and sent to the server.
struct FileLavoro final {
    QString percorsoLocale; // CartellaLavoro + "/" + prefix + token
    QString percorsoServer; // "/tmp/" + prefix + token
    bool inviato = false; // written, uploaded and converted to Unix line ends
};

// The server path of a job file: "/tmp/" + prefix + token.
[[nodiscard]] QString PercorsoServerLavoro(const QString& prefisso, const QString& token);

// Writes the job file locally (listing it for deletion at exit), uploads it as the server path
// followed by "x", converts that copy to Unix line ends into the server path and removes it.
// A step that fails ends the sending: the server path is then not to be used.
FileLavoro InviaFileLavoro(ServiziOrbeni& servizi, const QString& host,
    const QString& cartellaLavoro, const QString& prefisso, const QString& token,
    const QByteArray& contenuto, QStringList& fileDaCancellare);

// "rm -f" of a server file.
bool RimuoviFileServer(ServiziOrbeni& servizi, const QString& host, const QString& percorsoServer);

// Copies a server file down, then removes it on the server; what CopiaDalServer returned.
// A failed copy leaves the server file in place.
QString ScaricaFileServer(ServiziOrbeni& servizi, const QString& host,
    const QString& percorsoServer, const QString& percorsoLocale);

// Brings a server text file down with workstation line ends: PreparaFileTesto, then the copy.
QString LeggiFileTestoServer(ServiziOrbeni& servizi, const QString& host,
    const QString& percorsoServer, const QString& percorsoLocale);

// The other road for a text file: "unix2dos" into the server path + ".x", then that copy is
// brought down and removed with ScaricaFileServer.
QString ScaricaFileTestoDos(ServiziOrbeni& servizi, const QString& host,
    const QString& percorsoServer, const QString& percorsoLocale);
