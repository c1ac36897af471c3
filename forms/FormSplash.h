#pragma once

#include <QWidget>

// The start-up window: the background picture framed in white, the title and three pictures.
class FormSplash final : public QWidget {
    Q_OBJECT
public:
    explicit FormSplash(QWidget* genitore = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QPixmap m_sfondo;
    QPixmap m_marchio;
    QPixmap m_documenti;
    QPixmap m_posta;
};
