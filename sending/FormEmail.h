#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"
#include "sending/DestinatariInvio.h"

#include <QDialog>

#include <functional>

class Dialoghi;
class ElencoView;
class Impostazioni;
class Orologio;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
struct Invexo_Main;
struct LayoutFormEmail;

// The send dialog "Invio": notices by e-mail or fax to a chosen set of customers, whose
// addresses can be corrected in place. Shown not modally; hidden after sending or closing,
// and reloaded from Clienti at each showing.
class FormEmail final : public QDialog {
    Q_OBJECT

public:
    FormEmail(Invexo_Main& globali, Dialoghi& dialoghi, Impostazioni& impostazioni,
        const Orologio& ora, QWidget* principale = nullptr);
    ~FormEmail() override;

    // 0 e-mail, 1 fax.
    [[nodiscard]] int Tipo() const { return static_cast<int>(m_modo); }
    void setTipo(int tipo);
    // The records are shared: corrections are written into them when sending.
    void setClienti(const QList<ClientePtr>& clienti) { m_clienti = clienti; }

    // Opens the in-place editor at that place of the dialog (twips) on the selected row and
    // returns its text.
    QString InserisciFaxEmail(int riga, int colonna, int lunghezza);
    // Closes the editor and applies its text to the row being corrected.
    void TogliTextFaxEmail();
    // Hand the ticked rows to the spool; false, with the message shown, when a field cannot be
    // read or the run failed.
    bool MandaFaxEmailPrivacy();
    bool MandaFaxEmailExport();
    void ResizeLWEmail();
    // The layout, and the list shown again.
    void ResizeTutto();

    // The main window's privacy list (RicCPrivacy) when its privacy frame is visible, else empty:
    // it chooses the writer at sending.
    std::function<QString()> ListaPrincipale;
    // Shows the main window's list again after a mailing made from it.
    std::function<void(const QString& lista)> AggiornaPrincipale;

    [[nodiscard]] Elenco& Destinatari() { return m_destinatari; }

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Attiva();
    void DoppioClic(int riga);
    void Invia();
    void LasciaMittente();
    bool Manda(bool export_);
    void Disponi(const LayoutFormEmail& layout);
    [[nodiscard]] CampiFormEmail Campi() const;
    [[nodiscard]] int RigaInCorrezione() const;

    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    Impostazioni& m_impostazioni;
    const Orologio& m_ora;
    ModoFormEmail m_modo = ModoFormEmail::Email;
    QList<ClientePtr> m_clienti;
    Elenco m_destinatari;
    // The row whose address is being corrected; -1 when none.
    int m_rigaSelezionata = -1;
    int m_numeroMaxElementi = 17;

    QLabel* m_barraAlto;
    QFrame* m_frameOggetto;
    QLineEdit* m_txtMittente;
    QLineEdit* m_txtOggetto;
    QFrame* m_frameDestinatari;
    QLabel* m_etichettaDestinatari;
    ElencoView* m_lista;
    QFrame* m_frameTesto;
    QLabel* m_etichettaTesto;
    QPlainTextEdit* m_txtFrontespizio;
    QFrame* m_frameTentativi;
    QLineEdit* m_txtData;
    QLineEdit* m_txtOra;
    QLineEdit* m_txtTentativi;
    QLineEdit* m_textFaxEmail;
    QCheckBox* m_checkFaxEmail;
    QLabel* m_coperturaVerticale;
    QLabel* m_coperturaOrizzontale;
    QFrame* m_barraDestra;
    QToolButton* m_invia;
    QToolButton* m_chiudi;
};
