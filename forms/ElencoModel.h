#pragma once

#include "forms/Elenco.h"

#include <QAbstractTableModel>

// Shows an Elenco to a view: one table row per list row, one column per list column.
class ElencoModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ElencoModel(Elenco& elenco, QObject* genitore = nullptr);
    ~ElencoModel() override;

    void ImpostaCaselle(bool caselle) { m_caselle = caselle; }
    [[nodiscard]] Elenco& Dati() { return *m_elenco; }
    // Re-reads the whole list after a batch of changes.
    void Ricarica();

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo) override;

private:
    Elenco m_vuoto;
    Elenco* m_elenco;
    bool m_caselle = false;
};
