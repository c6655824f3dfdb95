#include "app/TfrmApresentaNorvadel.h"

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "app/TLinkLabel.h"
#include "app/TResultsTableModel.h"
#include "app/TWorkScreens.h"
#include "lottery/TfrmLancaRes.h"
#include "app/TextBox.h"
#include "app/TfrmPrincipal.h"
#include "app/TfrmSobreNorvadel.h"
#include "lottery/TfrmCadAposta.h"
#include "util/Globals.h"
#include "util/VersionInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

QPointer<TfrmApresentaNorvadel> frmApresentaNorvadel;

namespace {
QPushButton* LargeButton(const QString& aName, const QString& aCaption, QWidget* aParent)
{
    auto* button = new QPushButton(aCaption, aParent);
    button->setObjectName(aName);
    button->setProperty("large", true);
    button->setFixedSize(200, 41);
    return button;
}

QLabel* StepLabel(const QString& aName, const QString& aCaption, QWidget* aParent)
{
    auto* label = new QLabel(aCaption, aParent);
    label->setObjectName(aName);
    QFont font = label->font();
    font.setPixelSize(24);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #0b5d3b;"));
    auto* shadow = new QGraphicsDropShadowEffect(label);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(3);
    shadow->setColor(QColor(0, 0, 0, 90));
    label->setGraphicsEffect(shadow);
    return label;
}
} // namespace

TfrmApresentaNorvadel::TfrmApresentaNorvadel(QWidget* aParent) : TfrmApresenta(aParent)
{
    setObjectName(QStringLiteral("frmApresentaNorvadel"));
    resize(916, 491);
    FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Apresentação"));

    btnOneButton = LargeButton(QStringLiteral("btnOneButton"), QStringLiteral("Um botão faz tudo"), ClientArea());
    pnl1 = new QWidget(ClientArea());
    pnl1->setObjectName(QStringLiteral("pnl1"));
    jvLbl1 = StepLabel(QStringLiteral("jvLbl1"), QStringLiteral("Passo 1"), pnl1);
    btnCadAposta = LargeButton(QStringLiteral("btnCadAposta"), QStringLiteral("Cadastrar Apostas"), pnl1);
    jvLbl2 = StepLabel(QStringLiteral("jvLbl2"), QStringLiteral("Passo 2"), pnl1);
    btnLancaConcurso = LargeButton(QStringLiteral("btnLancaConcurso"), QStringLiteral("Lançar concursos"), pnl1);
    jvLbl3 = StepLabel(QStringLiteral("jvLbl3"), QStringLiteral("Passo 3"), pnl1);
    btnConferencia = LargeButton(QStringLiteral("btnConferencia"), QStringLiteral("Conferir jogos"), pnl1);
    btnPainelDeControle =
        LargeButton(QStringLiteral("btnPainelDeControle"), QStringLiteral("Painel de controle"), pnl1);
    cxMemoNoticias = new QPlainTextEdit(pnl1);
    cxMemoNoticias->setObjectName(QStringLiteral("cxMemoNoticias"));
    cxMemoNoticias->setAccessibleName(QStringLiteral("Notícias"));
    cxMemoNoticias->setReadOnly(true);
    cxMemoNoticias->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cxMemoNoticias->setMinimumHeight(120);
    lbl1 = new QLabel(QStringLiteral("Resumo dos acertos nas apostas já lançadas"), pnl1);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    QFont summaryFont = lbl1->font();
    summaryFont.setBold(true);
    lbl1->setFont(summaryFont);

    FAcertos = new TResultsTableModel(this);
    FAcertos->HeadingWrite();
    advstrngrdAcertos = new QTableView(pnl1);
    advstrngrdAcertos->setObjectName(QStringLiteral("advstrngrdAcertos"));
    advstrngrdAcertos->setAccessibleName(QStringLiteral("Resumo dos acertos"));
    advstrngrdAcertos->setModel(FAcertos);
    advstrngrdAcertos->verticalHeader()->hide();
    advstrngrdAcertos->setAlternatingRowColors(true);
    advstrngrdAcertos->setSelectionBehavior(QAbstractItemView::SelectRows);
    advstrngrdAcertos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    advstrngrdAcertos->verticalHeader()->setDefaultSectionSize(22);
    const int widths[5] = {71, 122, 242, 154, 141};
    for (int column = 0; column < 5; ++column)
        advstrngrdAcertos->setColumnWidth(column, widths[column]);
    advstrngrdAcertos->horizontalHeader()->setStretchLastSection(true);

    lbl2 = new TLinkLabel(QStringLiteral("Sobre"), ClientArea());
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl3 = new TLinkLabel(QStringLiteral("Ajuda"), ClientArea());
    lbl3->setObjectName(QStringLiteral("lbl3"));

    auto* steps = new QGridLayout;
    steps->setHorizontalSpacing(16);
    steps->addWidget(jvLbl1, 0, 0);
    steps->addWidget(jvLbl2, 0, 1);
    steps->addWidget(btnCadAposta, 1, 0);
    steps->addWidget(btnLancaConcurso, 1, 1);
    steps->addWidget(jvLbl3, 2, 0);
    steps->addWidget(btnConferencia, 3, 0);
    steps->addWidget(btnPainelDeControle, 3, 1);
    steps->setRowMinimumHeight(2, 40);
    auto* upper = new QHBoxLayout;
    upper->addLayout(steps);
    upper->addSpacing(16);
    upper->addWidget(cxMemoNoticias, 1);
    auto* panel = new QVBoxLayout(pnl1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(upper);
    panel->addSpacing(10);
    panel->addWidget(lbl1);
    panel->addWidget(advstrngrdAcertos, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(btnOneButton, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(LblVersao, 0, Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(lbl3);
    bottom->addSpacing(16);
    bottom->addWidget(lbl2);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(12, 10, 12, 8);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(pnl1, 1);
    layout->addLayout(bottom);

    connect(btnCadAposta, &QPushButton::clicked, this, &TfrmApresentaNorvadel::btnCadApostaClick);
    connect(btnLancaConcurso, &QPushButton::clicked, this, &TfrmApresentaNorvadel::btnLancaConcursoClick);
    connect(btnConferencia, &QPushButton::clicked, this, &TfrmApresentaNorvadel::btnConferenciaClick);
    connect(btnPainelDeControle, &QPushButton::clicked, this, &TfrmApresentaNorvadel::btnPainelDeControleClick);
    connect(btnOneButton, &QPushButton::clicked, this, &TfrmApresentaNorvadel::btnOneButtonClick);
    connect(lbl2, &TLinkLabel::clicked, this, &TfrmApresentaNorvadel::lbl2Click);
    connect(lbl3, &TLinkLabel::clicked, this, &TfrmApresentaNorvadel::lbl3Click);
}

QString TfrmApresentaNorvadel::LoginMessage()
{
    return QStringLiteral("Você não está logado. Por favor acesse o painel de utilidades e faça o login. Obrigado!");
}

void TfrmApresentaNorvadel::News(const QString& aMessage)
{
    insLog(cxMemoNoticias, aMessage);
}

void TfrmApresentaNorvadel::Inicializa() {}

void TfrmApresentaNorvadel::Clear()
{
    FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Apresentação"));
    FAcertos->CellsClear();
    cxMemoNoticias->clear();
}

void TfrmApresentaNorvadel::FormClose()
{
    // The bet groups (frmCadAposta) and contests (frmLancaRes) screens are asked to close here,
    // each when it exists.
    if (frmLancaRes)
        frmLancaRes->CloseForm();
    if (frmCadAposta)
        frmCadAposta->CloseForm();
}

void TfrmApresentaNorvadel::WorkScreenOpen(const QString& aButton)
{
    if (!Logado) {
        News(LoginMessage());
        return;
    }
    const TWorkScreen* work = FindWorkScreen(aButton);
    TfrmPrincipal* principal = MainWindowOf(this);
    if (!work || !principal) {
        News(QStringLiteral("Não implementado nesta versão"));
        return;
    }
    TfrmBasic* screen = work->Instance(this);
    principal->OpenScreen(screen, QStringLiteral("Principal"), QStringLiteral("Sessão Principal"), work->Caption,
                          work->Hint, true, false);
    if (work->StaysShown)
        screen->setVisible(work->StaysShown(screen));
}

void TfrmApresentaNorvadel::btnCadApostaClick()
{
    WorkScreenOpen(QStringLiteral("btnCadAposta"));
}

void TfrmApresentaNorvadel::btnLancaConcursoClick()
{
    WorkScreenOpen(QStringLiteral("btnLancaConcurso"));
}

void TfrmApresentaNorvadel::btnConferenciaClick()
{
    WorkScreenOpen(QStringLiteral("btnConferencia"));
}

void TfrmApresentaNorvadel::btnPainelDeControleClick()
{
    if (!Logado) {
        News(LoginMessage());
        return;
    }
    if (TfrmPrincipal* principal = MainWindowOf(this))
        principal->dockControlPanel();
}

void TfrmApresentaNorvadel::btnOneButtonClick()
{
    News(Logado ? QStringLiteral("Não implementado nesta versão") : LoginMessage());
}

void TfrmApresentaNorvadel::lbl2Click()
{
    if (!frmSobreNorvadel)
        frmSobreNorvadel = new TfrmSobreNorvadel(this);
    frmSobreNorvadel->set_iProject(QApplication::applicationName());
    frmSobreNorvadel->set_iVersion(GetVersionValue(QStringLiteral("FileVersion"), VersionInfo));
    frmSobreNorvadel->set_iTitle(QApplication::applicationName());
    frmSobreNorvadel->exec();
}

void TfrmApresentaNorvadel::lbl3Click()
{
    // The help is the file "Norvadel.chm" of the program folder, opened by the desktop's viewer.
    const QString help = ExeFolder + QStringLiteral("Norvadel.chm");
    if (!QFileInfo::exists(help)) {
        Dialogs::Message(this, QStringLiteral("Arquivo de ajuda não encontrado: ") + help);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
        Dialogs::Message(this, QStringLiteral("Não foi possível abrir a ajuda: ") + help);
}
