#include "sending/FormEstremiInvio.h"
#include "tests/support/DialoghiScriptati.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class FormEstremiInvioTest : public ::testing::Test {
protected:
    FormEstremiInvioTest()
    {
        m_opzioni.DominioPosta = u"fax.quorvanel.it"_s;
        m_cliente->Nominativo = u"Rossi Mario"_s;
    }

    template <typename T> T* Controllo(const QString& nome)
    {
        auto* controllo = m_form.findChild<T*>(nome);
        EXPECT_NE(controllo, nullptr) << nome.toStdString();
        return controllo;
    }
    QRadioButton* OptEmail() { return Controllo<QRadioButton>(u"optModalita0"_s); }
    QRadioButton* OptFax() { return Controllo<QRadioButton>(u"optModalita1"_s); }
    QLineEdit* Testo() { return Controllo<QLineEdit>(u"txtEstremiInvio"_s); }
    QCheckBox* Aggiorna() { return Controllo<QCheckBox>(u"chkModificaCliente"_s); }
    void Conferma() { Controllo<QToolButton>(u"Pic_Conferma"_s)->click(); }
    void Chiudi() { Controllo<QToolButton>(u"Pic_Chiudi"_s)->click(); }

    // Opens the editor and acts on it while it runs modally; it is closed if still open.
    bool Apri(const std::function<void()>& azioni)
    {
        QTimer::singleShot(0, &m_form, [this, azioni] {
            m_aperto = m_form.isVisible();
            azioni();
            if (m_form.isVisible())
                m_form.reject();
        });
        return m_form.changeParametriInvioCliente(m_cliente);
    }

    ArchivioSerie m_opzioni;
    DialoghiScriptati m_dialoghi;
    FormEstremiInvio m_form {m_opzioni, m_dialoghi};
    ClientePtr m_cliente = std::make_shared<Cliente>();
    bool m_aperto = false;
};

TEST_F(FormEstremiInvioTest, GatewayAddressOpensAsFaxAndConfirmsIntoTheEmail)
{
    m_opzioni.FaxViaEmail = true;
    m_cliente->Email = u"fax-0522/12@fax.quorvanel.it"_s;
    const bool risultato = Apri([this] {
        EXPECT_EQ(m_form.windowTitle(), u"Rossi Mario");
        EXPECT_TRUE(OptFax()->isChecked());
        EXPECT_FALSE(OptEmail()->isHidden());
        EXPECT_FALSE(OptFax()->isHidden());
        EXPECT_EQ(Testo()->text(), u"0522/12");
        Testo()->setText(u"051 22 33"_s);
        Conferma();
        EXPECT_TRUE(m_form.isVisible()) << "an invalid number keeps the editor open";
        Testo()->setText(u" 051/2233 "_s);
        Aggiorna()->setChecked(true);
        Conferma();
    });
    EXPECT_TRUE(m_aperto);
    EXPECT_TRUE(risultato);
    EXPECT_EQ(m_cliente->Email, u"fax-051/2233@fax.quorvanel.it");
    ASSERT_EQ(m_dialoghi.Registrati.size(), 1);
    EXPECT_EQ(m_dialoghi.Registrati[0].Testo, u"Numero fax non valido");
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Invio documenti");
    EXPECT_EQ(m_dialoghi.Registrati[0].Icona, IconaMessaggio::Critica);
}

TEST_F(FormEstremiInvioTest, GatewayAddressWithoutAtStillOpensAsFax)
{
    m_opzioni.FaxViaEmail = true;
    m_cliente->Email = u"fax-0522"_s;
    Apri([this] {
        EXPECT_TRUE(OptFax()->isChecked());
        EXPECT_EQ(Testo()->text(), u"0522");
    });
    EXPECT_TRUE(m_aperto);
}

TEST_F(FormEstremiInvioTest, WithoutGatewayAnEmailCustomerCannotSwitchToFax)
{
    m_cliente->Email = u"old@b.it"_s;
    m_cliente->Fax = u"0522"_s;
    const bool risultato = Apri([this] {
        EXPECT_TRUE(OptEmail()->isChecked());
        EXPECT_TRUE(OptEmail()->isHidden());
        EXPECT_TRUE(OptFax()->isHidden());
        EXPECT_FALSE(Aggiorna()->isChecked());
        Testo()->setText(u"new@b"_s);
        Conferma();
        Testo()->setText(u"new@b.it"_s);
        Conferma();
    });
    EXPECT_FALSE(risultato) << "confirmed without \"Aggiorna rubrica\"";
    EXPECT_EQ(m_cliente->Email, u"new@b.it");
    EXPECT_EQ(m_cliente->Fax, u"0522");
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Indirizzo email non valido"_s});
}

TEST_F(FormEstremiInvioTest, AFaxCustomerGetsItsNumberChanged)
{
    m_cliente->Fax = u"0522"_s;
    const bool risultato = Apri([this] {
        EXPECT_TRUE(OptFax()->isChecked());
        EXPECT_FALSE(OptFax()->isHidden());
        Testo()->setText(u"0522/99"_s);
        Aggiorna()->setChecked(true);
        Conferma();
    });
    EXPECT_TRUE(risultato);
    EXPECT_EQ(m_cliente->Fax, u"0522/99");
    EXPECT_TRUE(m_cliente->Email.isEmpty());
}

TEST_F(FormEstremiInvioTest, ClosingLeavesTheRecordAndAnswersFalse)
{
    m_cliente->Email = u"old@b.it"_s;
    const bool risultato = Apri([this] {
        Testo()->setText(u"new@b.it"_s);
        Aggiorna()->setChecked(true);
        Chiudi();
    });
    EXPECT_FALSE(risultato);
    EXPECT_EQ(m_cliente->Email, u"old@b.it");
}

TEST_F(FormEstremiInvioTest, NoRecordDoesNotOpen)
{
    EXPECT_FALSE(m_form.changeParametriInvioCliente(nullptr));
    EXPECT_FALSE(m_form.isVisible());
}

TEST_F(FormEstremiInvioTest, TheAddressBoxDropsCharactersOutsideAscii)
{
    Apri([this] {
        QLineEdit* testo = Testo();
        testo->clear();
        for (const QString& tasto : {u"a"_s, u"é"_s, u"@"_s, u"€"_s, u"b"_s}) {
            QKeyEvent evento(QEvent::KeyPress, 0, Qt::NoModifier, tasto);
            QApplication::sendEvent(testo, &evento);
        }
        QKeyEvent indietro(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, u"\b"_s);
        QApplication::sendEvent(testo, &indietro);
        EXPECT_EQ(testo->text(), u"a@");
    });
}

} // namespace
