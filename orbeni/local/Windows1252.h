#pragma once

#include <QByteArrayView>
#include <QString>

// The server's side of the single-byte code page the workstation writes (Windows-1252): one
// character per byte. The five bytes the code page leaves undefined come back as the control
// characters of the same value, as the workstation's encoder lets them through.
[[nodiscard]] QString TestoDaWindows1252(QByteArrayView testo);
