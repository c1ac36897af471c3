#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"

#include <QDialog>

class Dialoghi;
class ElencoView;
class QToolButton;

// The customers a name search found, with check boxes; the ticked ones join the selected
// customers when the window closes.
class FormRicercaCliente final : public QDialog {
    Q_OBJECT
public:
    FormRicercaCliente(Elenco& nominativiSelezionati, QList<ClientePtr>& clientiSelezionati,
        Dialoghi& dialoghi, QWidget* genitore = nullptr);

    [[nodiscard]] Elenco& Nominativi() { return m_nominativi; }
    void FPicConferma_Click();
    void FPicChiudi_Click();

private:
    Elenco m_nominativi;
    Elenco& m_nominativiSelezionati;
    QList<ClientePtr>& m_clientiSelezionati;
    Dialoghi& m_dialoghi;
    ElencoView* m_lista;
};
