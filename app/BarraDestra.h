#pragma once

#include "app/BottoniDestra.h"

#include <QFrame>

#include <array>

class QToolButton;

// The vertical bar of picture buttons at the right edge; shows a StatoBarraDestra.
class BarraDestra final : public QFrame {
    Q_OBJECT
public:
    explicit BarraDestra(QWidget* genitore = nullptr);

    // Shows the frames and captions of the state and stacks the visible frames.
    void Applica(const StatoBarraDestra& stato, bool schermoStretto);

    static constexpr int Larghezza = 120;

Q_SIGNALS:
    void Premuto(int frame);
    void EliminaPremuto();

private:
    std::array<QFrame*, 7> m_frame {};
    std::array<QToolButton*, 7> m_pulsanti {};
    QFrame* m_frameElimina = nullptr;
    QToolButton* m_elimina = nullptr;
};
