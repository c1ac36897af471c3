#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"
#include "orbeni/local/RadiceServer.h"

#include <QSqlDatabase>
#include <QStringList>

#include <optional>

// The server path of a document's own PDF.
[[nodiscard]] QString PercorsoPdfDocumento(const QString& azienda, const Documento& documento);
// The text lines of a document's PDF.
[[nodiscard]] QStringList RighePdfDocumento(
    const QString& ragioneSociale, const Documento& documento, const Cliente& cliente);
// Makes the PDF of a stored document that has none yet, records its path and returns it.
[[nodiscard]] std::optional<QString> CreaPdfDocumento(
    QSqlDatabase db, const RadiceServer& radice, qint64 idServer, QString& errore);
