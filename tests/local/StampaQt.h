#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Readable failures: texts print as text, not as lists of characters. Every test file of the
// program includes this before comparing them, so all of them print alike.
void PrintTo(const QString& testo, std::ostream* uscita);
void PrintTo(const QByteArray& dati, std::ostream* uscita);
