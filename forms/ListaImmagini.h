#pragma once

#include <QIcon>
#include <QString>

// The image list of the program: icons addressed by key ("CHKON", "SORTED", ...).
namespace ListaImmagini {
[[nodiscard]] QIcon Icona(const QString& chiave);
} // namespace ListaImmagini
