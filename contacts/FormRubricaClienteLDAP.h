#pragma once

#include "contacts/EditorRubricaCliente.h"

#include <QDialog>
#include <QHash>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

// "Rubrica Contatti": the modal editor of the one directory contact of a customer for the
// kind of a document. The rules live in EditorRubricaCliente; this window shows its fields.
class FormRubricaClienteLDAP final : public QDialog {
    Q_OBJECT

public:
    FormRubricaClienteLDAP(Invexo_Main& globali, Dialoghi& dialoghi, const AccessoLdap& accesso,
        TempiAggiornamento tempi = {}, QWidget* genitore = nullptr);

    // Opens the editor modally; true when the user confirmed valid data (the customer's Email
    // and Fax were changed), false when it was left or did not open.
    bool AggiornaDatiRubricaCliente(const ClientePtr& cliente, const DocumentoPtr& documento);

    void done(int risultato) override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QLineEdit* Campo(const QString& nome, int maxLunghezza = 0);
    void MostraCampi(const CampiContatto& campi);
    [[nodiscard]] CampiContatto CampiDigitati() const;
    void PaintFocusOnFocusOff(QLineEdit* parControl, bool focusOn);
    void ApriLista(QListWidget* lista, QLineEdit* campo, int indice);
    void ChiudiLista(QListWidget* lista, QLineEdit* campo);
    void ChiudiListe();
    void SceltaLingua();
    void SceltaFunzione();
    void Conferma();
    void Chiudi();

    EditorRubricaCliente m_editor;
    QFrame* m_picDati;
    QLabel* m_lblHeader;
    QLabel* m_lblDescrizioneLingua;
    QLabel* m_lblCodiceClienteValue;
    QHash<QString, QLineEdit*> m_campi;
    QListWidget* m_lstLingue;
    QListWidget* m_lstFunzioniAziendali;
    QToolButton* m_picConferma;
    QToolButton* m_picChiudi;
};

// A fresh editor for each call, as the views use it.
bool AggiornaDatiRubricaCliente(Invexo_Main& globali, Dialoghi& dialoghi,
    const AccessoLdap& accesso, const ClientePtr& cliente, const DocumentoPtr& documento,
    QWidget* genitore = nullptr);
