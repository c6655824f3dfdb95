#pragma once

// TfrmLancaRes: the contest results screen. Contests are typed in one at a time (marked "Novo"
// for the rest of the run) or imported from a tab-separated file, listed newest first in
// stgResults and kept in Concursos.inx of the data folder, shared by every user. The grid is the
// working copy: it is filled from the file once, at creation, and the file is rewritten from it
// after every addition, import and edit save and when the screen closes. The screen also keeps
// the link box of Link.txt.
//
// The checking engine reads the contests through iGrid and iNovos.

#include "app/TfrmBasic.h"
#include "lottery/ContestRules.h"
#include "lottery/TContestGrid.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QPointer>
#include <QTextBrowser>

#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;
class TManager;
class TfrmDlgProgress;

// The rows of stgResults over a TContestGrid: the contests top first, then the empty bottom
// row; the heading row is the view's header. Rows added to the grid reach the views when Sync
// is called, all at once, so a long import costs one announcement per batch and no copy.
class TContestTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TContestTableModel(TContestGrid& aGrid, QObject* aParent = nullptr);

    int rowCount(const QModelIndex& aParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& aParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& aIndex, int aRole = Qt::DisplayRole) const override;
    QVariant headerData(int aSection, Qt::Orientation aOrientation, int aRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& aIndex) const override;
    // A contest cell as the user typed it: checked by the core's rules; a refused text is
    // reported through EditRefused and the cell keeps its old text.
    bool setData(const QModelIndex& aIndex, const QVariant& aValue, int aRole = Qt::EditRole) override;

    // Announces the rows added on top of the grid since the last call.
    void Sync();
    // Writes the heading row ("Concurso", "Resultado", "Valor", "Ganhadores", "Sorte").
    void HeadingWrite();
    QString Cell(int aRow, int aColumn) const;

Q_SIGNALS:
    void EditRefused(const QString& aReason);
    void Edited();

private:
    const TContestRow& GridRow(int aRow) const { return FGrid.Row(aRow + FGrid.RowCount() - FShown); }

    TContestGrid& FGrid;
    int FShown = 0; // grid rows the views know of: the oldest FShown
    bool FHeading = false;
};

// The link box: plain lines whose web addresses can be clicked; an address dropped on it
// replaces the instruction lines' address.
class TLinkBox : public QTextBrowser
{
    Q_OBJECT
public:
    explicit TLinkBox(QWidget* aParent = nullptr);

    void setLines(const QStringList& aLines);
    QStringList Lines() const { return FLines; }

Q_SIGNALS:
    // Data is being dropped: the owner resets the content before the dropped text goes in.
    void QueryAcceptData();

protected:
    void dragEnterEvent(QDragEnterEvent* aEvent) override;
    void dragMoveEvent(QDragMoveEvent* aEvent) override;
    void dropEvent(QDropEvent* aEvent) override;

private:
    QStringList FLines;
};

class TfrmLancaRes : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmLancaRes(QWidget* aParent = nullptr);
    ~TfrmLancaRes() override;

    // What the checking engine reads: the contests top first, and how many are marked "Novo".
    const TContestGrid& iGrid() const { return FGrid; }
    std::vector<TContestRow> iGridRows() const { return FGrid.Rows(); }
    int iNovos() const { return FGrid.iNovos(); }
    TContestTableModel* Model() const { return FModel; }
    // Where Link.txt is read and written.
    QString LinkFileName() const { return FLinkFileName; }

    // Writes every contest of the grid into Concursos.inx; a failure is shown and logged.
    void ContestsSave();

    TLinkBox* jvRichEdtLinkMega;
    QGroupBox* cxgrpbx1;
    QLabel* lbl1;
    QSpinBox* seResConcurso;
    QLabel* lbl2;
    QLineEdit* cxtxtdt1;
    QLineEdit* cxtxtdt2;
    QLineEdit* cxtxtdt3;
    QLineEdit* cxtxtdt4;
    QLineEdit* cxtxtdt5;
    QLineEdit* cxtxtdt6;
    QLabel* lbl5;
    QLabel* lbl3;
    QLineEdit* edtResVPago;
    QLabel* lbl4;
    QSpinBox* seResGanhadores;
    QPushButton* btnResAdd;
    QPushButton* btnLoadFromFile;
    QLabel* lblProgress;
    QProgressBar* jvGradPBar1;
    QTableView* stgResults;
    QPlainTextEdit* jvRichEdtImport;
    QTimer* tmrResultPiscar;

    // The file-open dialog of the import (shown through Dialogs).
    struct TOpenDialog
    {
        QString Title;
        QString Filter;
        QString DefaultExt;
    } dlgOpen1;

    // The handlers.
    void btnResAddClick();
    void btnLoadFromFileClick();
    void edtResVPagoExit();
    void cxgrpbx1DblClick();
    void jvRichEdtLinkMegaQueryAcceptData();
    void jvRichEdtLinkMegaURLClick(const QUrl& aUrl);
    void tmrResultPiscarTimer();

protected:
    void FormClose() override;
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    void StoreOpen();
    void StoreProgress(int aProgress, int aMax, const QString& aID);
    // Reads aFileName into the grid under the progress dialog, which can cancel it.
    TContestImport ImportRun(const QString& aFileName);
    void ProgressCreate();
    void ProgressClose();
    void ProgressVisible(bool aVisible);
    void Refuse(const QString& aMessage, QWidget* aFocus);
    QStringList Boxes() const;

    QString FSection;
    QString FConcursosFileName;
    std::unique_ptr<TManager> FConcursos;
    QPointer<TfrmDlgProgress> FdlgProgress;
    TContestGrid FGrid;
    TContestTableModel* FModel;
    QString FLinkFileName;
    bool FModified = false; // the grid holds what Concursos.inx does not
    bool FBusy = false;     // a save or an import runs: the buttons that start one wait
    int FShownPercent = -1;
    QElapsedTimer FProgressClock; // since the bar and label last changed
};

extern QPointer<TfrmLancaRes> frmLancaRes;
