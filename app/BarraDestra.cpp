#include "app/BarraDestra.h"

#include "forms/Elenco.h"
#include "forms/ListaImmagini.h"

#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int AltezzaFrame = 76;

const std::array<QString, 7> NomiPulsanti {u"FPicRewind"_s, u"FPicAggiungi"_s,
    u"FPicInviaSelezionati"_s, u"FPicFAXSelezionati"_s, u"FPicStampa"_s, u"FPicPreferenze"_s,
    u"FPicRimuoviSelezionati"_s};

QToolButton* PulsanteInFrame(QFrame* frame, const QString& nome)
{
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pulsante = new QToolButton(frame);
    pulsante->setObjectName(nome);
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pulsante->setIconSize(QSize(32, 32));
    pulsante->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    pulsante->setAutoRaise(true);
    layout->addWidget(pulsante);
    frame->setFixedSize(BarraDestra::Larghezza - 8, AltezzaFrame);
    return pulsante;
}

// Captions are long for a narrow bar: wrap them on blanks into lines that fit.
QString DidascaliaACapo(const QString& didascalia)
{
    const QStringList parole = didascalia.trimmed().split(u' ', Qt::SkipEmptyParts);
    QStringList righe;
    QString riga;
    for (const QString& parola : parole) {
        if (!riga.isEmpty() && riga.size() + 1 + parola.size() > 14) {
            righe.append(riga);
            riga.clear();
        }
        riga += (riga.isEmpty() ? QString() : u" "_s) + parola;
    }
    if (!riga.isEmpty())
        righe.append(riga);
    return righe.join(u'\n');
}

} // namespace

BarraDestra::BarraDestra(QWidget* genitore)
    : QFrame(genitore)
{
    setObjectName(u"FrameBarraDestra"_s);
    setFrameShape(QFrame::StyledPanel);
    for (int i = 0; i < 7; ++i) {
        m_frame[i] = new QFrame(this);
        m_frame[i]->setObjectName(u"FrameBottDestra"_s + QString::number(i));
        m_pulsanti[i] = PulsanteInFrame(m_frame[i], NomiPulsanti[i]);
        connect(m_pulsanti[i], &QToolButton::clicked, this, [this, i] { Q_EMIT Premuto(i); });
    }
    m_frameElimina = new QFrame(this);
    m_frameElimina->setObjectName(u"FrameElimina"_s);
    m_elimina = PulsanteInFrame(m_frameElimina, u"FPicElimina"_s);
    connect(m_elimina, &QToolButton::clicked, this, &BarraDestra::EliminaPremuto);
}

void BarraDestra::Applica(const StatoBarraDestra& stato, bool schermoStretto)
{
    const auto imposta
        = [](QToolButton* pulsante, const QString& didascalia, const QString& icona) {
              pulsante->setText(DidascaliaACapo(didascalia));
              pulsante->setAccessibleName(didascalia);
              pulsante->setToolTip(didascalia.trimmed());
              pulsante->setIcon(ListaImmagini::Icona(icona));
          };
    const PosizioniBarra posizioni
        = DisponiBottoniDestra(stato, AltezzaFrame * TwipsPerPixel, schermoStretto);
    const int margine = 4;
    for (int i = 0; i < 7; ++i) {
        imposta(m_pulsanti[i], stato.Bottoni[i].Didascalia, stato.Bottoni[i].Icona);
        const bool visibile = i == 0 || stato.Bottoni[i].Visibile;
        m_frame[i]->setVisible(visibile);
        if (visibile)
            m_frame[i]->move(margine, margine + posizioni.Frame[i] / TwipsPerPixel);
    }
    imposta(m_elimina, stato.DidascaliaElimina, stato.IconaElimina);
    m_frameElimina->setVisible(stato.EliminaVisibile);
    if (stato.EliminaVisibile)
        m_frameElimina->move(margine, margine + posizioni.Elimina / TwipsPerPixel);
}
