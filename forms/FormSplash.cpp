#include "forms/FormSplash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using namespace Qt::StringLiterals;

FormSplash::FormSplash(QWidget* genitore)
    : QWidget(genitore, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_sfondo(u":/splash/sfondo.png"_s)
    , m_marchio(u":/splash/marchio.png"_s)
    , m_documenti(u":/splash/documenti.png"_s)
    , m_posta(u":/splash/posta.png"_s)
{
    setObjectName(u"FormSplash"_s);
    setCursor(Qt::WaitCursor);
    setFixedSize(m_sfondo.size() + QSize(2, 2));
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        move(schermo->availableGeometry().center() - rect().center());
}

void FormSplash::paintEvent(QPaintEvent*)
{
    QPainter pittore(this);
    pittore.drawPixmap(1, 1, m_sfondo);
    pittore.setPen(Qt::white);
    pittore.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont titolo(u"Verdana"_s, 24, QFont::Bold);
    pittore.setFont(titolo);
    pittore.drawText(rect(), Qt::AlignCenter, u"Invexo"_s);

    pittore.drawPixmap(
        width() - m_marchio.width() - 4, height() - m_marchio.height() - 4, m_marchio);
    const int sinistra = 8;
    const int bassoPosta = height() - m_posta.height() - 8;
    pittore.drawPixmap(sinistra, bassoPosta, m_posta);
    pittore.drawPixmap(sinistra, bassoPosta - m_documenti.height() - 8, m_documenti);
}

void FormSplash::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    raise();
    activateWindow();
}
