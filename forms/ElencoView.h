#pragma once

#include "forms/Elenco.h"
#include "forms/ElencoModel.h"

#include <QTreeView>

#include <optional>

struct PosizioneCella final {
    int Riga = -1;
    int Colonna = -1;
};

// The one widget that shows any Elenco as a report list: header clicks, icons of the image
// list, hidden zero-width columns and the hit test of the clicked cell.
class ElencoView final : public QTreeView {
    Q_OBJECT
public:
    explicit ElencoView(Elenco& elenco, QWidget* genitore = nullptr);

    [[nodiscard]] Elenco& Dati() { return m_modello.Dati(); }
    void ImpostaCaselle(bool caselle) { m_modello.ImpostaCaselle(caselle); }
    // Applies the widths of the columns (twips) again; a width of 0 hides the column.
    void ApplicaColonne();
    // The row and column under a point of the viewport, if it is on a cell of a row.
    [[nodiscard]] std::optional<PosizioneCella> CellaInPunto(const QPoint& punto) const;

Q_SIGNALS:
    void IntestazioneCliccata(int colonna);
    void CellaPremuta(int riga, int colonna);
    void RigaDoppioClic(int riga);

private:
    ElencoModel m_modello;
};
