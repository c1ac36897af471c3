#pragma once

#include "sending/TestiInvio.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// "Oggetto e Testo Invio": edits the stored subject and text of a mailing. It closes only
// through "Conferma".
class FormTestoOggetto final : public QDialog {
    Q_OBJECT

public:
    explicit FormTestoOggetto(QWidget* genitore = nullptr);

    // Shows the dialog modally with the pair and returns the confirmed one, trimmed.
    TestoInvio AggiornaOggettoTesto(const QString& parOggetto, const QString& parTesto);

protected:
    void reject() override { }
    void closeEvent(QCloseEvent* evento) override;

private:
    void Conferma();

    QLineEdit* m_txtOggetto;
    QPlainTextEdit* m_txtFrontespizio;
    QToolButton* m_picConferma;
    TestoInvio m_risultato;
    bool m_confermato = false;
};

// The editor LeggiTestoInvio takes, showing the dialog over the window.
[[nodiscard]] EditoreTestoInvio EditoreFormTestoOggetto(QWidget* genitore);

// The text of a multi-line box with its line breaks as carriage return and line feed, and
// back.
[[nodiscard]] QString TestoConRitorni(const QString& testo);
[[nodiscard]] QString TestoSenzaRitorni(const QString& testo);
