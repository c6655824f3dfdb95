#pragma once

// The table model of a results grid ("Concurso", "Resultado", "Aposta", "Acertos", "Sorte") over
// the compact rows of TResultsModel: the welcome screen's summary grid, and any results grid that
// shows checking rows. The checking run changes the rows inside Change so that the views follow.

#include "lottery/TResultsModel.h"

#include <QAbstractTableModel>

#include <functional>

class TResultsTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TResultsTableModel(QObject* aParent = nullptr);

    int rowCount(const QModelIndex& aParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& aParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& aIndex, int aRole = Qt::DisplayRole) const override;
    QVariant headerData(int aSection, Qt::Orientation aOrientation, int aRole = Qt::DisplayRole) const override;

    const TResultsModel& Rows() const { return FRows; }
    // Runs aChange on the rows; the views are told once it returns.
    void Change(const std::function<void(TResultsModel&)>& aChange);
    // Empties every cell, the heading included, and keeps the number of rows.
    void CellsClear();
    // Writes the heading row ("Concurso", "Resultado", "Aposta", "Acertos", "Sorte").
    void HeadingWrite();
    QString Heading(int aColumn) const;

private:
    TResultsModel FRows;
    int FBlankRows = 0; // empty rows below the data left by CellsClear
    bool FHeading = false;
};
