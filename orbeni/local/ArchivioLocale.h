#pragma once

#include <QSqlDatabase>
#include <QString>

// The server's store: one SQLite database, opened on its own connection and brought to the
// latest schema when opened.
class ArchivioLocale final {
public:
    explicit ArchivioLocale(const QString& fileDatabase);
    ~ArchivioLocale();
    ArchivioLocale(const ArchivioLocale&) = delete;
    ArchivioLocale& operator=(const ArchivioLocale&) = delete;

    [[nodiscard]] bool Valido() const { return m_valido; }
    [[nodiscard]] const QString& Errore() const { return m_errore; }
    [[nodiscard]] QSqlDatabase Database() const;
    [[nodiscard]] int VersioneSchema() const;
    // True when no company is stored yet: a new root.
    [[nodiscard]] bool Vuoto() const;

private:
    QString m_connessione;
    QString m_errore;
    bool m_valido = false;
};
