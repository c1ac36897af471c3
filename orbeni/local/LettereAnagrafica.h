#pragma once

#include "orbeni/Cliente.h"

#include <QDate>
#include <QStringList>

// The text of the privacy notice a subject receives.
[[nodiscard]] QStringList RigheInformativaPrivacy(
    const QString& ragioneSociale, const Cliente& soggetto, const QDate& data);
// The text of the export information letter, in English unless the customer reads Italian.
[[nodiscard]] QStringList RigheLetteraExport(
    const QString& ragioneSociale, const Cliente& cliente, const QDate& data);
