#pragma once

#include "orbeni/local/AnagraficheDemo.h"
#include "orbeni/local/CasoDemo.h"
#include "orbeni/local/PopolaArchivio.h"

#include <QDate>
#include <QList>
#include <QString>

#include <utility>

// A document type of the demo company, in the order of the type combo boxes, with its series.
struct TipoDemo final {
    QString Tipo;
    QString Sigla;
    QList<std::pair<QString, QString>> Serie;
};

[[nodiscard]] const QList<TipoDemo>& TipiDemo();
[[nodiscard]] const QList<std::pair<QString, QString>>& BancheDemo();

// About three thousand documents of every kind over the two years before oggi, numbered by date
// within their series and year, with send records, a few set aside and a few annotated.
bool SeminaDocumentiDemo(PopolaArchivio& dati, const QString& azienda,
    const AnagraficheDemo& anagrafiche, const QDate& oggi, CasoDemo& caso);
