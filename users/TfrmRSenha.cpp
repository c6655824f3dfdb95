#include "users/TfrmRSenha.h"

#include "app/TFrameTop.h"
#include "app/TextBox.h"
#include "users/TLogins.h"
#include "users/TQuestionList.h"
#include "users/UserRules.h"
#include "users/UserScreens.h"
#include "util/Globals.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

QPointer<TfrmRSenha> frmRSenha;

TfrmRSenha::TfrmRSenha(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmRSenha"));
    setWindowTitle(QStringLiteral("Recuperação de Senha"));
    setAccessibleName(windowTitle());
    FrameTop1->Titulo->setText(QStringLiteral("Recuperação de Senha"));
    resize(214, 605);

    QVBoxLayout* body = SideBarBody(this);
    QVBoxLayout* recoveryLayout = SideBarGroup(QStringLiteral(" Recuperação "), body);
    cxtxtdtEmail = LabeledEdit(recoveryLayout, QStringLiteral("Nome de login *"), QStringLiteral("cxtxtdtEmail"));
    cxtxtdtResposta = LabeledEdit(recoveryLayout, QStringLiteral("Resposta"), QStringLiteral("cxtxtdtResposta"));
    auto* questionLabel = new QLabel(QStringLiteral("Pergunta"));
    lst1 = new TQuestionList;
    questionLabel->setBuddy(lst1);
    recoveryLayout->addWidget(questionLabel);
    recoveryLayout->addWidget(lst1);
    chkMostrarSenha = new QCheckBox(QStringLiteral("Mostrar Senha"));
    chkMostrarSenha->setObjectName(QStringLiteral("chkMostrarSenha"));
    recoveryLayout->addWidget(chkMostrarSenha);
    cxtxtdtSenha = LabeledEdit(recoveryLayout, QStringLiteral("Senha *"), QStringLiteral("cxtxtdtSenha"));
    cxtxtdtSenha->setReadOnly(true);
    cxtxtdtSenha->setEchoMode(QLineEdit::Password);
    cxtxtdtSenha->setFocusPolicy(Qt::ClickFocus);
    cxtxtdtSenha->setText(kSenhaPlaceholder);
    btnRecuperar = new QPushButton(QStringLiteral("Recuperar"));
    btnRecuperar->setObjectName(QStringLiteral("btnRecuperar"));
    recoveryLayout->addWidget(btnRecuperar);

    QVBoxLayout* resultsLayout = SideBarGroup(QStringLiteral(" Resultados "), body, 1);
    cxrchdtResultados = ResultsBoxCreate(nullptr);
    cxrchdtResultados->setMinimumHeight(120);
    resultsLayout->addWidget(cxrchdtResultados);

    connect(btnRecuperar, &QPushButton::clicked, this, &TfrmRSenha::btnRecuperarClick);
    connect(chkMostrarSenha, &QCheckBox::toggled, this, &TfrmRSenha::chkMostrarSenhaPropertiesChange);

    FLoginsFileName = LoginsFilePath(DataFolder);
    FSection = TLogins::kSection;
}

TfrmRSenha::~TfrmRSenha() = default;

void TfrmRSenha::AddResult(const QString& aText)
{
    insLog(cxrchdtResultados, aText);
}

void TfrmRSenha::btnRecuperarClick()
{
    if (!FLogins)
        FLogins = std::make_unique<TLogins>(FLoginsFileName);
    FAddKey = FirstWord(cxtxtdtEmail->text());
    AddResult(QStringLiteral("Iniciando leitura."));
    AddResult(QStringLiteral("Conferência..."));
    QString password;
    if (FLogins->RecoverPassword(cxtxtdtEmail->text(), lst1->CheckedQuestions(), cxtxtdtResposta->text(), password)) {
        cxtxtdtSenha->setText(password);
        cxrchdtResultados->clear();
        AddResult(QStringLiteral("Senha recuperada com sucesso."));
        FLogins.reset();
    } else {
        AddResult(QStringLiteral("Informações inválidas."));
    }
}

void TfrmRSenha::chkMostrarSenhaPropertiesChange()
{
    cxtxtdtSenha->setEchoMode(chkMostrarSenha->isChecked() ? QLineEdit::Normal : QLineEdit::Password);
}

void TfrmRSenha::FormClose()
{
    FLogins.reset();
}
