#pragma once

#include <QString>

// Shows a local file with the workstation's viewer, so tests can record what was opened.
class ApritoreFile {
public:
    virtual ~ApritoreFile() = default;
    // False when no viewer could be started.
    virtual bool Apri(const QString& percorso) = 0;
};
