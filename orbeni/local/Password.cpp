#include "orbeni/local/Password.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace {

QByteArray SaleCasuale()
{
    QByteArray sale;
    for (int i = 0; i < 4; ++i) {
        const quint32 parola = QRandomGenerator::system()->generate();
        for (int b = 0; b < 4; ++b)
            sale.append(static_cast<char>((parola >> (8 * b)) & 0xFF));
    }
    return sale;
}

// Compares every byte, so the time taken does not tell how much of a guess was right.
bool UgualiSenzaScorciatoie(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char differenza = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        differenza |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return differenza == 0;
}

} // namespace

QString HashPassword(const QString& password, const QString& saleHex, int iterazioni)
{
    const QByteArray sale = QByteArray::fromHex(saleHex.toLatin1());
    QByteArray digest = QCryptographicHash::hash(
        QByteArray(sale + password.toUtf8()), QCryptographicHash::Sha256);
    for (int i = 1; i < iterazioni; ++i)
        digest = QCryptographicHash::hash(QByteArray(sale + digest), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex());
}

PasswordCifrata CifraPassword(const QString& password, int iterazioni)
{
    PasswordCifrata cifrata;
    cifrata.Sale = QString::fromLatin1(SaleCasuale().toHex());
    cifrata.Iterazioni = iterazioni;
    cifrata.Hash = HashPassword(password, cifrata.Sale, iterazioni);
    return cifrata;
}

bool VerificaPassword(const QString& password, const PasswordCifrata& cifrata)
{
    if (cifrata.Iterazioni < 1 || cifrata.Sale.isEmpty())
        return false;
    return UgualiSenzaScorciatoie(
        HashPassword(password, cifrata.Sale, cifrata.Iterazioni).toLatin1(),
        cifrata.Hash.toLower().toLatin1());
}
