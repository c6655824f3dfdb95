#include "lottery/TfrmLancaRes.h"

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "app/TfrmDlgProgress.h"
#include "lottery/ContestRules.h"
#include "lottery/ContestSheet.h"
#include "lottery/TContestStore.h"
#include "store/TManager.h"
#include "support/TMyException.h"
#include "util/EventPump.h"
#include "util/Exceptions.h"
#include "util/Globals.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"
#include "util/VersionInfo.h"

#include <QDesktopServices>
#include <QFile>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

QPointer<TfrmLancaRes> frmLancaRes;

namespace {

const char* const kHeadings[5] = {"Concurso", "Resultado", "Valor", "Ganhadores", "Sorte"};

QString CellOf(const TContestRow& aRow, int aColumn)
{
    switch (aColumn) {
    case 0:
        return aRow.Number;
    case 1:
        return aRow.Numbers;
    case 2:
        return aRow.Value;
    case 3:
        return aRow.Winners;
    case 4:
        return aRow.Sorte;
    default:
        return QString();
    }
}

void SetCellOf(TContestRow& aRow, int aColumn, const QString& aValue)
{
    QString* cells[5] = {&aRow.Number, &aRow.Numbers, &aRow.Value, &aRow.Winners, &aRow.Sorte};
    if (aColumn >= 0 && aColumn < 5)
        *cells[aColumn] = aValue;
}

// The lines as the box shows them: text as it is, web addresses as links.
QString LinkHtml(const QStringList& aLines)
{
    static const QRegularExpression address(QStringLiteral(R"((https?://|www\.)[^\s<>"]+)"));
    QStringList html;
    for (const QString& line : aLines) {
        QString out;
        qsizetype at = 0;
        for (auto it = address.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            out += line.mid(at, match.capturedStart() - at).toHtmlEscaped();
            QString target = match.captured();
            if (target.startsWith(QStringLiteral("www.")))
                target.prepend(QStringLiteral("http://"));
            out +=
                QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), match.captured().toHtmlEscaped());
            at = match.capturedEnd();
        }
        out += line.mid(at).toHtmlEscaped();
        html.append(out);
    }
    return QStringLiteral("<div style=\"white-space: pre\">") + html.join(QStringLiteral("<br>")) +
           QStringLiteral("</div>");
}

QLineEdit* NumberBox(const QString& aName, int aIndex, QWidget* aParent)
{
    auto* box = new QLineEdit(aParent);
    box->setObjectName(aName);
    box->setMaxLength(2);
    box->setAccessibleName(QStringLiteral("Resultado %1").arg(aIndex));
    box->setMaximumWidth(40);
    return box;
}

} // namespace

// ---- TContestTableModel ----

TContestTableModel::TContestTableModel(TContestGrid& aGrid, QObject* aParent)
    : QAbstractTableModel(aParent), FGrid(aGrid), FShown(aGrid.RowCount())
{}

int TContestTableModel::rowCount(const QModelIndex& aParent) const
{
    return aParent.isValid() ? 0 : FShown + 1;
}

int TContestTableModel::columnCount(const QModelIndex& aParent) const
{
    return aParent.isValid() ? 0 : 5;
}

QString TContestTableModel::Cell(int aRow, int aColumn) const
{
    return aRow >= 0 && aRow < FShown ? CellOf(GridRow(aRow), aColumn) : QString();
}

QVariant TContestTableModel::data(const QModelIndex& aIndex, int aRole) const
{
    if (!aIndex.isValid() || (aRole != Qt::DisplayRole && aRole != Qt::EditRole && aRole != Qt::AccessibleTextRole))
        return QVariant();
    return Cell(aIndex.row(), aIndex.column());
}

QVariant TContestTableModel::headerData(int aSection, Qt::Orientation aOrientation, int aRole) const
{
    if (aOrientation != Qt::Horizontal || aRole != Qt::DisplayRole)
        return QAbstractTableModel::headerData(aSection, aOrientation, aRole);
    return FHeading && aSection >= 0 && aSection < 5 ? QString::fromUtf8(kHeadings[aSection]) : QString();
}

Qt::ItemFlags TContestTableModel::flags(const QModelIndex& aIndex) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(aIndex);
    // The empty bottom row is the end of the list, not a contest to fill in.
    if (aIndex.isValid() && aIndex.row() < FShown)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TContestTableModel::setData(const QModelIndex& aIndex, const QVariant& aValue, int aRole)
{
    if (aRole != Qt::EditRole || !aIndex.isValid() || aIndex.row() >= FShown)
        return false;
    const int gridRow = aIndex.row() + FGrid.RowCount() - FShown;
    const QString typed = aValue.toString();
    if (typed == Cell(aIndex.row(), aIndex.column()))
        return true;
    QString value;
    const QString refused = ContestCellEdit(FGrid, gridRow, aIndex.column(), typed, value);
    if (!refused.isEmpty()) {
        Q_EMIT EditRefused(refused);
        return false;
    }
    TContestRow row = FGrid.Row(gridRow);
    SetCellOf(row, aIndex.column(), value);
    FGrid.SetRow(gridRow, row);
    Q_EMIT dataChanged(aIndex, aIndex);
    Q_EMIT Edited();
    return true;
}

void TContestTableModel::Sync()
{
    const int added = FGrid.RowCount() - FShown;
    if (added <= 0)
        return;
    beginInsertRows(QModelIndex(), 0, added - 1);
    FShown = FGrid.RowCount();
    endInsertRows();
}

void TContestTableModel::HeadingWrite()
{
    FHeading = true;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 4);
}

// ---- TLinkBox ----

TLinkBox::TLinkBox(QWidget* aParent) : QTextBrowser(aParent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void TLinkBox::setLines(const QStringList& aLines)
{
    FLines = aLines;
    setHtml(LinkHtml(aLines));
}

void TLinkBox::dragEnterEvent(QDragEnterEvent* aEvent)
{
    if (aEvent->mimeData()->hasText() || aEvent->mimeData()->hasUrls())
        aEvent->acceptProposedAction();
}

void TLinkBox::dragMoveEvent(QDragMoveEvent* aEvent)
{
    if (aEvent->mimeData()->hasText() || aEvent->mimeData()->hasUrls())
        aEvent->acceptProposedAction();
}

void TLinkBox::dropEvent(QDropEvent* aEvent)
{
    const QMimeData* mime = aEvent->mimeData();
    QStringList dropped;
    if (mime->hasUrls()) {
        for (const QUrl& url : mime->urls())
            dropped.append(url.toString());
    } else {
        dropped = SplitLines(mime->text());
    }
    if (dropped.isEmpty())
        return;
    Q_EMIT QueryAcceptData();
    setLines(FLines + dropped);
    aEvent->acceptProposedAction();
}

// ---- TfrmLancaRes ----

TfrmLancaRes::TfrmLancaRes(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmLancaRes"));
    setWindowTitle(QStringLiteral("Lançamento de resultados"));
    setAccessibleName(windowTitle());
    // The operator's own results spreadsheet is offered beside the text file.
    dlgOpen1 = {QStringLiteral("Arquivo separado por tabulação"),
                QStringLiteral("Texto por tabulação (*.txt);;Planilha de resultados (*.xlsx)"), QStringLiteral("txt")};

    jvRichEdtLinkMega = new TLinkBox(ClientArea());
    jvRichEdtLinkMega->setObjectName(QStringLiteral("jvRichEdtLinkMega"));
    jvRichEdtLinkMega->setAccessibleName(QStringLiteral("Link dos resultados"));
    jvRichEdtLinkMega->setMaximumHeight(80);

    cxgrpbx1 = new QGroupBox(QStringLiteral(" Lançar Resultados "), ClientArea());
    cxgrpbx1->setObjectName(QStringLiteral("cxgrpbx1"));
    cxgrpbx1->installEventFilter(this);

    seResConcurso = new QSpinBox(cxgrpbx1);
    seResConcurso->setObjectName(QStringLiteral("seResConcurso"));
    // A contest number has at most five digits.
    seResConcurso->setRange(1, 99999);
    seResConcurso->setValue(1216);
    lbl1 = new QLabel(QStringLiteral("Concurso"), cxgrpbx1);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setBuddy(seResConcurso);
    seResConcurso->setAccessibleName(lbl1->text());

    lbl2 = new QLabel(QStringLiteral("Resultado (separe com ;)"), cxgrpbx1);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    cxtxtdt1 = NumberBox(QStringLiteral("cxtxtdt1"), 1, cxgrpbx1);
    cxtxtdt2 = NumberBox(QStringLiteral("cxtxtdt2"), 2, cxgrpbx1);
    cxtxtdt3 = NumberBox(QStringLiteral("cxtxtdt3"), 3, cxgrpbx1);
    cxtxtdt4 = NumberBox(QStringLiteral("cxtxtdt4"), 4, cxgrpbx1);
    cxtxtdt5 = NumberBox(QStringLiteral("cxtxtdt5"), 5, cxgrpbx1);
    cxtxtdt6 = NumberBox(QStringLiteral("cxtxtdt6"), 6, cxgrpbx1);
    lbl2->setBuddy(cxtxtdt1);
    cxtxtdt1->setAutoFillBackground(true);
    lbl5 = new QLabel(QStringLiteral("6"), cxgrpbx1);
    lbl5->setObjectName(QStringLiteral("lbl5"));
    lbl5->setBuddy(cxtxtdt6);

    lbl3 = new QLabel(QStringLiteral("Valor pago"), cxgrpbx1);
    lbl3->setObjectName(QStringLiteral("lbl3"));
    edtResVPago = new QLineEdit(cxgrpbx1);
    edtResVPago->setObjectName(QStringLiteral("edtResVPago"));
    edtResVPago->setAccessibleName(lbl3->text());
    lbl3->setBuddy(edtResVPago);
    connect(edtResVPago, &QLineEdit::editingFinished, this, &TfrmLancaRes::edtResVPagoExit);

    lbl4 = new QLabel(QStringLiteral("Ganhadores"), cxgrpbx1);
    lbl4->setObjectName(QStringLiteral("lbl4"));
    seResGanhadores = new QSpinBox(cxgrpbx1);
    seResGanhadores->setObjectName(QStringLiteral("seResGanhadores"));
    seResGanhadores->setRange(0, std::numeric_limits<int>::max());
    seResGanhadores->setValue(0);
    seResGanhadores->setAccessibleName(lbl4->text());
    seResGanhadores->installEventFilter(this);
    lbl4->setBuddy(seResGanhadores);

    btnResAdd = new QPushButton(QStringLiteral("Adicionar"), cxgrpbx1);
    btnResAdd->setObjectName(QStringLiteral("btnResAdd"));
    connect(btnResAdd, &QPushButton::clicked, this, &TfrmLancaRes::btnResAddClick);
    btnLoadFromFile = new QPushButton(QStringLiteral("Carregar do arquivo"), cxgrpbx1);
    btnLoadFromFile->setObjectName(QStringLiteral("btnLoadFromFile"));
    connect(btnLoadFromFile, &QPushButton::clicked, this, &TfrmLancaRes::btnLoadFromFileClick);

    lblProgress = new QLabel(cxgrpbx1);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    jvGradPBar1 = new QProgressBar(cxgrpbx1);
    jvGradPBar1->setObjectName(QStringLiteral("jvGradPBar1"));
    jvGradPBar1->setAccessibleName(QStringLiteral("Progresso"));
    jvGradPBar1->setTextVisible(false);

    auto* boxes = new QGridLayout(cxgrpbx1);
    boxes->addWidget(lbl1, 0, 0);
    boxes->addWidget(seResConcurso, 1, 0);
    boxes->addWidget(lbl2, 0, 1, 1, 5);
    QLineEdit* numbers[] = {cxtxtdt1, cxtxtdt2, cxtxtdt3, cxtxtdt4, cxtxtdt5, cxtxtdt6};
    for (int i = 0; i < 6; ++i)
        boxes->addWidget(numbers[i], 1, 1 + i);
    boxes->addWidget(lbl5, 0, 6);
    boxes->addWidget(lbl3, 0, 7);
    boxes->addWidget(edtResVPago, 1, 7);
    boxes->addWidget(lbl4, 0, 8);
    boxes->addWidget(seResGanhadores, 1, 8);
    boxes->addWidget(btnResAdd, 1, 9);
    boxes->addWidget(btnLoadFromFile, 1, 10);
    boxes->addWidget(lblProgress, 2, 0, 1, 4);
    boxes->addWidget(jvGradPBar1, 2, 4, 1, 7);
    boxes->setColumnStretch(11, 1);

    FModel = new TContestTableModel(FGrid, this);
    connect(FModel, &TContestTableModel::EditRefused, this,
            [this](const QString& aReason) { Dialogs::Message(this, aReason); });
    connect(FModel, &TContestTableModel::Edited, this, [this] { FModified = true; });
    stgResults = new QTableView(ClientArea());
    stgResults->setObjectName(QStringLiteral("stgResults"));
    stgResults->setAccessibleName(QStringLiteral("Concursos"));
    stgResults->setModel(FModel);
    stgResults->verticalHeader()->hide();
    stgResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    stgResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgResults->horizontalHeader()->setStretchLastSection(true);
    stgResults->setColumnWidth(0, 80);
    stgResults->setColumnWidth(1, 160);
    stgResults->setColumnWidth(2, 140);
    stgResults->setColumnWidth(3, 90);

    jvRichEdtImport = new QPlainTextEdit(ClientArea());
    jvRichEdtImport->setObjectName(QStringLiteral("jvRichEdtImport"));
    jvRichEdtImport->setAccessibleName(QStringLiteral("Arquivo importado"));
    jvRichEdtImport->setReadOnly(true);
    jvRichEdtImport->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* lists = new QHBoxLayout;
    lists->addWidget(stgResults, 3);
    lists->addWidget(jvRichEdtImport, 2);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->addWidget(jvRichEdtLinkMega);
    layout->addWidget(cxgrpbx1);
    layout->addLayout(lists, 1);

    connect(jvRichEdtLinkMega, &TLinkBox::anchorClicked, this, &TfrmLancaRes::jvRichEdtLinkMegaURLClick);
    connect(jvRichEdtLinkMega, &TLinkBox::QueryAcceptData, this, &TfrmLancaRes::jvRichEdtLinkMegaQueryAcceptData);

    tmrResultPiscar = new QTimer(this);
    tmrResultPiscar->setObjectName(QStringLiteral("tmrResultPiscar"));
    tmrResultPiscar->setInterval(3000);
    connect(tmrResultPiscar, &QTimer::timeout, this, &TfrmLancaRes::tmrResultPiscarTimer);

    // The contests of Concursos.inx, under the progress dialog.
    ProgressVisible(false);
    ProgressCreate();
    FdlgProgress->set_iMin(0);
    FdlgProgress->set_iMax(100);
    FdlgProgress->set_iPosicao(0);
    FdlgProgress->insLog(QStringLiteral("Inicializando..."));
    FdlgProgress->MostraForm();
    FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Lançamento de resultados"));
    FdlgProgress->set_iPosicao(15);
    FdlgProgress->insLog(QStringLiteral("Caption alterada."));
    FSection = QStringLiteral("Concursos");
    FConcursosFileName = ContestsFileName(DataFolder);
    StoreOpen();
    FdlgProgress->set_iPosicao(50);
    FdlgProgress->insLog(QStringLiteral("Manager pronto..."));
    FdlgProgress->set_iPosicao(80);
    FdlgProgress->insLog(QStringLiteral("Atualização efetuada..."));
    FdlgProgress->insLog(QStringLiteral("Carregando Concursos..."));
    const int next = ::ContestsLoad(*FConcursos, FGrid);
    FModel->Sync();
    seResConcurso->setValue(std::clamp(next, 1, 99999));
    FdlgProgress->set_iPosicao(90);
    FModel->HeadingWrite();
    FdlgProgress->set_iPosicao(100);
    FdlgProgress->insLog(QStringLiteral("Finalizado."));
    ProgressClose();

    // Link.txt: in the program folder when it can be written there, else in the user's
    // configuration folder (read from the program folder until a first save there).
    bool fallback = false;
    FLinkFileName =
        ::LinkFileName(ExeFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), fallback);
    if (fallback) {
        static bool logged = false;
        if (!logged) {
            logged = true;
            LogErrorMessage(QStringLiteral("A pasta do programa \"%1\" não permite gravar; o arquivo Link.txt fica "
                                           "em \"%2\".")
                                .arg(ExeFolder, FLinkFileName));
        }
    }
    const QString linkRead =
        fallback && !QFile::exists(FLinkFileName) ? ExeFolder + QStringLiteral("Link.txt") : FLinkFileName;
    jvRichEdtLinkMega->setLines(LinkLoad(linkRead));

    tmrResultPiscar->start();
}

TfrmLancaRes::~TfrmLancaRes()
{
    // A contest typed in after the last save is not lost when the screen goes without closing.
    if (FModified && FConcursos) {
        try {
            ::ContestsSave(*FConcursos, FGrid);
            FConcursos->Save(FConcursosFileName);
        } catch (...) {
            LogErrorMessage(QStringLiteral("Não foi possível gravar os concursos em \"%1\".").arg(FConcursosFileName));
        }
    }
}

void TfrmLancaRes::StoreOpen()
{
    FConcursos = std::make_unique<TManager>(FConcursosFileName, true);
    // The screen saves when it means to: after every change and at its close.
    FConcursos->setiSaveOnFree(false);
    FConcursos->OnProgress = [this](int aProgress, int aMax, const QString& aID) {
        StoreProgress(aProgress, aMax, aID);
    };
    if (FConcursos->Status().HasStatus(stFileLoadFail)) {
        const QString message = QStringLiteral("Não foi possível ler os concursos de \"%1\": %2. Nada será gravado "
                                               "neste arquivo até que ele possa ser lido.")
                                    .arg(FConcursosFileName, FConcursos->ErrorString());
        LogErrorMessage(message);
        Dialogs::Message(this, message);
    }
}

void TfrmLancaRes::StoreProgress(int aProgress, int aMax, const QString& aID)
{
    // The store reports every line and every contest: the bar and the label follow at most every
    // 40 ms (the window repaints no more often) and at the end, so that a large file is not
    // slowed down by its own progress.
    const int percent = aMax > 0 ? int(qint64(aProgress) * 100 / aMax) : 100;
    if (percent == FShownPercent || (FProgressClock.isValid() && FProgressClock.elapsed() < 40 && aProgress < aMax))
        return;
    FProgressClock.start();
    FShownPercent = percent;
    jvGradPBar1->setMaximum(100);
    jvGradPBar1->setValue(std::clamp(percent, 0, 100));
    lblProgress->setText(aID);
}

void TfrmLancaRes::ProgressCreate()
{
    ProgressClose();
    FdlgProgress = new TfrmDlgProgress(this);
    FdlgProgress->setObjectName(QStringLiteral("dlgProgress"));
    FdlgProgress->set_iBotao(true);
    FdlgProgress->set_iInfo(QStringLiteral("Processando..."));
    FdlgProgress->set_iProject(AppName);
    FdlgProgress->set_iVersion(GetVersionValue(QStringLiteral("FileVersion"), VersionInfo));
    FdlgProgress->set_iTitle(QStringLiteral("Processando..."));
}

void TfrmLancaRes::ProgressClose()
{
    if (!FdlgProgress)
        return;
    FdlgProgress->close();
    FdlgProgress->deleteLater();
    FdlgProgress = nullptr;
}

void TfrmLancaRes::ProgressVisible(bool aVisible)
{
    FShownPercent = -1;
    FProgressClock.invalidate();
    lblProgress->setVisible(aVisible);
    jvGradPBar1->setVisible(aVisible);
}

QStringList TfrmLancaRes::Boxes() const
{
    return {cxtxtdt1->text(), cxtxtdt2->text(), cxtxtdt3->text(), cxtxtdt4->text(), cxtxtdt5->text(), cxtxtdt6->text()};
}

void TfrmLancaRes::Refuse(const QString& aMessage, QWidget* aFocus)
{
    Dialogs::Message(this, aMessage);
    if (aFocus)
        aFocus->setFocus();
}

void TfrmLancaRes::btnResAddClick()
{
    if (FBusy)
        return;
    const QStringList boxes = Boxes();
    const QString problem = ContestBoxesProblem(boxes);
    if (!problem.isEmpty()) {
        // The message names the box; the first box at fault takes the focus.
        QLineEdit* numbers[] = {cxtxtdt1, cxtxtdt2, cxtxtdt3, cxtxtdt4, cxtxtdt5, cxtxtdt6};
        QWidget* focus = cxtxtdt1;
        for (int i = 0; i < 6; ++i)
            if (problem.startsWith(QStringLiteral("Resultado, caixa %1:").arg(i + 1)))
                focus = numbers[i];
        Refuse(problem, focus);
        return;
    }
    QString value = edtResVPago->text();
    if (!value.trimmed().isEmpty()) {
        try {
            value = FormatPrizeValue(value);
        } catch (const EConvertError& e) {
            Refuse(QStringLiteral("Valor pago: %1.").arg(e.Message()), edtResVPago);
            return;
        }
    }
    ProgressVisible(true);
    const TContestRow row{PadLike(seResConcurso->value(), 99999), NumbersFromBoxes(boxes), value,
                          QString::number(seResGanhadores->value()), QStringLiteral("Novo")};
    if (FGrid.ContestRowInsert(row)) {
        FModel->Sync();
        FModified = true;
    }
    seResConcurso->setValue(seResConcurso->value() + 1);
    edtResVPago->clear();
    seResGanhadores->setValue(0);
    ContestsSave();
    for (QLineEdit* box : {cxtxtdt1, cxtxtdt2, cxtxtdt3, cxtxtdt4, cxtxtdt5, cxtxtdt6})
        box->clear();
    cxtxtdt1->setFocus();
    ProgressVisible(false);
}

void TfrmLancaRes::btnLoadFromFileClick()
{
    if (FBusy)
        return;
    FBusy = true;
    cxgrpbx1->setEnabled(false);
    ProgressCreate();
    FdlgProgress->set_iPosicao(1);
    FdlgProgress->set_iMin(1);
    FdlgProgress->MostraForm();
    const QString fileName = Dialogs::OpenFile(this, dlgOpen1.Title, dlgOpen1.Filter, dlgOpen1.DefaultExt);
    TContestImport import;
    if (!fileName.isEmpty())
        import = ImportRun(fileName);
    // Whatever happened, the next number follows the highest contest listed.
    seResConcurso->setValue(std::clamp(FGrid.NextNumber(), 1, 99999));
    ProgressClose();
    cxgrpbx1->setEnabled(true);
    FBusy = false;
    if (!import.Error.isEmpty()) {
        LogErrorMessage(QStringLiteral("Importação de concursos de \"%1\": %2").arg(fileName, import.Error));
        Dialogs::Message(this, import.Error);
    }
    // A file that added nothing leaves Concursos.inx as it was.
    if (import.Added > 0)
        ContestsSave();
}

TContestImport TfrmLancaRes::ImportRun(const QString& aFileName)
{
    TContestImport import;
    QStringList lines;
    try {
        lines = ContestImportFileRead(aFileName);
    } catch (const EInOutError& e) {
        import.Error = e.Message();
        return import;
    }
    jvRichEdtImport->setPlainText(lines.join(u'\n'));
    FdlgProgress->set_iMax(std::max(1, int(lines.size()) - 1));
    int nextShown = 0;
    // The grid and the dialog follow in batches; events are pumped at most every 30 ms.
    const auto progress = [&](int aLine, int) {
        if (aLine >= nextShown) {
            nextShown = aLine + 256;
            FModel->Sync();
            if (FdlgProgress)
                FdlgProgress->set_iPosicao(aLine);
        }
        PumpEvents();
        return FdlgProgress && FdlgProgress->_iResultado() != prCancel;
    };
    import = ContestImportRun(lines, FGrid, progress);
    FModel->Sync();
    if (import.Added > 0)
        FModified = true;
    if (FdlgProgress && !import.Log.isEmpty())
        FdlgProgress->insLog(import.Log.last());
    return import;
}

void TfrmLancaRes::ContestsSave()
{
    if (FBusy || !FConcursos)
        return;
    FBusy = true;
    cxgrpbx1->setEnabled(false);
    ProgressVisible(true);
    jvGradPBar1->setRange(0, 100);
    ::ContestsSave(*FConcursos, FGrid);
    FConcursos->Save(FConcursosFileName);
    jvGradPBar1->setValue(0);
    const bool failed = FConcursos->Status().HasStatus(stFileSaveFail);
    if (!failed)
        FModified = false;
    ProgressVisible(false);
    cxgrpbx1->setEnabled(true);
    FBusy = false;
    if (failed) {
        const QString message = QStringLiteral("Não foi possível gravar os concursos em \"%1\": %2")
                                    .arg(FConcursosFileName, FConcursos->ErrorString());
        LogErrorMessage(message);
        Dialogs::Message(this, message);
    }
}

void TfrmLancaRes::edtResVPagoExit()
{
    const QString text = edtResVPago->text();
    if (text.trimmed().isEmpty())
        return;
    try {
        edtResVPago->setText(FormatPrizeValue(text));
    } catch (const EConvertError&) {
        // Kept as typed: "Adicionar" says what is wrong with it.
    }
}

void TfrmLancaRes::cxgrpbx1DblClick()
{
    ContestsSave();
}

void TfrmLancaRes::jvRichEdtLinkMegaQueryAcceptData()
{
    jvRichEdtLinkMega->setLines(LinkDefault().mid(0, 2));
}

void TfrmLancaRes::jvRichEdtLinkMegaURLClick(const QUrl& aUrl)
{
    if (!QDesktopServices::openUrl(aUrl))
        LogErrorMessage(QStringLiteral("Não foi possível abrir o endereço \"%1\".").arg(aUrl.toString()));
}

void TfrmLancaRes::tmrResultPiscarTimer()
{
    const QColor silver(0xC0, 0xC0, 0xC0);
    QPalette palette = cxtxtdt1->palette();
    const bool toSilver = palette.color(QPalette::Base) != silver;
    palette.setColor(QPalette::Base, toSilver ? silver : this->palette().color(QPalette::Base));
    cxtxtdt1->setPalette(palette);
    tmrResultPiscar->setInterval(toSilver ? 500 : 3000);
}

void TfrmLancaRes::FormClose()
{
    if (FModified)
        ContestsSave();
    try {
        LinkSave(FLinkFileName, jvRichEdtLinkMega->Lines());
    } catch (const EInOutError& e) {
        LogErrorMessage(e.Message());
    }
}

bool TfrmLancaRes::eventFilter(QObject* aWatched, QEvent* aEvent)
{
    if (aWatched == cxgrpbx1 && aEvent->type() == QEvent::MouseButtonDblClick) {
        cxgrpbx1DblClick();
        return true;
    }
    if (aWatched == seResGanhadores && aEvent->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(aEvent)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnResAdd->setFocus();
            return true;
        }
    }
    return TfrmBasic::eventFilter(aWatched, aEvent);
}
