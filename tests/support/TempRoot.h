#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder for one test; removed with the object.
class TempRoot final {
public:
    TempRoot();
    [[nodiscard]] QString Percorso() const { return m_dir.path(); }
    [[nodiscard]] QString File(const QString& nome) const { return m_dir.filePath(nome); }
    // A copy of a file of tests/data into the folder; returns its path.
    QString CopiaDati(const QString& nomeDati) const;

private:
    QTemporaryDir m_dir;
};

// The folder of the test data, handed over by CMake.
QString CartellaDatiTest();
