#pragma once

#include <QWidget>

class QLabel;

// The busy window shown during long work; callers hide it themselves.
class FormGenericSplash final : public QWidget {
    Q_OBJECT
public:
    explicit FormGenericSplash(QWidget* genitore = nullptr);

    // Shows the window without blocking; a non-empty message replaces the label text.
    void display(const QString& messaggio);
    [[nodiscard]] QString Testo() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* m_etichetta;
};
