#pragma once

#include "app/AvvioSessione.h"
#include "app/FineProgramma.h"
#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "app/Parametri.h"

#include <QObject>
#include <QStringList>

#include <memory>

class Dialoghi;
class FSelezionaCliente;
class FormSplash;
class IstanzaUnica;
class Orologio;

// What start-up needs from outside; tests give their own.
struct DipendenzeAvvio final {
    Dialoghi& dialoghi;
    Impostazioni& impostazioni;
    const Orologio& orologio;
    CreatoreLibreria creaLibreria;
    LettoreRegistro leggiRegistro = LeggiRegistro;
    TerminaProcesso termina = TerminaProcessoSubito;
    // Plugs the feature views into the main window once it exists, before it loads.
    std::function<void(FSelezionaCliente&)> installaViste;
};

// The program's entry: from the command line to the main window, in the order the program
// has always followed. It owns the windows of the run.
class Avvio final : public QObject {
    Q_OBJECT
public:
    Avvio(Invexo_Main& globali, DipendenzeAvvio dipendenze);
    ~Avvio() override;

    // False when the program ended during start-up (FineProgramma was called).
    bool Main(const QStringList& argomenti);

    [[nodiscard]] FSelezionaCliente* FinestraPrincipale() const { return m_finestra.get(); }
    [[nodiscard]] IstanzaUnica* Istanza() const { return m_istanza.get(); }

private:
    bool Termina();
    void MostraFinestra();
    void ChiudiPerComando();

    Invexo_Main& m_globali;
    DipendenzeAvvio m_dipendenze;
    std::unique_ptr<FormSplash> m_splash;
    std::unique_ptr<FSelezionaCliente> m_finestra;
    std::unique_ptr<IstanzaUnica> m_istanza;
};
