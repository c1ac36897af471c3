#include "tests/local/StampaQt.h"

void PrintTo(const QString& testo, std::ostream* uscita)
{
    *uscita << '"' << testo.toStdString() << '"';
}

void PrintTo(const QByteArray& dati, std::ostream* uscita)
{
    *uscita << '"' << dati.toStdString() << '"';
}
