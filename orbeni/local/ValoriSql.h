#pragma once

#include <QString>
#include <QVariant>

// A value to bind. The driver binds a null QString as NULL, which the NOT NULL text columns
// refuse and "=" never matches, so a null text goes in as ''.
[[nodiscard]] inline QVariant ValoreSql(const QString& testo)
{
    return testo.isNull() ? QVariant(QStringLiteral("")) : QVariant(testo);
}

template <typename T> [[nodiscard]] QVariant ValoreSql(const T& valore)
{
    return QVariant::fromValue(valore);
}
