#pragma once

#include "tests/local/RadiceDiProva.h"
#include "tests/local/StampaQt.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A server on a temporary root with the chosen data the golden spool files of
// tests/data/spool name: company "01", user "demo", their customers, documents and notices.
class InvioDiProva final {
public:
    InvioDiProva();

    ServerLocale& Server() { return m_radice.Server(); }
    RadiceDiProva& Radice() { return m_radice; }
    // Copies the case's files into the working folder as the workstation names them.
    void CopiaSpool(const QString& caso, const QString& nomePC = NomePC);
    bool Avvia(const QString& nomePC = NomePC);

    // The outbox's messages, by name.
    [[nodiscard]] QStringList Messaggi() const;
    [[nodiscard]] QByteArray Messaggio(const QString& nome) const;
    // Every file under the root, by path from the root, for before/after comparisons.
    [[nodiscard]] QMap<QString, QByteArray> FileRadice() const;
    [[nodiscard]] QByteArray FileServer(const QString& percorsoServer) const;
    // One value of the store as text, or empty.
    [[nodiscard]] QString Valore(const QString& sql, const QVariantList& valori = {});
    // The document's stored PDF bytes.
    [[nodiscard]] QByteArray PdfDocumento(const QString& serie, int numero);
    // The documents a "DA INVIARE" search of the documents service lists, as "Serie Numero".
    [[nodiscard]] QStringList DaInviare();
    // The documents of one type as the documents service hands them to the lists.
    [[nodiscard]] QList<DocumentoPtr> Documenti(const QString& tipo);

    static inline const QString NomePC = QStringLiteral("PC1");

private:
    RadiceDiProva m_radice;
};

// An Internet message read back by the tests, independently of the code that writes it.
struct ParteEmail final {
    QMap<QByteArray, QByteArray> Intestazioni; // names lower-cased, lines unfolded
    QByteArray Corpo; // decoded from its transfer encoding
};
struct EmailLetta final {
    QMap<QByteArray, QByteArray> Intestazioni;
    QList<ParteEmail> Parti;
};
[[nodiscard]] EmailLetta LeggiEmail(const QByteArray& testo);
// RFC 2047 encoded-words decoded (UTF-8, B and Q), other text as it is.
[[nodiscard]] QString DecodificaIntestazione(const QByteArray& valore);
// The part whose Content-Disposition names the file, or nothing.
[[nodiscard]] const ParteEmail* Allegato(const EmailLetta& email, const QString& nomeFile);
