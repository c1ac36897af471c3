#include "app/Avvio.h"
#include "app/FSelezionaCliente.h"
#include "app/Impostazioni.h"
#include "app/VisteFinestra.h"
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
    const QString cartellaBase
        = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(cartellaBase);

    Invexo_Main globali;
    DipendenzeAvvio dipendenze {dialoghi, ImpostazioniPredefinite(), OrologioPredefinito(),
        [&dialoghi, &cartellaBase, &globali](const QString& indirizzo) {
            const auto libreria = CreaLibreria(indirizzo, dialoghi, cartellaBase);
            if (!libreria)
                return LibreriaOrbeni {};
            AvviaRubricaDemoDaAmbiente(*libreria, globali.CodiceAzienda);
            return *libreria;
        },
        LeggiRegistro, TerminaProcessoSubito,
        [&globali, &dialoghi](FSelezionaCliente& finestra) {
            dialoghi.ImpostaGenitore(&finestra);
            InstallaViste(finestra, globali, dialoghi);
        }};
    Avvio avvio(globali, std::move(dipendenze));
    if (!avvio.Main(QApplication::arguments()))
        return 0;
    // The program ends once the main window has unloaded.
    QObject::connect(avvio.FinestraPrincipale(), &FSelezionaCliente::Scaricata, &applicazione,
        &QApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}
