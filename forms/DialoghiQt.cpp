#include "forms/DialoghiQt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon IconaQt(IconaMessaggio icona)
{
    switch (icona) {
    case IconaMessaggio::Critica: return QMessageBox::Critical;
    case IconaMessaggio::Domanda: return QMessageBox::Question;
    case IconaMessaggio::Avviso: return QMessageBox::Warning;
    case IconaMessaggio::Informazione: return QMessageBox::Information;
    case IconaMessaggio::Nessuna: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons PulsantiQt(PulsantiMessaggio pulsanti)
{
    switch (pulsanti) {
    case PulsantiMessaggio::OkAnnulla: return QMessageBox::Ok | QMessageBox::Cancel;
    case PulsantiMessaggio::SiNo: return QMessageBox::Yes | QMessageBox::No;
    case PulsantiMessaggio::SiNoAnnulla:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PulsantiMessaggio::Ok: break;
    }
    return QMessageBox::Ok;
}

} // namespace

Risposta DialoghiQt::Messaggio(
    const QString& testo, PulsantiMessaggio pulsanti, IconaMessaggio icona, const QString& titolo)
{
    // An empty title shows the program's name, as message boxes do.
    QMessageBox box(IconaQt(icona), titolo.isEmpty() ? u"Invexo"_s : titolo, testo,
        PulsantiQt(pulsanti), m_genitore);
    switch (box.exec()) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: return Risposta::Ok;
    }
}

QString DialoghiQt::Input(const QString& domanda, const QString& titolo, const QString& proposta)
{
    bool ok = false;
    const QString testo = QInputDialog::getText(m_genitore, titolo.isEmpty() ? u"Invexo"_s : titolo,
        domanda, QLineEdit::Normal, proposta, &ok);
    return ok ? testo : QString();
}

std::optional<Credenziali> DialoghiQt::ChiediCredenziali(
    const QString& azienda, const QString& host, const QString& avviso)
{
    QDialog dialogo(m_genitore);
    dialogo.setObjectName(u"FormLogin"_s);
    dialogo.setWindowTitle(u"Autenticazione"_s);
    auto* layout = new QFormLayout(&dialogo);
    if (!avviso.isEmpty()) {
        auto* etichetta = new QLabel(avviso, &dialogo);
        etichetta->setObjectName(u"LblAvviso"_s);
        layout->addRow(etichetta);
    }
    layout->addRow(u"Azienda"_s, new QLabel(azienda, &dialogo));
    layout->addRow(u"Server"_s, new QLabel(host, &dialogo));
    auto* utente = new QLineEdit(&dialogo);
    utente->setObjectName(u"TxtUtente"_s);
    auto* password = new QLineEdit(&dialogo);
    password->setObjectName(u"TxtPassword"_s);
    password->setEchoMode(QLineEdit::Password);
    layout->addRow(u"Utente"_s, utente);
    layout->addRow(u"Password"_s, password);
    auto* pulsanti
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    layout->addRow(pulsanti);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    return Credenziali {utente->text(), password->text()};
}

QString DialoghiQt::ApriFile(const QString& titolo, const QString& filtro, const QString& cartella)
{
    return QFileDialog::getOpenFileName(m_genitore, titolo, cartella, filtro);
}

QString DialoghiQt::SalvaFile(const QString& titolo, const QString& filtro, const QString& proposta)
{
    return QFileDialog::getSaveFileName(m_genitore, titolo, proposta, filtro);
}

void DialoghiQt::Clessidra(bool attiva)
{
    if (attiva)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void DialoghiQt::EseguiEventi()
{
    QApplication::processEvents();
}
