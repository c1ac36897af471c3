#pragma once

#include <QString>

#include <memory>

class QSettings;

// One per-user setting: its sub-section of the product's section ("Invexo"), its key and the
// value read when it was never written. The product's own section has an empty sub-section.
struct Impostazione final {
    QString sottoSezione;
    QString chiave;
    QString predefinito;
};

// Every setting of the program, in one place. In the store the product's section is the file
// itself: "Invexo" keys are top-level keys ([General] in the INI file), "Invexo" + "\NOMEPC"
// keys live in the group "NOMEPC", and so on.
namespace ChiaviImpostazioni {
inline const Impostazione NomeComputer {
    QStringLiteral("NOMEPC"), QStringLiteral("NOMECOMPUTER"), {}};
inline const Impostazione ClientPosta {{}, QStringLiteral("CLIENTMAIL"), {}};
inline const Impostazione MittenteInvioDoc {
    QStringLiteral("INVIODOC"), QStringLiteral("Mittente"), {}};
inline const Impostazione NominativoMittenteInvioDoc {
    QStringLiteral("INVIODOC"), QStringLiteral("NominativoMittente"), {}};
inline const Impostazione MittenteEmail {QStringLiteral("EMAIL"), QStringLiteral("Mittente"), {}};
inline const Impostazione MittenteFax {QStringLiteral("FAX"), QStringLiteral("Mittente"), {}};
inline const Impostazione CodiceFiscaleEsenzione {
    QStringLiteral("ESENZIONE"), QStringLiteral("CODFISCCOM"), {}};
inline const Impostazione MittenteEsenzione {
    QStringLiteral("ESENZIONE"), QStringLiteral("Mittente"), {}};
inline const Impostazione DestinatarioEsenzione {
    QStringLiteral("ESENZIONE"), QStringLiteral("Destinatario"), {}};
inline const Impostazione CodiceFiscaleElenchi {
    QStringLiteral("ELENCOCLIFOR"), QStringLiteral("CODFISCCOM"), {}};
inline const Impostazione NumeroCafElenchi {
    QStringLiteral("ELENCOCLIFOR"), QStringLiteral("CODCAFCOM"), {}};
inline const Impostazione ProgrammaDisegno {{}, QStringLiteral("SDRAW"), {}};
inline const Impostazione ProgrammaPdf2Word {{}, QStringLiteral("PDF2WORD"), {}};
// The name and password the program binds to the contacts directory with.
inline const Impostazione NomeBindLdap {
    QStringLiteral("LDAP"), QStringLiteral("NomeBind"), QStringLiteral("cn=manager,o=internet")};
inline const Impostazione PasswordBindLdap {
    QStringLiteral("LDAP"), QStringLiteral("PasswordBind"), QStringLiteral("krovelbin")};
} // namespace ChiaviImpostazioni

// The per-user settings store: QSettings("Quorvanel s.r.l.", "Invexo") in INI format, or an INI
// file of the caller's choice. Every value is text; failures read as the default.
class Impostazioni final {
public:
    // The user's store.
    Impostazioni();
    // The store in the given INI file (tests, portable set-ups).
    explicit Impostazioni(const QString& percorsoFile);
    ~Impostazioni();
    Impostazioni(const Impostazioni&) = delete;
    Impostazioni& operator=(const Impostazioni&) = delete;

    [[nodiscard]] QString Leggi(const Impostazione& impostazione) const;
    // Written through at once: the program may end without unwinding.
    void Scrivi(const Impostazione& impostazione, const QString& valore);

    [[nodiscard]] QString PercorsoFile() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

// The user's store of the running program.
Impostazioni& ImpostazioniPredefinite();
