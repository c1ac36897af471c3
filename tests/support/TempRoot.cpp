#include "tests/support/TempRoot.h"

#include <QFile>

TempRoot::TempRoot() = default;

QString TempRoot::CopiaDati(const QString& nomeDati) const
{
    const QString destinazione = File(nomeDati);
    QFile::copy(CartellaDatiTest() + QLatin1Char('/') + nomeDati, destinazione);
    return destinazione;
}

QString CartellaDatiTest()
{
    return qEnvironmentVariable("INVEXO_TEST_DATA");
}
