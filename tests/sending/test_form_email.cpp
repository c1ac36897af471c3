#include "app/Impostazioni.h"
#include "forms/ElencoView.h"
#include "forms/FormGenericSplash.h"
#include "platform/Orologio.h"
#include "sending/FinestraInvioQt.h"
#include "sending/FormEmail.h"
#include "sending/FormTestoOggetto.h"
#include "tests/sending/ServiziFinti.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ClientePtr Cliente1(const QString& codice, const QString& email, const QString& fax)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Codice = codice;
    cliente->Nominativo = u"Cliente "_s + codice;
    cliente->Email = email;
    cliente->Fax = fax;
    return cliente;
}

class FormEmailTest : public ::testing::Test {
protected:
    FormEmailTest()
    {
        m_impostazioni.Scrivi(ChiaviImpostazioni::MittenteFax, u"Ufficio vendite"_s);
        m_impostazioni.Scrivi(ChiaviImpostazioni::MittenteEmail, u"vendite@quorvanel.it"_s);
        m_principale.resize(1000, 900);
        m_form.setClienti(m_clienti);
        m_form.ListaPrincipale = [] { return u"EXPORT MANAGER - INFORMATIVE DA INVIARE"_s; };
        m_form.AggiornaPrincipale = [this](const QString& lista) { m_aggiornate.append(lista); };
    }

    template <typename T> T* Controllo(const QString& nome)
    {
        auto* controllo = m_form.findChild<T*>(nome);
        EXPECT_NE(controllo, nullptr) << nome.toStdString();
        return controllo;
    }
    void Mostra(int tipo)
    {
        m_form.setTipo(tipo);
        m_form.show();
        QApplication::processEvents();
    }
    ElencoView* Lista() { return Controllo<ElencoView>(u"LWEmail"_s); }
    QLineEdit* Editor() { return Controllo<QLineEdit>(u"TextFaxEmail"_s); }
    QCheckBox* Memorizza() { return Controllo<QCheckBox>(u"EmailFaxCheck"_s); }
    // Corrects the address of the row in place, clicking the check box first when asked.
    void Correggi(int riga, const QString& testo, bool cliccaCheck)
    {
        Q_EMIT Lista()->RigaDoppioClic(riga);
        ASSERT_TRUE(Editor()->isVisible());
        if (cliccaCheck)
            Memorizza()->click();
        // Clicking the box does not end the correction.
        ASSERT_TRUE(Editor()->isVisible());
        Editor()->setText(testo);
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(Editor(), &invio);
    }
    void Invia() { Controllo<QToolButton>(u"ImgBottoniInvia"_s)->click(); }

    QWidget m_principale;
    TempRoot m_cartella;
    std::shared_ptr<ServiziFinti> m_servizi = std::make_shared<ServiziFinti>();
    Invexo_Main m_globali = GlobaliDiProva(m_cartella.Percorso(), m_servizi);
    Impostazioni m_impostazioni {m_cartella.File(u"impostazioni.ini"_s)};
    OrologioFisso m_ora {QDateTime(QDate(2025, 6, 16), QTime(9, 5, 33))};
    DialoghiScriptati m_dialoghi;
    QList<ClientePtr> m_clienti {
        Cliente1(u"A"_s, u"a@alfa.it"_s, u"0521"_s), Cliente1(u"B"_s, u"b@beta.it"_s, {})};
    FormEmail m_form {m_globali, m_dialoghi, m_impostazioni, m_ora, &m_principale};
    QStringList m_aggiornate;
};

TEST_F(FormEmailTest, FaxModeShowsTheAttemptsAndTheSenderOfFaxes)
{
    Mostra(1);
    EXPECT_EQ(m_form.windowTitle(), u"Invio Fax"_s);
    EXPECT_EQ(Controllo<QLabel>(u"BarraAlto"_s)->text(), u"Invio informative per FAX"_s);
    EXPECT_TRUE(Controllo<QFrame>(u"FrameEmailTentativi"_s)->isVisible());
    EXPECT_EQ(Controllo<QLineEdit>(u"EmailTxtTentativi"_s)->text(), u"3"_s);
    EXPECT_EQ(Controllo<QLineEdit>(u"EmailTxtDataInvio"_s)->text(), u"16/06/25"_s);
    EXPECT_EQ(Controllo<QLineEdit>(u"EmailTxtOraInvio"_s)->text(), u"09:05"_s);
    EXPECT_EQ(Controllo<QLineEdit>(u"EmailTxtMittente"_s)->text(), u"Ufficio vendite"_s);
    EXPECT_TRUE(Controllo<QLineEdit>(u"EmailTxtOggetto"_s)->hasFocus());
    ASSERT_EQ(m_form.Destinatari().Conta(), 2);
    EXPECT_EQ(m_form.Destinatari().Riga(0).TestoColonna(1), u"0521"_s);
    EXPECT_TRUE(m_form.Destinatari().Riga(1).Grassetto);
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(Memorizza()->toolTip(), u"Memorizza in rubrica"_s);

    m_form.hide();
    Mostra(0);
    EXPECT_EQ(m_form.windowTitle(), u"Invio Email"_s);
    EXPECT_FALSE(Controllo<QFrame>(u"FrameEmailTentativi"_s)->isVisible());
    EXPECT_EQ(Controllo<QLineEdit>(u"EmailTxtMittente"_s)->text(), u"vendite@quorvanel.it"_s);
}

TEST_F(FormEmailTest, InPlaceCorrectionFollowsTheCheckBox)
{
    Mostra(1);
    // Loaded addresses start with the box ticked: one click unticks it.
    Correggi(1, u"0521/9"_s, true);
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(m_form.Destinatari().Riga(1).TestoColonna(1), u"0521/9"_s);
    EXPECT_EQ(m_form.Destinatari().Riga(1).TestoColonna(2), QString());
    EXPECT_FALSE(m_form.Destinatari().Riga(1).Grassetto);
    Correggi(1, u"0521/8"_s, true);
    EXPECT_EQ(m_form.Destinatari().Riga(1).TestoColonna(2), u"M"_s);

    Correggi(0, u"05 21"_s, false);
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Fax non valido"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Invio Fax"_s);
    EXPECT_EQ(m_form.Destinatari().Riga(0).TestoColonna(1), u"0521"_s);
    EXPECT_TRUE(m_form.Destinatari().Riga(0).Grassetto);
}

TEST_F(FormEmailTest, SendingChecksTheAddressesThenHandsTheRowsToTheExportWriter)
{
    Mostra(1);
    Invia();
    EXPECT_EQ(
        m_dialoghi.Testi(), QStringList {u"Inserire l'indirizzo dei nominativi evidenziati"_s});
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());

    Correggi(1, u"0522"_s, false);
    Invia();
    EXPECT_EQ(m_dialoghi.Testi().size(), 1);
    EXPECT_FALSE(m_form.isVisible());
    ASSERT_EQ(m_servizi->Avvii.size(), 1);
    EXPECT_EQ(m_clienti[1]->Fax, u"0522"_s);
    EXPECT_TRUE(m_clienti[1]->AggiornaRubrica);
    EXPECT_EQ(m_aggiornate, QStringList {u"EXPORT MANAGER - INFORMATIVE DA INVIARE"_s});
    EXPECT_EQ(m_impostazioni.Leggi(ChiaviImpostazioni::MittenteFax), u"Ufficio vendite"_s);
    EXPECT_TRUE(Controllo<QLineEdit>(u"EmailTxtMittente"_s)->text().isEmpty());
    EXPECT_EQ(m_dialoghi.Clessidre, 0);
}

TEST_F(FormEmailTest, AnUnreadableDateKeepsTheDialogOpenAndWritesNothing)
{
    Mostra(0);
    Controllo<QLineEdit>(u"EmailTxtDataInvio"_s)->setText(u"32/13/25"_s);
    Invia();
    ASSERT_EQ(m_dialoghi.Testi().size(), 1);
    EXPECT_TRUE(m_dialoghi.Testi()[0].contains(u"data"_s));
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Invio Email"_s);
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
    EXPECT_FALSE(Controllo<QLineEdit>(u"EmailTxtMittente"_s)->text().isEmpty());
}

TEST_F(FormEmailTest, LeavingAPlainNameSenderWarnsEvenInFaxMode)
{
    Mostra(1);
    auto* mittente = Controllo<QLineEdit>(u"EmailTxtMittente"_s);
    mittente->setText(u"Ufficio"_s);
    mittente->setModified(true);
    Q_EMIT mittente->editingFinished();
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Indirizzo email del mittente non valido"_s});
    EXPECT_EQ(m_dialoghi.Registrati[0].Titolo, u"Invio Email"_s);
    EXPECT_EQ(mittente->text(), u"Ufficio"_s);
}

TEST_F(FormEmailTest, LayoutStacksTheFramesAndFitsTheDialog)
{
    Mostra(1);
    const auto* oggetto = Controllo<QFrame>(u"FrameEmailOggetto"_s);
    const auto* destinatari = Controllo<QFrame>(u"FrameEmailDestinatari"_s);
    const auto* testo = Controllo<QFrame>(u"FrameEmailTesto"_s);
    const auto* tentativi = Controllo<QFrame>(u"FrameEmailTentativi"_s);
    EXPECT_LT(oggetto->geometry().bottom(), destinatari->geometry().top());
    EXPECT_LT(destinatari->geometry().bottom(), testo->geometry().top());
    EXPECT_LT(testo->geometry().bottom(), tentativi->geometry().top());
    // Twips become pixels one value at a time: a pixel of rounding either way.
    EXPECT_NEAR(m_form.height(), tentativi->geometry().bottom() + 1 + 1000 / TwipsPerPixel, 1);
}

TEST_F(FormEmailTest, WindowEffectsOfTheButtons)
{
    FinestraInvioQt finestra(m_principale, m_form);
    m_principale.show();
    finestra.NascondiPrincipale();
    EXPECT_FALSE(m_principale.isVisible());
    finestra.MostraAttesa(u"Invio documenti in corso"_s);
    FormGenericSplash* attesa = nullptr;
    for (QWidget* finestraAperta : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<FormGenericSplash*>(finestraAperta);
            splash && splash->isVisible())
            attesa = splash;
    ASSERT_NE(attesa, nullptr);
    EXPECT_EQ(attesa->Testo(), u"Invio documenti in corso"_s);
    finestra.ChiudiAttesa();
    EXPECT_FALSE(attesa->isVisible());
    finestra.MostraPrincipale();
    EXPECT_TRUE(m_principale.isVisible());

    finestra.MostraFormEmail({m_clienti[1]}, 1);
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_EQ(m_form.Tipo(), 1);
    ASSERT_EQ(m_form.Destinatari().Conta(), 1);
    EXPECT_EQ(m_form.Destinatari().Riga(0).Testo, u"Cliente B"_s);
}

TEST(FormTestoOggetto, ReturnsTheConfirmedPairAndClosesOnlyThroughConferma)
{
    FormTestoOggetto form;
    bool aperto = false;
    QTimer::singleShot(0, &form, [&] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&form, &esc);
        form.close();
        aperto = form.isVisible();
        form.findChild<QLineEdit*>(u"txtOggetto"_s)->setText(u"  Nuovo oggetto "_s);
        form.findChild<QPlainTextEdit*>(u"txtFrontespizio"_s)->setPlainText(u"Riga 1\nRiga 2 "_s);
        form.findChild<QToolButton*>(u"Pic_Conferma"_s)->click();
    });
    const TestoInvio risultato = form.AggiornaOggettoTesto(u"Vecchio"_s, u"Testo\r\nvecchio"_s);
    EXPECT_TRUE(aperto);
    EXPECT_EQ(risultato.Oggetto, u"Nuovo oggetto"_s);
    EXPECT_EQ(risultato.Testo, u"Riga 1\r\nRiga 2"_s);
    EXPECT_EQ(form.findChild<QLineEdit*>(u"txtOggetto"_s)->maxLength(), 40);
}

} // namespace
