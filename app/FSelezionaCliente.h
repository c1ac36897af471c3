#pragma once

#include "app/AvvioSessione.h"
#include "app/BarraDestra.h"
#include "app/BottoniDestra.h"
#include "app/Invexo_Main.h"
#include "app/PannelliPrincipali.h"

#include <QWidget>

#include <functional>
#include <memory>

class Dialoghi;
class Orologio;
class QComboBox;

// What the views of later features plug into the main window.
struct AgganciFinestra final {
    // Clears the stored subject and text of a mailing ("PRIVACY", "EXPORT").
    std::function<void(const QString&)> AzzeraTestiInvio;
    // Drops the shared directory connection.
    std::function<void()> ChiudiConnessioneLdap;
    // Closes the e-mail client session at unload.
    std::function<void()> ChiudiPosta;
    // A click on a frame of the right-hand bar (1 to 6) in the current view.
    std::function<void(int)> PulsanteDestro;
};

// The main window: top band, logo, type combos, search panels, lists, right-hand bar, layout.
class FSelezionaCliente final : public QWidget {
    Q_OBJECT
public:
    FSelezionaCliente(Invexo_Main& globali, Dialoghi& dialoghi, const Orologio& orologio,
        QWidget* genitore = nullptr);
    ~FSelezionaCliente() override;

    // The load steps of the window.
    void Carica(const MittentiPredefiniti& mittenti);
    // Fills the five type combos from the series archive; selects "BOLLE DI VENDITA".
    void CaricaTipiDocumento();
    // The company logo, else the maker's, else none.
    void CaricaLogo(const QString& cartellaLogo, const QString& azienda);
    // Opens the exemption or the lists view when the server offers only that type.
    void ApriVistaIniziale();

    void MostraSelezionaCliente();
    void MostraDaVisionare();
    void MostraDaInviare();
    void MostraPrivacy();
    void MostraExport();
    void MostraEsenzione();
    void MostraElenchiCliFor();
    void CambioServizio(const QString& etichetta);
    void ResizeRigheDaInviare();
    void FPicRewind_Click();
    // Lays the window out after any change of visible panels.
    void Resize();
    // Closes and unloads the window whatever the debug and shell flags say.
    void ChiudiDaCodice();
    // Shows the right-hand bar as the state says.
    void AggiornaBarra();

    // Selects a position of a type combo and runs its click handling, as a user's choice does.
    void SelezionaTipo(QComboBox* combo, int posizione);

    [[nodiscard]] PannelliPrincipali& Pannelli() { return *m_pannelli; }
    [[nodiscard]] StatoBarraDestra& Barra() { return m_barra; }
    [[nodiscard]] BarraDestra& BarraWidget() { return *m_barraWidget; }
    [[nodiscard]] const QString& ServizioCorrente() const { return m_picTrackService; }
    AgganciFinestra Agganci;

    [[nodiscard]] static bool SchermoStretto();

Q_SIGNALS:
    // The window has unloaded: temporary files deleted, session closed.
    void Scaricata();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void CollegaCombi();
    void FCTipoDoc_Click();
    void RicCTipoDoc_Click();
    void RicCTipoDocDaInviare_Click();
    void RiempiAnni();
    void PeriodiPredefiniti();
    void CaricaSerie(const QString& etichetta);
    void MostraSoloPannello(QFrame* pannello);
    void SvuotaCestinoSeCredemtel(const QString& vecchia, const QString& nuova);
    void Scarica();

    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    const Orologio& m_orologio;
    std::unique_ptr<PannelliPrincipali> m_pannelli;
    BarraDestra* m_barraWidget;
    StatoBarraDestra m_barra;
    // The last type chosen (the tag of the hidden picture of the original window).
    QString m_picTrackService;
    bool m_scaricata = false;
    bool m_chiusuraDaCodice = false;
};
