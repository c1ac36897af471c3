#include "server/TokenLavoro.h"

#include "platform/Orologio.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr double Scala = 999999.0;

} // namespace

QString TokenLavoro(double casuale)
{
    // Out-of-range numbers are clamped so the token keeps its form.
    const double limitato = std::isfinite(casuale) ? std::clamp(casuale, 0.0, 1.0) : 0.0;
    const auto valore = std::min(
        static_cast<qint64>(std::floor(limitato * Scala)), static_cast<qint64>(Scala) - 1);
    return u'0' + QString::number(valore);
}

QString TokenLavoro()
{
    // Seeded once, so two tokens drawn in the same millisecond still differ.
    static QRandomGenerator generatore(
        static_cast<quint32>(OrologioPredefinito().Adesso().toMSecsSinceEpoch()));
    return TokenLavoro(generatore.generateDouble());
}
