#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Risultati.h"

#include <QDialog>

class Dialoghi;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

// The send-address editor "Parametri invio": e-mail address or fax number of one customer.
class FormEstremiInvio final : public QDialog {
    Q_OBJECT

public:
    // The options (gateway mode and mail domain) must outlive the form.
    FormEstremiInvio(const ArchivioSerie& opzioni, Dialoghi& dialoghi, QWidget* genitore = nullptr);

    // Opens the editor modally on the record; on confirmation its Email or Fax is changed in
    // place. True when confirmed with "Aggiorna rubrica" ticked; false when confirmed without
    // it, closed, or given no record.
    bool changeParametriInvioCliente(const ClientePtr& cliente);

private:
    void Conferma();
    void Chiudi();

    const ArchivioSerie& m_opzioni;
    Dialoghi& m_dialoghi;
    QRadioButton* m_optEmail;
    QRadioButton* m_optFax;
    QLineEdit* m_txtEstremiInvio;
    QCheckBox* m_chkModificaCliente;
    QToolButton* m_picConferma;
    QToolButton* m_picChiudi;
    ClientePtr m_cliente;
    bool m_risultato = false;
};
