#pragma once

#include "documents/ApritoreFile.h"

// Opens files with the desktop's viewer for their type.
class ApritoreDesktop final : public ApritoreFile {
public:
    bool Apri(const QString& percorso) override;
};
