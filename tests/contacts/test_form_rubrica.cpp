#include "contacts/ConnessioneLdap.h"
#include "contacts/FormRubricaClienteLDAP.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/ServerHttpDiProva.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FormRubricaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_http.Avviato());
        const auto connessione = ConnessioneLdap(*m_globali, m_dialoghi, AccessoLdap {});
        ASSERT_TRUE(connessione);
        connessione->setWebUrl(m_http.Host());
        m_cliente->Codice = u"0600980"_s;
        m_cliente->Nominativo = u"Tessuti Rossi s.r.l."_s;
        m_documento->Sigla = u"FATT."_s;
    }

    template <typename T> T* Controllo(const QString& nome)
    {
        auto* controllo = m_form.findChild<T*>(nome);
        EXPECT_NE(controllo, nullptr) << nome.toStdString();
        return controllo;
    }
    QLineEdit* Testo(const QString& nome) { return Controllo<QLineEdit>(nome); }

    // Opens the editor and acts on it while it runs modally; closed if still open after.
    bool Apri(const std::function<void()>& azioni)
    {
        QTimer::singleShot(0, &m_form, [this, azioni] {
            m_aperto = m_form.isVisible();
            azioni();
            if (m_form.isVisible())
                AttendiFinche([this] { return !m_form.isVisible(); }, 5000);
            if (m_form.isVisible())
                m_form.reject();
        });
        return m_form.AggiornaDatiRubricaCliente(m_cliente, m_documento);
    }

    ServerHttpDiProva m_http;
    std::unique_ptr<Invexo_Main> m_globali = SessioneRubrica();
    DialoghiScriptati m_dialoghi;
    FormRubricaClienteLDAP m_form {*m_globali, m_dialoghi, AccessoLdap {}};
    ClientePtr m_cliente = std::make_shared<Cliente>();
    DocumentoPtr m_documento = std::make_shared<Documento>();
    bool m_aperto = false;
};

TEST_F(FormRubricaTest, NewContactConfirmedClosesWithTrue)
{
    const bool confermato = Apri([this] {
        EXPECT_EQ(m_form.windowTitle(), u"Rubrica Contatti");
        EXPECT_EQ(Controllo<QLabel>(u"lblHeader"_s)->text(), u"Nuovo contatto");
        EXPECT_EQ(Controllo<QLabel>(u"lblCodiceClienteValue"_s)->text(), u"0600980");
        EXPECT_EQ(Testo(u"txtSocieta"_s)->text(), u"Tessuti Rossi s.r.l.");
        EXPECT_EQ(Testo(u"txtFunzioneAziendale"_s)->text(), u"Invio fatture");
        EXPECT_FALSE(Testo(u"txtFunzioneAziendale"_s)->isEnabled());
        EXPECT_EQ(Controllo<QLabel>(u"lblDescrizioneLingua"_s)->text(), u"Italiano");

        // The language comes from its list.
        QListWidget* lingue = Controllo<QListWidget>(u"lstLingue"_s);
        lingue->setCurrentRow(2);
        Q_EMIT lingue->itemClicked(lingue->currentItem());
        EXPECT_EQ(Testo(u"txtLingua"_s)->text(), u"de");
        EXPECT_EQ(Controllo<QLabel>(u"lblDescrizioneLingua"_s)->text(), u"Tedesco");

        Testo(u"txtNome"_s)->setText(u"Anna"_s);
        Controllo<QToolButton>(u"Pic_Conferma"_s)->click();
    });
    EXPECT_TRUE(m_aperto);
    EXPECT_TRUE(confermato);
    ASSERT_EQ(m_http.Richieste().size(), 1);
    EXPECT_TRUE(m_http.Richieste().first().Corpo.contains("&nome=Anna&lingua=de&"));
    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
}

TEST_F(FormRubricaTest, ClosingIsNotConfirmed)
{
    EXPECT_FALSE(Apri([this] {
        Testo(u"txtNome"_s)->setText(u"Anna"_s);
        Controllo<QToolButton>(u"Pic_Chiudi"_s)->click();
    }));
    EXPECT_TRUE(m_aperto);
    EXPECT_TRUE(m_http.Richieste().isEmpty());
}

TEST_F(FormRubricaTest, InvalidDataKeepsTheEditorOpen)
{
    m_http.NonRispondere();
    EXPECT_FALSE(Apri([this] {
        Testo(u"txtSocieta"_s)->clear();
        Controllo<QToolButton>(u"Pic_Conferma"_s)->click();
        EXPECT_TRUE(m_form.isVisible());
        EXPECT_EQ(m_dialoghi.Registrati.size(), 1);
        Controllo<QToolButton>(u"Pic_Chiudi"_s)->click();
    }));
    EXPECT_TRUE(m_http.Richieste().isEmpty());
}

} // namespace
