#include "documents/ApritoreDesktop.h"

#include <QDesktopServices>
#include <QUrl>

bool ApritoreDesktop::Apri(const QString& percorso)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}
