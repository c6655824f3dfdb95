#include "app/TResultsTableModel.h"

namespace {
const char* const kHeadings[5] = {"Concurso", "Resultado", "Aposta", "Acertos", "Sorte"};
}

TResultsTableModel::TResultsTableModel(QObject* aParent) : QAbstractTableModel(aParent) {}

int TResultsTableModel::rowCount(const QModelIndex& aParent) const
{
    return aParent.isValid() ? 0 : FRows.RowCount() + FBlankRows;
}

int TResultsTableModel::columnCount(const QModelIndex& aParent) const
{
    return aParent.isValid() ? 0 : 5;
}

QVariant TResultsTableModel::data(const QModelIndex& aIndex, int aRole) const
{
    if (!aIndex.isValid() || (aRole != Qt::DisplayRole && aRole != Qt::AccessibleTextRole))
        return QVariant();
    if (aIndex.row() >= FRows.RowCount())
        return QString();
    return FRows.Cell(aIndex.row(), aIndex.column());
}

QVariant TResultsTableModel::headerData(int aSection, Qt::Orientation aOrientation, int aRole) const
{
    if (aOrientation != Qt::Horizontal || aRole != Qt::DisplayRole)
        return QAbstractTableModel::headerData(aSection, aOrientation, aRole);
    return Heading(aSection);
}

QString TResultsTableModel::Heading(int aColumn) const
{
    return FHeading && aColumn >= 0 && aColumn < 5 ? QString::fromUtf8(kHeadings[aColumn]) : QString();
}

void TResultsTableModel::Change(const std::function<void(TResultsModel&)>& aChange)
{
    beginResetModel();
    try {
        aChange(FRows);
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void TResultsTableModel::CellsClear()
{
    beginResetModel();
    FBlankRows = rowCount() - 1;
    FRows.Clear();
    FHeading = false;
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 4);
}

void TResultsTableModel::HeadingWrite()
{
    FHeading = true;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 4);
}
