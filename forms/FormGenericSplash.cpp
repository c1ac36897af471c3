#include "forms/FormGenericSplash.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FormGenericSplash::FormGenericSplash(QWidget* genitore)
    : QWidget(genitore, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_etichetta(new QLabel(u"INVEXO"_s, this))
{
    setObjectName(u"FormGenericSplash"_s);
    m_etichetta->setObjectName(u"Label1"_s);
    m_etichetta->setAlignment(Qt::AlignCenter);
    m_etichetta->setWordWrap(true);
    QFont carattere = m_etichetta->font();
    carattere.setPointSize(14);
    carattere.setBold(true);
    m_etichetta->setFont(carattere);
    setStyleSheet(u"FormGenericSplash { background: #1a3b6e; border: 1px solid white; }"
                  u" QLabel { color: white; }"_s);
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(m_etichetta);
    setFixedSize(420, 140);
}

void FormGenericSplash::display(const QString& messaggio)
{
    if (!messaggio.isEmpty())
        m_etichetta->setText(messaggio);
    setCursor(Qt::WaitCursor);
    show();
    QApplication::processEvents();
}

QString FormGenericSplash::Testo() const
{
    return m_etichetta->text();
}

void FormGenericSplash::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    raise();
}
