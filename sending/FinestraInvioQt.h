#pragma once

#include "sending/ContestoInvio.h"

#include <functional>
#include <memory>

class FormEmail;
class FormGenericSplash;
class QWidget;

// The window effects of the send, print and fax buttons on the desktop: the main window,
// the busy window, the send dialog; the search, layout and fax composition the main window
// binds.
class FinestraInvioQt final : public FinestraInvio {
public:
    FinestraInvioQt(QWidget& principale, FormEmail& formEmail);
    ~FinestraInvioQt() override;
    FinestraInvioQt(const FinestraInvioQt&) = delete;
    FinestraInvioQt& operator=(const FinestraInvioQt&) = delete;

    // Click of FPicRicercaDocumentoDaInviare.
    std::function<void()> Cerca;
    // Form_Resize.
    std::function<void()> Disponi;
    // FormFAX with the documents, modal over the main window.
    std::function<void(const QList<DocumentoPtr>&)> Fax;

    void NascondiPrincipale() override;
    void MostraPrincipale() override;
    void MostraAttesa(const QString& messaggio) override;
    void ChiudiAttesa() override;
    void CercaDaInviare() override;
    void Ridisponi() override;
    void ComponiFax(const QList<DocumentoPtr>& documenti) override;
    void MostraFormEmail(const QList<ClientePtr>& clienti, int tipo) override;

private:
    QWidget& m_principale;
    FormEmail& m_formEmail;
    std::unique_ptr<FormGenericSplash> m_attesa;
};
