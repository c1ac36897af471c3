#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// A value to bind. The driver binds a null QString as NULL, which the NOT NULL text columns
// refuse and "=" never matches, so a null text goes in as ''.
[[nodiscard]] inline QVariant ValoreSql(const QString& testo)
{
    return testo.isNull() ? QVariant(QStringLiteral("")) : QVariant(testo);
}

// A day as the store keeps it: "yyyy-MM-dd", empty for no day.
[[nodiscard]] inline QString TestoDataSql(const QDate& data)
{
    return data.isValid() ? data.toString(Qt::ISODate) : QString();
}

template <typename T> [[nodiscard]] QVariant ValoreSql(const T& valore)
{
    return QVariant::fromValue(valore);
}
