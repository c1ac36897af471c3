#include "platform/Avviatore.h"
#include "platform/Orologio.h"

#include <QProcess>

Orologio& OrologioPredefinito()
{
    static OrologioSistema orologio;
    return orologio;
}

bool AvviatoreSistema::Avvia(const QString& programma, const QStringList& argomenti)
{
    return QProcess::startDetached(programma, argomenti);
}

int AvviatoreSistema::Esegui(const QString& programma, const QStringList& argomenti, int limiteMs)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(limiteMs)) {
        processo.kill();
        processo.waitForFinished(1000);
        return -1;
    }
    return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
}

Avviatore& AvviatorePredefinito()
{
    static AvviatoreSistema avviatore;
    return avviatore;
}
