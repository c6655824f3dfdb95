#include "lottery/TfrmCadAposta.h"

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "app/TLinkLabel.h"
#include "lottery/BetRules.h"
#include "lottery/TBetStore.h"
#include "support/TMyException.h"
#include "util/Globals.h"
#include "util/TextCodec.h"
#include "util/TextUtils.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

QPointer<TfrmCadAposta> frmCadAposta;

namespace {

const QString kNone = QStringLiteral("None");
const QColor kSilver(0xC0, 0xC0, 0xC0);
constexpr int kBlinkTicks = 10;
constexpr int kBlinkFirst = 1000;  // ms before the first tick
constexpr int kBlinkSilver = 500;  // ms the list stays silver
constexpr int kBlinkWindow = 3000; // ms the list keeps its own colour between two flashes

const QStringList kHelp = {
    QStringLiteral("Um arquivo de apostas é um arquivo do tipo txt com uma "),
    QStringLiteral("aposta por linha com os números separados por \";\" (ponto e "),
    QStringLiteral("virgula)."),
    QStringLiteral("Outro tipode formatação causará um erro no aplicativo."),
    QStringLiteral("Os números devem ter dois dígitos, então, para escrever "),
    QStringLiteral("números de 1 a 9 preencha à esquerda com zero."),
    QStringLiteral("O nome do arquivo será o nome do grupo (você poderá alterar "),
    QStringLiteral("isto)."),
    QString(),
    QStringLiteral("Obrigado!"),
};

QPushButton* Button(const QString& aName, const QString& aCaption)
{
    auto* button = new QPushButton(aCaption);
    button->setObjectName(aName);
    return button;
}

// The caption stays the accessible name (what a reader of the screen finds it by); the description
// tells the two "Remover" links apart.
TLinkLabel* Link(const QString& aName, const QString& aCaption, const QString& aDescription)
{
    auto* link = new TLinkLabel(aCaption);
    link->setObjectName(aName);
    link->setAccessibleDescription(aDescription);
    return link;
}

QListWidget* CheckList(const QString& aName)
{
    auto* list = new QListWidget;
    list->setObjectName(aName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QListWidgetItem* CheckItem(const QString& aText)
{
    auto* item = new QListWidgetItem(aText);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

// A taken item belongs to the caller; it goes here.
void ItemRemove(QListWidget* aList, int aRow)
{
    std::unique_ptr<QListWidgetItem>(aList->takeItem(aRow));
}

} // namespace

TfrmCadAposta::TfrmCadAposta(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmCadAposta"));
    setWindowTitle(QStringLiteral("Cadastro de apostas"));
    setAccessibleName(windowTitle());

    auto* client = new QVBoxLayout(ClientArea());

    // The entry panel: fifteen number boxes, the last ten numbered.
    pnl2 = new QWidget;
    pnl2->setObjectName(QStringLiteral("pnl2"));
    auto* entry = new QGridLayout(pnl2);
    std::array<QLineEdit**, 15> boxes = {&cxtxtdt1,  &cxtxtdt2,  &cxtxtdt3,  &cxtxtdt4,  &cxtxtdt5,
                                         &cxtxtdt6,  &cxtxtdt7,  &cxtxtdt8,  &cxtxtdt9,  &cxtxtdt10,
                                         &cxtxtdt11, &cxtxtdt12, &cxtxtdt13, &cxtxtdt14, &cxtxtdt15};
    std::array<QLabel**, 10> labels = {&lbl4, &lbl5, &lbl6, &lbl7, &lbl8, &lbl9, &lbl10, &lbl11, &lbl12, &lbl13};
    for (int i = 0; i < 15; ++i) {
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("cxtxtdt%1").arg(i + 1));
        box->setMaxLength(2);
        box->setMaximumWidth(36);
        box->setAccessibleName(QStringLiteral("Número %1").arg(i + 1));
        *boxes[std::size_t(i)] = box;
        entry->addWidget(box, 1, i);
        if (i >= 5) {
            auto* label = new QLabel(QString::number(i + 1));
            label->setObjectName(QStringLiteral("lbl%1").arg(i - 1));
            label->setBuddy(box);
            label->setAlignment(Qt::AlignCenter);
            *labels[std::size_t(i - 5)] = label;
            entry->addWidget(label, 0, i);
        }
    }
    btnInserirAposta = Button(QStringLiteral("btnInserirAposta"), QStringLiteral("Inserir"));
    btnInserirAposta->setAccessibleDescription(QStringLiteral("Inserir a aposta digitada"));
    btnLimparAposta = Button(QStringLiteral("btnLimparAposta"), QStringLiteral("Limpar"));
    btnLimparAposta->setAccessibleDescription(QStringLiteral("Limpar os números digitados"));
    entry->addWidget(btnInserirAposta, 1, 15);
    entry->addWidget(btnLimparAposta, 1, 16);
    entry->setColumnStretch(17, 1);
    client->addWidget(pnl2);

    pnl1 = new QWidget;
    pnl1->setObjectName(QStringLiteral("pnl1"));
    auto* body = new QHBoxLayout(pnl1);
    client->addWidget(pnl1, 1);

    // The bets being prepared and their group name.
    auto* prepare = new QVBoxLayout;
    cxgrpbxMemo = new QGroupBox(QStringLiteral("Apostas (uma por linha, Nros Separados por Ponto e Virgula)"));
    cxgrpbxMemo->setObjectName(QStringLiteral("cxgrpbxMemo"));
    cxMemoGrupoDeApostas = new QPlainTextEdit;
    cxMemoGrupoDeApostas->setObjectName(QStringLiteral("cxMemoGrupoDeApostas"));
    cxMemoGrupoDeApostas->setLineWrapMode(QPlainTextEdit::NoWrap);
    cxMemoGrupoDeApostas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cxMemoGrupoDeApostas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cxMemoGrupoDeApostas->setAccessibleName(cxgrpbxMemo->title());
    (new QVBoxLayout(cxgrpbxMemo))->addWidget(cxMemoGrupoDeApostas);
    prepare->addWidget(cxgrpbxMemo, 1);

    auto* nameRow = new QHBoxLayout;
    lbl1 = new QLabel(QStringLiteral("Nome do Grupo"));
    lbl1->setObjectName(QStringLiteral("lbl1"));
    cmbNomeGrupo = new QComboBox;
    cmbNomeGrupo->setObjectName(QStringLiteral("cmbNomeGrupo"));
    cmbNomeGrupo->setEditable(true);
    cmbNomeGrupo->setInsertPolicy(QComboBox::NoInsert);
    cmbNomeGrupo->setAccessibleName(lbl1->text());
    // What a reader of the screen types into is the box's own line, which is named too.
    cmbNomeGrupo->lineEdit()->setAccessibleName(lbl1->text());
    lbl1->setBuddy(cmbNomeGrupo);
    nameRow->addWidget(lbl1);
    nameRow->addWidget(cmbNomeGrupo, 1);
    prepare->addLayout(nameRow);

    auto* buttons = new QHBoxLayout;
    btnInserirNovo = Button(QStringLiteral("btnInserirNovo"), QStringLiteral("Inserir"));
    btnInserirNovo->setAccessibleDescription(QStringLiteral("Gravar as apostas como grupo"));
    btnSalvar = Button(QStringLiteral("btnSalvar"), QStringLiteral("Salvar"));
    btnLimpar = Button(QStringLiteral("btnLimpar"), QStringLiteral("Limpar"));
    btnCarregaJogosNovo = Button(QStringLiteral("btnCarregaJogosNovo"), QStringLiteral("Carregar arquivo de apostas"));
    for (QPushButton* button : {btnInserirNovo, btnSalvar, btnLimpar, btnCarregaJogosNovo})
        buttons->addWidget(button);
    prepare->addLayout(buttons);

    cxMemo2 = new QPlainTextEdit;
    cxMemo2->setObjectName(QStringLiteral("cxMemo2"));
    cxMemo2->setReadOnly(true);
    cxMemo2->setAccessibleName(QStringLiteral("Ajuda"));
    cxMemo2->setPlainText(kHelp.join(u'\n'));
    cxMemo2->setMaximumHeight(140);
    prepare->addWidget(cxMemo2);
    body->addLayout(prepare, 2);

    // The stored groups.
    auto* groups = new QVBoxLayout;
    lbl3 = new QLabel(QStringLiteral("Grupos disponíveis"));
    lbl3->setObjectName(QStringLiteral("lbl3"));
    lstListaGruposDisponiveis = CheckList(QStringLiteral("lstListaGruposDisponiveis"));
    lstListaGruposDisponiveis->setAccessibleName(lbl3->text());
    lbl3->setBuddy(lstListaGruposDisponiveis);
    groups->addWidget(lbl3);
    groups->addWidget(lstListaGruposDisponiveis, 1);
    auto* groupLinks = new QHBoxLayout;
    lbl14 = Link(QStringLiteral("lbl14"), QStringLiteral("Salvar marcas"), QStringLiteral("Salvar marcas"));
    lblLinkGroupExport =
        Link(QStringLiteral("lblLinkGroupExport"), QStringLiteral("Exportar"), QStringLiteral("Exportar grupo"));
    lblLinkGroupRemove = Link(QStringLiteral("lblLinkGroupRemove"), QStringLiteral("Remover"),
                              QStringLiteral("Remover grupos marcados"));
    for (TLinkLabel* link : {lbl14, lblLinkGroupExport, lblLinkGroupRemove})
        groupLinks->addWidget(link);
    groupLinks->addStretch(1);
    groups->addLayout(groupLinks);
    body->addLayout(groups, 1);

    // The bets of the shown group.
    auto* bets = new QVBoxLayout;
    lbl2 = new QLabel(QStringLiteral("Apostas do Grupo"));
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lstListaItensDoGrupo = CheckList(QStringLiteral("lstListaItensDoGrupo"));
    lstListaItensDoGrupo->setAccessibleName(lbl2->text());
    lbl2->setBuddy(lstListaItensDoGrupo);
    lblLinkItemRemove = Link(QStringLiteral("lblLinkItemRemove"), QStringLiteral("Remover"),
                             QStringLiteral("Remover apostas marcadas"));
    bets->addWidget(lbl2);
    bets->addWidget(lstListaItensDoGrupo, 1);
    bets->addWidget(lblLinkItemRemove);
    body->addLayout(bets, 1);

    tmrGruposPiscar = new QTimer(this);
    tmrGruposPiscar->setObjectName(QStringLiteral("tmrGruposPiscar"));
    tmrGruposPiscar->setInterval(kBlinkFirst);
    FListColour = lstListaGruposDisponiveis->palette().color(QPalette::Base);

    connect(btnInserirAposta, &QPushButton::clicked, this, &TfrmCadAposta::btnInserirApostaClick);
    connect(btnLimparAposta, &QPushButton::clicked, this, &TfrmCadAposta::btnLimparApostaClick);
    connect(btnInserirNovo, &QPushButton::clicked, this, &TfrmCadAposta::btnInserirNovoClick);
    connect(btnLimpar, &QPushButton::clicked, this, &TfrmCadAposta::btnLimparClick);
    connect(btnSalvar, &QPushButton::clicked, this, &TfrmCadAposta::btnSalvarClick);
    connect(btnCarregaJogosNovo, &QPushButton::clicked, this, &TfrmCadAposta::btnCarregaJogosNovoClick);
    connect(lstListaGruposDisponiveis, &QListWidget::itemClicked, this, &TfrmCadAposta::lstListaGruposDisponiveisClick);
    // Enter on a group shows its bets too, for whoever works with the keyboard.
    connect(lstListaGruposDisponiveis, &QListWidget::itemActivated, this,
            &TfrmCadAposta::lstListaGruposDisponiveisClick);
    connect(lstListaGruposDisponiveis, &QListWidget::itemDoubleClicked, this,
            &TfrmCadAposta::lstListaGruposDisponiveisDblClick);
    connect(lbl14, &TLinkLabel::clicked, this, &TfrmCadAposta::lbl14Click);
    connect(lblLinkGroupExport, &TLinkLabel::clicked, this, &TfrmCadAposta::lblLinkGroupExportClick);
    connect(lblLinkGroupRemove, &TLinkLabel::clicked, this, &TfrmCadAposta::lblLinkGroupRemoveClick);
    connect(lblLinkItemRemove, &TLinkLabel::clicked, this, &TfrmCadAposta::lblLinkItemRemoveClick);
    connect(tmrGruposPiscar, &QTimer::timeout, this, &TfrmCadAposta::tmrGruposPiscarTimer);
    lstListaGruposDisponiveis->installEventFilter(this);
    lstListaItensDoGrupo->installEventFilter(this);

    Inicializa();
}

TfrmCadAposta::~TfrmCadAposta() = default;

std::array<QLineEdit*, 15> TfrmCadAposta::Boxes() const
{
    return {cxtxtdt1, cxtxtdt2,  cxtxtdt3,  cxtxtdt4,  cxtxtdt5,  cxtxtdt6,  cxtxtdt7, cxtxtdt8,
            cxtxtdt9, cxtxtdt10, cxtxtdt11, cxtxtdt12, cxtxtdt13, cxtxtdt14, cxtxtdt15};
}

bool TfrmCadAposta::Attempt(const std::function<void()>& aWork)
{
    try {
        aWork();
        return true;
    } catch (const std::exception& e) {
        const QString reason = QString::fromUtf8(e.what());
        LogErrorMessage(reason);
        Dialogs::Message(this, reason);
        return false;
    }
}

void TfrmCadAposta::Inicializa()
{
    FGrupoPiscar = 0;
    FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Cadastro de Apostas"));
    FSection = TBetStore::Section();
    if (!Logado || UserFolder.isEmpty()) {
        Clear();
        return;
    }
    FApostasFileName = TrailingChar(UserFolder, u'/', true) + QStringLiteral("Apostas.inx");
    lstListaItensDoGrupo->clear();
    FShownGroup.clear();
    Attempt([this] {
        FApostas.reset(); // the previous user's store is saved before the next one is read
        FApostas = std::make_unique<TBetStore>(UserFolder, LoginName);
        FAddKey = FApostas->AddKey();
        if (const QString problem = FApostas->LoadProblem(); !problem.isEmpty()) {
            LogErrorMessage(problem);
            Dialogs::Message(this, problem);
        }
        GroupsRefresh();
        const QStringList marks = FApostas->MarksRead();
        for (int i = 0; i < lstListaGruposDisponiveis->count(); ++i) {
            QListWidgetItem* item = lstListaGruposDisponiveis->item(i);
            if (marks.contains(item->text()))
                item->setCheckState(Qt::Checked);
        }
    });
}

void TfrmCadAposta::Clear()
{
    cxMemoGrupoDeApostas->clear();
    GroupNameSet(QString());
    cmbNomeGrupo->clear();
    lstListaGruposDisponiveis->clear();
    lstListaItensDoGrupo->clear();
    FHeaders.clear();
    FShownGroup.clear();
    FApostas.reset();
}

void TfrmCadAposta::FormShow()
{
    if (!Logado)
        return;
    // A file that could not be read was told about when it was opened; it is not read again
    // (and told again) at every showing.
    if (!FApostas || (lstListaGruposDisponiveis->count() == 0 && FApostas->LoadProblem().isEmpty()))
        Inicializa();
}

void TfrmCadAposta::FormClose()
{
    Clear();
}

void TfrmCadAposta::GroupsRefresh()
{
    FHeaders = FApostas ? FApostas->Groups() : QStringList();
    lstListaGruposDisponiveis->clear();
    for (const QString& name : FHeaders)
        lstListaGruposDisponiveis->addItem(CheckItem(name));
    if (lstListaGruposDisponiveis->count() > 0)
        lstListaGruposDisponiveis->setCurrentRow(0);
    // The name box offers the stored groups; what the user typed there stays.
    const QString typed = cmbNomeGrupo->currentText();
    cmbNomeGrupo->clear();
    cmbNomeGrupo->addItems(FHeaders);
    GroupNameSet(typed);
}

void TfrmCadAposta::GroupNameSet(const QString& aName)
{
    cmbNomeGrupo->setCurrentIndex(-1);
    cmbNomeGrupo->setEditText(aName);
}

QString TfrmCadAposta::SelectedGroupName() const
{
    const QListWidgetItem* item = lstListaGruposDisponiveis->currentItem();
    return item && item->isSelected() ? item->text() : kNone;
}

QStringList TfrmCadAposta::MemoLines() const
{
    return SplitLines(cxMemoGrupoDeApostas->toPlainText());
}

QString TfrmCadAposta::BetFromBoxes() const
{
    QStringList texts;
    for (const QLineEdit* box : Boxes())
        texts.append(box->text());
    return ::BetFromBoxes(texts);
}

void TfrmCadAposta::btnInserirApostaClick()
{
    if (!Logado)
        return;
    const QString bet = BetFromBoxes();
    if (!bet.isEmpty()) {
        cxMemoGrupoDeApostas->appendPlainText(bet);
        btnLimparApostaClick();
    }
    cxtxtdt1->setFocus();
}

void TfrmCadAposta::btnLimparApostaClick()
{
    for (QLineEdit* box : Boxes())
        box->clear();
}

void TfrmCadAposta::btnInserirNovoClick()
{
    if (!Logado || !FApostas)
        return;
    const QString name = cmbNomeGrupo->currentText();
    const QStringList lines = MemoLines();
    if (name.isEmpty() || lines.isEmpty())
        return;
    const QString problem = GroupNameProblem(name);
    if (!problem.isEmpty()) {
        Dialogs::Message(this, problem);
        return;
    }
    TGroupStore stored;
    if (!Attempt([&] { stored = FApostas->GroupStore(name, lines); }))
        return; // the text box and the name stay, to be stored again
    GroupsRefresh();
    cxMemoGrupoDeApostas->clear();
    GroupNameSet(QString());
    // Refused lines are not lost unseen: the user reads which and why.
    if (!stored.Rejected.empty())
        Dialogs::Message(this, stored.Message);
}

void TfrmCadAposta::btnLimparClick()
{
    if (!Logado)
        return;
    GroupNameSet(QString());
    cxMemoGrupoDeApostas->clear();
}

void TfrmCadAposta::btnSalvarClick()
{
    if (!Logado)
        return;
    const QString name = cmbNomeGrupo->currentText();
    if (name.isEmpty()) {
        Dialogs::Message(this, QStringLiteral("Escreva um nome para o arquivo."));
        return;
    }
    const QString problem = GroupNameProblem(name);
    if (!problem.isEmpty()) {
        Dialogs::Message(this, problem);
        return;
    }
    if (Attempt([&] { ExportFileWrite(UserFolder, name, MemoLines()); }))
        Dialogs::Message(this, QStringLiteral("Salvo na sua pasta de arquivos Obrix."));
}

void TfrmCadAposta::btnCarregaJogosNovoClick()
{
    const QString file =
        Dialogs::OpenFile(this, QStringLiteral("Abrir arquivo com jogos em linha"),
                          QStringLiteral("Arquivo texto (*.txt);;Arquivo Export (*.export)"), QStringLiteral("txt"));
    if (file.isEmpty())
        return;
    Attempt([&] {
        FList = BetFileRead(file);
        cxMemoGrupoDeApostas->setPlainText(FList.join(u'\n'));
        GroupNameSet(GroupNameFromFile(file));
    });
}

void TfrmCadAposta::GroupBetsLoad(const QString& aGroup)
{
    lstListaItensDoGrupo->clear();
    FShownGroup = aGroup;
    if (!FApostas)
        return;
    Attempt([&] {
        for (const QString& bet : FApostas->Bets(aGroup))
            lstListaItensDoGrupo->addItem(CheckItem(bet));
    });
}

void TfrmCadAposta::lstListaGruposDisponiveisClick()
{
    const QString name = SelectedGroupName();
    if (name == kNone) {
        lstListaItensDoGrupo->clear();
        FShownGroup.clear();
        return;
    }
    GroupBetsLoad(name);
}

void TfrmCadAposta::lstListaGruposDisponiveisDblClick()
{
    QStringList bets;
    for (int i = 0; i < lstListaItensDoGrupo->count(); ++i)
        bets.append(lstListaItensDoGrupo->item(i)->text());
    cxMemoGrupoDeApostas->setPlainText(bets.join(u'\n'));
    if (const QListWidgetItem* item = lstListaGruposDisponiveis->currentItem())
        GroupNameSet(item->text());
}

bool TfrmCadAposta::eventFilter(QObject* aWatched, QEvent* aEvent)
{
    if (aEvent->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(aEvent)->key();
        if (aWatched == lstListaGruposDisponiveis)
            lstListaGruposDisponiveisKeyDown(key);
        else if (aWatched == lstListaItensDoGrupo)
            lstListaItensDoGrupoKeyDown(key);
        if (key == Qt::Key_Delete)
            return true;
    }
    return TfrmBasic::eventFilter(aWatched, aEvent);
}

void TfrmCadAposta::lstListaGruposDisponiveisKeyDown(int aKey)
{
    if (aKey != Qt::Key_Delete || !Logado || !FApostas)
        return;
    QListWidgetItem* item = lstListaGruposDisponiveis->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    Attempt([&] { FApostas->GroupsRemove({name}); });
    ItemRemove(lstListaGruposDisponiveis, lstListaGruposDisponiveis->row(item));
    lstListaItensDoGrupo->clear();
    FShownGroup.clear();
    FHeaders.removeAll(name);
}

void TfrmCadAposta::ShownGroupWrite()
{
    if (!FApostas || FShownGroup.isEmpty())
        return;
    QStringList bets;
    for (int i = 0; i < lstListaItensDoGrupo->count(); ++i)
        bets.append(lstListaItensDoGrupo->item(i)->text());
    Attempt([&] { FApostas->BetsWrite(FShownGroup, bets); });
}

void TfrmCadAposta::lstListaItensDoGrupoKeyDown(int aKey)
{
    if (aKey != Qt::Key_Delete || !Logado)
        return;
    QListWidgetItem* item = lstListaItensDoGrupo->currentItem();
    if (!item)
        return;
    ItemRemove(lstListaItensDoGrupo, lstListaItensDoGrupo->row(item));
    ShownGroupWrite();
}

void TfrmCadAposta::MarksSave()
{
    QStringList marked;
    for (int i = 0; i < lstListaGruposDisponiveis->count(); ++i)
        if (lstListaGruposDisponiveis->item(i)->checkState() == Qt::Checked)
            marked.append(lstListaGruposDisponiveis->item(i)->text());
    FApostas->MarksSave(marked);
}

void TfrmCadAposta::lbl14Click()
{
    if (!Logado || !FApostas)
        return;
    if (Attempt([this] { MarksSave(); }))
        Dialogs::Message(this, QStringLiteral("Salvo!"));
}

void TfrmCadAposta::lblLinkGroupExportClick()
{
    Dialogs::Message(this, QStringLiteral("Dê um duplo clique no grupo à exportar e clique no botão salvar."));
}

void TfrmCadAposta::lblLinkGroupRemoveClick()
{
    if (!Logado || !FApostas)
        return;
    if (!Dialogs::Confirm(this, QStringLiteral("Esta ação irá apagar os itenhs marcados. Prosseguir?")))
        return;
    QStringList marked;
    for (int i = 0; i < lstListaGruposDisponiveis->count(); ++i)
        if (lstListaGruposDisponiveis->item(i)->checkState() == Qt::Checked)
            marked.append(lstListaGruposDisponiveis->item(i)->text());
    Attempt([&] { FApostas->GroupsRemove(marked); });
    lstListaItensDoGrupo->clear();
    FShownGroup.clear();
    for (int i = lstListaGruposDisponiveis->count() - 1; i >= 0; --i)
        if (lstListaGruposDisponiveis->item(i)->checkState() == Qt::Checked)
            ItemRemove(lstListaGruposDisponiveis, i);
    for (const QString& name : marked)
        FHeaders.removeAll(name);
}

void TfrmCadAposta::lblLinkItemRemoveClick()
{
    if (!Logado)
        return;
    if (!Dialogs::Confirm(this, QStringLiteral("Deseja mesmo remover os itens selecionados?")))
        return;
    for (int i = lstListaItensDoGrupo->count() - 1; i >= 0; --i)
        if (lstListaItensDoGrupo->item(i)->checkState() == Qt::Checked)
            ItemRemove(lstListaItensDoGrupo, i);
    ShownGroupWrite();
}

QString TfrmCadAposta::SelectChecked(int aOrd)
{
    int found = 0;
    for (int i = 0; i < lstListaGruposDisponiveis->count(); ++i) {
        const QListWidgetItem* item = lstListaGruposDisponiveis->item(i);
        if (item->checkState() == Qt::Checked && ++found == aOrd) {
            const QString name = item->text();
            GroupBetsLoad(name);
            return name;
        }
    }
    return kNone;
}

void TfrmCadAposta::EnablePanels(bool aEnable)
{
    pnl1->setEnabled(aEnable);
    pnl2->setEnabled(aEnable);
}

int TfrmCadAposta::iGrupos() const
{
    return lstListaGruposDisponiveis->count();
}

int TfrmCadAposta::iCheckeds() const
{
    int checked = 0;
    for (int i = 0; i < lstListaGruposDisponiveis->count(); ++i)
        if (lstListaGruposDisponiveis->item(i)->checkState() == Qt::Checked)
            ++checked;
    return checked;
}

void TfrmCadAposta::GrupoPiscar()
{
    tmrGruposPiscar->start(kBlinkFirst);
}

void TfrmCadAposta::tmrGruposPiscarTimer()
{
    if (++FGrupoPiscar > kBlinkTicks - 1) {
        tmrGruposPiscar->stop();
        FGrupoPiscar = 0;
    }
    QPalette palette = lstListaGruposDisponiveis->palette();
    const bool toSilver = palette.color(QPalette::Base) != kSilver;
    palette.setColor(QPalette::Base, toSilver ? kSilver : FListColour);
    lstListaGruposDisponiveis->setPalette(palette);
    tmrGruposPiscar->setInterval(toSilver ? kBlinkSilver : kBlinkWindow);
}
