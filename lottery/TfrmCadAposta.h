#pragma once

// TfrmCadAposta: the logged-in user's bet groups, kept in UserFolder/Apostas.inx. The user types
// bets in fifteen number boxes or loads a bet file, reviews them as lines of a text box and stores
// them under a group name; stored groups are listed with check marks (the groups a check uses),
// and the marks can be stored too. Groups and single bets can be removed, and a group written out
// as an export file.
//
// Every change is on disk when its handler returns. A file that cannot be read or written is
// shown to the user with the reason and logged; the screen then keeps what the user typed.
// Operations that change user data do nothing while nobody is logged in.

#include "app/TfrmBasic.h"

#include <QColor>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TBetStore;
class TLinkLabel;

class TfrmCadAposta : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmCadAposta(QWidget* aParent = nullptr);
    ~TfrmCadAposta() override;

    // Opens the logged-in user's store and fills the lists, with the stored marks.
    void Inicializa();
    // Empties the text box, the group name and both lists and releases the store.
    void Clear();
    // Among the marked groups, counted from the top starting at 1, loads the aOrd-th into the
    // bet list (it becomes the shown group) and gives its name; "None", changing nothing, when
    // there is no such group.
    QString SelectChecked(int aOrd);
    // Freezes (false) or frees the entry and main panels, around a check.
    void EnablePanels(bool aEnable);
    int iGrupos() const;
    int iCheckeds() const;
    // Makes the group list blink: ten ticks of tmrGruposPiscar, ending on the list's own colour.
    void GrupoPiscar();
    // One tick of the blinking; tmrGruposPiscar runs it, tests may run it directly.
    void tmrGruposPiscarTimer();

    // The group whose bets the bet list holds; writes from the bet list go to it.
    const QString& ShownGroup() const { return FShownGroup; }

    QWidget* pnl2;
    QLineEdit* cxtxtdt1;
    QLineEdit* cxtxtdt2;
    QLineEdit* cxtxtdt3;
    QLineEdit* cxtxtdt4;
    QLineEdit* cxtxtdt5;
    QLineEdit* cxtxtdt6;
    QLineEdit* cxtxtdt7;
    QLineEdit* cxtxtdt8;
    QLineEdit* cxtxtdt9;
    QLineEdit* cxtxtdt10;
    QLineEdit* cxtxtdt11;
    QLineEdit* cxtxtdt12;
    QLineEdit* cxtxtdt13;
    QLineEdit* cxtxtdt14;
    QLineEdit* cxtxtdt15;
    QLabel* lbl4;
    QLabel* lbl5;
    QLabel* lbl6;
    QLabel* lbl7;
    QLabel* lbl8;
    QLabel* lbl9;
    QLabel* lbl10;
    QLabel* lbl11;
    QLabel* lbl12;
    QLabel* lbl13;
    QPushButton* btnInserirAposta;
    QPushButton* btnLimparAposta;
    QWidget* pnl1;
    QGroupBox* cxgrpbxMemo;
    QPlainTextEdit* cxMemoGrupoDeApostas;
    QLabel* lbl1;
    QComboBox* cmbNomeGrupo;
    QPushButton* btnInserirNovo;
    QPushButton* btnSalvar;
    QPushButton* btnLimpar;
    QPushButton* btnCarregaJogosNovo;
    QPlainTextEdit* cxMemo2;
    QLabel* lbl3;
    QListWidget* lstListaGruposDisponiveis;
    TLinkLabel* lbl14;
    TLinkLabel* lblLinkGroupExport;
    TLinkLabel* lblLinkGroupRemove;
    QLabel* lbl2;
    QListWidget* lstListaItensDoGrupo;
    TLinkLabel* lblLinkItemRemove;
    QTimer* tmrGruposPiscar;

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    void btnInserirApostaClick();
    void btnLimparApostaClick();
    void btnInserirNovoClick();
    void btnLimparClick();
    void btnSalvarClick();
    void btnCarregaJogosNovoClick();
    void lstListaGruposDisponiveisClick();
    void lstListaGruposDisponiveisDblClick();
    void lstListaGruposDisponiveisKeyDown(int aKey);
    void lstListaItensDoGrupoKeyDown(int aKey);
    void lbl14Click();
    void lblLinkGroupExportClick();
    void lblLinkGroupRemoveClick();
    void lblLinkItemRemoveClick();

    void GroupsRefresh();
    QString SelectedGroupName() const;
    void MarksSave();
    QString BetFromBoxes() const;
    void GroupBetsLoad(const QString& aGroup);
    // The shown group's bets as the bet list now holds them, written to the file.
    void ShownGroupWrite();
    QStringList MemoLines() const;
    void GroupNameSet(const QString& aName);
    // Runs aWork; a failure (a file that cannot be read or written) is logged and shown with its
    // reason. False when aWork failed.
    bool Attempt(const std::function<void()>& aWork);

    std::array<QLineEdit*, 15> Boxes() const;

    QString FApostasFileName;
    std::unique_ptr<TBetStore> FApostas;
    QString FSection;
    QStringList FHeaders;
    QString FAddKey;
    QStringList FList;
    int FGrupoPiscar = 0;
    QString FShownGroup;
    QColor FListColour; // the group list's own background, where the blinking ends
};

extern QPointer<TfrmCadAposta> frmCadAposta;
