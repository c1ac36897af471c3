#include "forms/ElencoView.h"

#include <QHeaderView>

ElencoView::ElencoView(Elenco& elenco, QWidget* genitore)
    : QTreeView(genitore)
    , m_modello(elenco)
{
    setModel(&m_modello);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &ElencoView::IntestazioneCliccata);
    connect(this, &QTreeView::clicked, this,
        [this](const QModelIndex& indice) { Q_EMIT CellaPremuta(indice.row(), indice.column()); });
    connect(this, &QTreeView::doubleClicked, this,
        [this](const QModelIndex& indice) { Q_EMIT RigaDoppioClic(indice.row()); });
    connect(&m_modello, &QAbstractItemModel::modelReset, this, &ElencoView::ApplicaColonne);
    ApplicaColonne();
}

void ElencoView::ApplicaColonne()
{
    const auto& colonne = m_modello.Dati().Colonne;
    for (int i = 0; i < colonne.size(); ++i) {
        const int larghezza = colonne[i].LarghezzaTwips / TwipsPerPixel;
        setColumnHidden(i, larghezza == 0);
        if (larghezza > 0)
            setColumnWidth(i, larghezza);
    }
}

std::optional<PosizioneCella> ElencoView::CellaInPunto(const QPoint& punto) const
{
    const QModelIndex indice = indexAt(punto);
    if (!indice.isValid())
        return std::nullopt;
    return PosizioneCella {indice.row(), indice.column()};
}
