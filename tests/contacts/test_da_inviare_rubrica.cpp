#include "contacts/RubricaInvioLdap.h"
#include "documents/CercaDocumenti.h"
#include "sending/ParametriInvioDaInviare.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DaInviareRubricaTest : public ::testing::Test {
protected:
    DaInviareRubricaTest()
    {
        m_globali->Archivio->VociSerie = {
            {{}, {}, u"FATTURE EMESSE"_s, u"FATT."_s}, {{}, {}, u"BOLLE DI VENDITA"_s, u"BOLLA"_s}};
        Cliente(u"0600950"_s, {u"FATTURE EMESSE"_s, u"FATTURE EMESSE"_s, u"BOLLE DI VENDITA"_s});
        Cliente(u"0600953"_s, {u"FATTURE EMESSE"_s});
        Cliente(u"0600999"_s, {u"FATTURE EMESSE"_s});
    }

    void Cliente(const QString& codice, const QStringList& tipi)
    {
        auto cliente = std::make_shared<::Cliente>();
        cliente->Codice = codice;
        cliente->Nominativo = u"Cliente "_s + codice;
        cliente->Email = u"anagrafica@"_s + codice + u".it"_s;
        for (const QString& tipo : tipi) {
            auto documento = std::make_shared<Documento>();
            documento->DescrizioneTipo = tipo;
            documento->Serie = u"A"_s;
            documento->Numero = ++m_numero;
            documento->Anno = 2024;
            cliente->DocumentiCliente.append(documento);
        }
        m_trovati.Clienti.append(cliente);
    }

    QStringList Indirizzi() const
    {
        QStringList testi;
        for (const RigaElenco& riga : m_lista.Righe())
            testi.append(riga.TestoColonna(ColonnaParametriInvio));
        return testi;
    }

    std::unique_ptr<Invexo_Main> m_globali = SessioneRubrica();
    DialoghiScriptati m_dialoghi;
    RubricaInvioLdap m_rubrica {*m_globali, m_dialoghi, AccessoLdap {}};
    DocumentiTrovati m_trovati;
    Elenco m_lista;
    int m_numero = 0;
};

TEST_F(DaInviareRubricaTest, RowsShowTheDirectoryAndAnEditReachesTheSameKind)
{
    ASSERT_TRUE(m_rubrica.Connetti());
    const auto opzioni = OpzioniRighe(u"DA INVIARE"_s, true, false, *m_globali->Archivio);
    AggiungiRigheDocumenti(
        m_lista, m_trovati, opzioni, SigleTipi(*m_globali->Archivio), &m_rubrica);
    EXPECT_EQ(Indirizzi(),
        (QStringList {u"fatture@cliente950.it"_s, u"fatture@cliente950.it"_s,
            u"bolle@cliente950.it"_s, u"0574123"_s, u"STAMPA"_s}));
    EXPECT_EQ(m_rubrica.RicercheEseguite(), 4) << "one search per customer and kind";

    const EditoriIndirizzo editori {{}, [](const ClientePtr& cliente, const DocumentoPtr&) {
                                        cliente->Email = u"nuova@cliente950.it"_s;
                                    }};
    ASSERT_TRUE(CambiaParametriInvioDaInviare(m_lista, 0, *m_globali->Archivio, editori));
    EXPECT_EQ(Indirizzi(),
        (QStringList {u"nuova@cliente950.it"_s, u"nuova@cliente950.it"_s, u"bolle@cliente950.it"_s,
            u"0574123"_s, u"STAMPA"_s}));
    const auto copia = m_lista.Riga(1).Celle[ColonnaParametriInvio].TagCome<ClientePtr>();
    ASSERT_TRUE(copia);
    EXPECT_EQ(copia->Email, u"nuova@cliente950.it");
    EXPECT_FALSE(copia->AggiornaRubrica) << "the directory holds the change";
}

TEST_F(DaInviareRubricaTest, NoDirectoryNoSearch)
{
    m_globali->LoginDirectory = u"nessuno@quorvanel.it"_s;
    EXPECT_FALSE(m_rubrica.Connetti());
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Impossibile accedere al server LDAP"_s});
}

} // namespace
