#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The folder that stands for the server's file system. Server paths of the areas the client may
// touch ("/tmp", "/usr/tmp", "/usr/orbeni") map under it; anything that would leave it is refused.
class RadiceServer final {
public:
    // Creates the root and its areas when missing.
    explicit RadiceServer(const QString& cartella);

    [[nodiscard]] bool Valida() const { return m_valida; }
    [[nodiscard]] const QString& Cartella() const { return m_cartella; }
    // The store lies outside the areas, so no remote command can reach it.
    [[nodiscard]] QString FileArchivio() const;

    // The local path of a server path, or nothing with the reason in errore.
    [[nodiscard]] std::optional<QString> Locale(
        const QString& percorsoServer, QString& errore) const;
    // True when the local path is one of the area folders themselves.
    [[nodiscard]] bool EArea(const QString& percorsoLocale) const;

    // Reads or writes a whole server file (writes go through a temporary file).
    [[nodiscard]] std::optional<QByteArray> Leggi(
        const QString& percorsoServer, QString& errore) const;
    bool Scrivi(const QString& percorsoServer, const QByteArray& contenuto, QString& errore) const;

    // True when text is one plain name: no separator, not "." or "..", not empty.
    [[nodiscard]] static bool NomeSemplice(const QString& nome);

private:
    [[nodiscard]] bool DentroRadice(const QString& percorsoCanonico) const;
    [[nodiscard]] bool SenzaCollegamentiEsterni(const QString& percorsoLocale) const;

    QString m_cartella;
    QString m_canonica;
    bool m_valida = false;
};

// Writes a local file whole through a temporary file, creating nothing on failure.
bool ScriviFileIntero(const QString& percorso, const QByteArray& contenuto, QString& errore);
