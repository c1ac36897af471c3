#include "app/Avvio.h"
#include "app/FSelezionaCliente.h"
#include "app/Impostazioni.h"
#include "forms/DialoghiQt.h"
#include "orbeni/local/CreaLibreria.h"
#include "platform/Orologio.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    QApplication::setOrganizationName(u"Quorvanel s.r.l."_s);
    QApplication::setApplicationName(u"Invexo"_s);
    QApplication::setQuitOnLastWindowClosed(false);

    DialoghiQt dialoghi;
    const QString cartellaBase = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(cartellaBase);

    Invexo_Main globali;
    Avvio avvio(globali,
                DipendenzeAvvio{dialoghi, ImpostazioniPredefinite(), OrologioPredefinito(),
                                [&dialoghi, &cartellaBase](const QString& indirizzo) {
                                    const auto libreria
                                        = CreaLibreria(indirizzo, dialoghi, cartellaBase);
                                    return libreria ? *libreria : LibreriaOrbeni{};
                                }});
    if (!avvio.Main(QApplication::arguments()))
        return 0;
    // The program ends when the main window has unloaded and no window is left.
    QObject::connect(avvio.FinestraPrincipale(), &FSelezionaCliente::Scaricata, &applicazione,
                     &QApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}
