#include "sending/FormTestoOggetto.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QString TestoConRitorni(const QString& testo)
{
    return TestoSenzaRitorni(testo).replace(u'\n', u"\r\n"_s);
}

QString TestoSenzaRitorni(const QString& testo)
{
    return QString(testo).replace(u"\r\n"_s, u"\n"_s);
}

FormTestoOggetto::FormTestoOggetto(QWidget* genitore)
    : QDialog(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_txtOggetto(new QLineEdit(this))
    , m_txtFrontespizio(new QPlainTextEdit(this))
    , m_picConferma(new QToolButton(this))
{
    setObjectName(u"FormTestoOggetto"_s);
    setWindowTitle(u" "_s);
    setModal(true);
    auto* barraAlto = new QLabel(u"Oggetto e Testo Invio"_s, this);
    barraAlto->setObjectName(u"BarraAlto"_s);
    QFont grassetto = barraAlto->font();
    grassetto.setBold(true);
    barraAlto->setFont(grassetto);

    auto* etichettaOggetto = new QLabel(u"Oggetto"_s, this);
    m_txtOggetto->setObjectName(u"txtOggetto"_s);
    m_txtOggetto->setMaxLength(LunghezzaOggettoTestoInvio);
    etichettaOggetto->setBuddy(m_txtOggetto);
    auto* etichettaTesto = new QLabel(u"Testo email o frontespizio fax"_s, this);
    m_txtFrontespizio->setObjectName(u"txtFrontespizio"_s);
    m_txtFrontespizio->setFont(QFont(u"Courier New"_s, 9.75));
    m_txtFrontespizio->setMinimumSize(480, 240);
    etichettaTesto->setBuddy(m_txtFrontespizio);

    m_picConferma->setObjectName(u"Pic_Conferma"_s);
    m_picConferma->setText(u"Conferma"_s);
    m_picConferma->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_picConferma->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(barraAlto);
    layout->addWidget(etichettaOggetto);
    layout->addWidget(m_txtOggetto);
    layout->addWidget(etichettaTesto);
    layout->addWidget(m_txtFrontespizio);
    layout->addWidget(m_picConferma, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_picConferma, &QToolButton::clicked, this, &FormTestoOggetto::Conferma);
}

TestoInvio FormTestoOggetto::AggiornaOggettoTesto(
    const QString& parOggetto, const QString& parTesto)
{
    m_txtOggetto->setText(parOggetto);
    m_txtFrontespizio->setPlainText(TestoSenzaRitorni(parTesto));
    m_risultato = {parOggetto, parTesto};
    m_confermato = false;
    m_txtOggetto->setFocus();
    exec();
    return m_risultato;
}

void FormTestoOggetto::closeEvent(QCloseEvent* evento)
{
    // Only "Conferma" closes it.
    if (m_confermato)
        evento->accept();
    else
        evento->ignore();
}

void FormTestoOggetto::Conferma()
{
    m_risultato = {TogliSpazi(m_txtOggetto->text()),
        TogliSpazi(TestoConRitorni(m_txtFrontespizio->toPlainText()))};
    m_confermato = true;
    accept();
}

EditoreTestoInvio EditoreFormTestoOggetto(QWidget* genitore)
{
    return [genitore](const TestoInvio& letto) {
        FormTestoOggetto form(genitore);
        return form.AggiornaOggettoTesto(letto.Oggetto, letto.Testo);
    };
}
