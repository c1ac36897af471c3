#include "forms/ElencoModel.h"

#include "forms/ListaImmagini.h"

#include <QBrush>
#include <QFont>

ElencoModel::ElencoModel(Elenco& elenco, QObject* genitore)
    : QAbstractTableModel(genitore)
    , m_elenco(&elenco)
{
    m_elenco->ImpostaOsservatore([this] { Ricarica(); },
        [this] {
            // The list went first: show an empty one from now on.
            beginResetModel();
            m_elenco = &m_vuoto;
            endResetModel();
        });
}

ElencoModel::~ElencoModel()
{
    m_elenco->ImpostaOsservatore({});
}

void ElencoModel::Ricarica()
{
    beginResetModel();
    endResetModel();
}

int ElencoModel::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : m_elenco->Conta();
}

int ElencoModel::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : static_cast<int>(m_elenco->Colonne.size());
}

QVariant ElencoModel::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= m_elenco->Conta())
        return {};
    const RigaElenco& riga = m_elenco->Riga(indice.row());
    const int colonna = indice.column();
    if (colonna == 0) {
        switch (ruolo) {
        case Qt::DisplayRole: return riga.Testo;
        case Qt::DecorationRole: return ListaImmagini::Icona(riga.Icona);
        case Qt::ForegroundRole:
            return riga.Colore.isValid() ? QVariant(QBrush(riga.Colore)) : QVariant();
        case Qt::FontRole: {
            if (!riga.Grassetto)
                return {};
            QFont grassetto;
            grassetto.setBold(true);
            return grassetto;
        }
        case Qt::CheckStateRole:
            return m_caselle ? QVariant(riga.Spuntata ? Qt::Checked : Qt::Unchecked) : QVariant();
        default: return {};
        }
    }
    if (colonna >= riga.Celle.size())
        return {};
    const CellaElenco& cella = riga.Celle[colonna];
    switch (ruolo) {
    case Qt::DisplayRole: return cella.Testo;
    case Qt::DecorationRole: return ListaImmagini::Icona(cella.Icona);
    case Qt::ToolTipRole: return cella.ToolTip.isEmpty() ? QVariant() : QVariant(cella.ToolTip);
    case Qt::ForegroundRole:
        return cella.Colore.isValid() ? QVariant(QBrush(cella.Colore)) : QVariant();
    case Qt::FontRole: {
        if (!cella.Grassetto)
            return {};
        QFont grassetto;
        grassetto.setBold(true);
        return grassetto;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_elenco->Colonne[colonna].Allineamento | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant ElencoModel::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento != Qt::Horizontal || sezione < 0 || sezione >= m_elenco->Colonne.size())
        return {};
    if (ruolo == Qt::DisplayRole)
        return m_elenco->Colonne[sezione].Intestazione;
    if (ruolo == Qt::DecorationRole)
        return ListaImmagini::Icona(m_elenco->Colonne[sezione].IconaIntestazione);
    return {};
}

Qt::ItemFlags ElencoModel::flags(const QModelIndex& indice) const
{
    Qt::ItemFlags base = QAbstractTableModel::flags(indice);
    if (m_caselle && indice.column() == 0)
        base |= Qt::ItemIsUserCheckable;
    return base;
}

bool ElencoModel::setData(const QModelIndex& indice, const QVariant& valore, int ruolo)
{
    if (!m_caselle || ruolo != Qt::CheckStateRole || indice.column() != 0
        || indice.row() >= m_elenco->Conta())
        return false;
    m_elenco->Riga(indice.row()).Spuntata = valore.toInt() == Qt::Checked;
    Q_EMIT dataChanged(indice, indice, {Qt::CheckStateRole});
    return true;
}
