#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

// A commercial document as the library hands it over. Fields keep the library's property names.
struct Documento final {
    QString Serie;
    qint32 Numero = 0;
    int Anno = 0;
    int SottoNumero = 0;
    QString Agente;
    QString DescrizioneTipo;
    QString Sigla;
    QDateTime Data;
    QString FormaPredefinita;
    QString Stampa;
    bool Stampato = false;
    QString StampaPDF;
    QString InviatoDa;
    QString ModoInvio;
    QString DataInvio;
    QString EstremiInvio;
    QString MittenteInvio;
    // Export documents.
    QString Importo;
    QString Valuta;
    QString Banca;
    bool ConBollo = false;
    QString NomePdf;
    QString Note;
    bool Stampato1 = false;
    bool Stampato2 = false;
    QString AltriCodici;
    // The server's own key of the record; the program never reads it.
    qint64 IdServer = 0;

    // Sent means all four send fields are set and the document was not just flagged as dealt with.
    [[nodiscard]] bool Inviato() const;
};

using DocumentoPtr = std::shared_ptr<Documento>;
