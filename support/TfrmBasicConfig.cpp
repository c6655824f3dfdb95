#include "support/TfrmBasicConfig.h"

#include "app/Dialogs.h"
#include "app/TLinkLabel.h"
#include "app/TextBox.h"
#include "app/TfrmPrincipal.h"
#include "support/TMyException.h"
#include "util/Globals.h"
#include "util/IniFile.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

QPointer<TfrmBasicConfig> frmBasicConfig;

namespace {
const QString kSection = QStringLiteral("BasicConfig");
}

TfrmBasicConfig::TfrmBasicConfig(QWidget* aParent) : QWidget(aParent)
{
    setObjectName(QStringLiteral("frmBasicConfig"));
    setWindowTitle(QStringLiteral("Configuração Básica"));
    setAutoFillBackground(true);
    resize(218, 661);

    auto* available = new QGroupBox(QStringLiteral(" Disponíveis "), this);
    available->setObjectName(QStringLiteral("grpDisponiveis"));
    cxGrpSSenha = new QGroupBox(QStringLiteral("Sistema de Senha"), available);
    cxGrpSSenha->setObjectName(QStringLiteral("cxGrpSSenha"));
    FSSenhaItems = new QButtonGroup(cxGrpSSenha);
    auto* senhaLayout = new QVBoxLayout(cxGrpSSenha);
    const QString items[] = {QStringLiteral("Básico"), QStringLiteral("Banco de dados"), QStringLiteral("Nenhum")};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(items[i], cxGrpSSenha);
        item->setObjectName(QStringLiteral("rbSSenha%1").arg(i));
        FSSenhaItems->addButton(item, i);
        senhaLayout->addWidget(item);
    }
    FSSenhaItems->button(ssBasic)->setChecked(true);

    lblbackground = new TLinkLabel(QStringLiteral("Imagem de fundo"), available);
    lblbackground->setObjectName(QStringLiteral("lblbackground"));
    edtPathBasicBG = new QLineEdit(available);
    edtPathBasicBG->setObjectName(QStringLiteral("edtPathBasicBG"));
    edtPathBasicBG->setAccessibleName(QStringLiteral("Imagem de fundo"));
    lblPersonalFolder = new TLinkLabel(QStringLiteral("Pasta de arquivos"), available);
    lblPersonalFolder->setObjectName(QStringLiteral("lblPersonalFolder"));
    edtDocumentFolder = new QLineEdit(available);
    edtDocumentFolder->setObjectName(QStringLiteral("edtDocumentFolder"));
    edtDocumentFolder->setAccessibleName(QStringLiteral("Pasta de arquivos"));
    btn1 = new QPushButton(QStringLiteral("Aceitar"), available);
    btn1->setObjectName(QStringLiteral("btn1"));
    cxButton6 = new QPushButton(QStringLiteral("Avançado..."), available);
    cxButton6->setObjectName(QStringLiteral("cxButton6"));

    auto* availableLayout = new QVBoxLayout(available);
    availableLayout->addWidget(cxGrpSSenha);
    availableLayout->addWidget(lblbackground);
    availableLayout->addWidget(edtPathBasicBG);
    availableLayout->addWidget(lblPersonalFolder);
    availableLayout->addWidget(edtDocumentFolder);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn1);
    buttons->addWidget(cxButton6);
    availableLayout->addLayout(buttons);

    auto* information = new QGroupBox(QStringLiteral("Informações"), this);
    information->setObjectName(QStringLiteral("grpInformacoes"));
    cxRichInformacoes = new QTextEdit(information);
    cxRichInformacoes->setObjectName(QStringLiteral("cxRichInformacoes"));
    cxRichInformacoes->setReadOnly(true);
    (new QVBoxLayout(information))->addWidget(cxRichInformacoes);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(available);
    layout->addWidget(information, 1);

    connect(btn1, &QPushButton::clicked, this, &TfrmBasicConfig::btn1Click);
    connect(cxButton6, &QPushButton::clicked, this, &TfrmBasicConfig::cxButton6Click);
    connect(lblbackground, &TLinkLabel::clicked, this, &TfrmBasicConfig::lblbackgroundClick);
    connect(lblPersonalFolder, &TLinkLabel::clicked, this, &TfrmBasicConfig::lblPersonalFolderClick);

    FIniFileName = ExeFolder + QStringLiteral("BasicConfig.ini");
    FIni = std::make_unique<TIniFile>(FIniFileName);
    edtPathBasicBG->setText(FIni->ReadString(kSection, QStringLiteral("BGPath"), QString()));
    edtDocumentFolder->setText(FIni->ReadString(kSection, QStringLiteral("DocPath"), QString()));
    FImagem = edtPathBasicBG->text();
    FFolder = edtDocumentFolder->text();
    SetiSSenha(FIni->ReadInteger(kSection, QStringLiteral("SSenha"), ssNone));
    FOlderFolder = edtDocumentFolder->text();
}

TfrmBasicConfig::~TfrmBasicConfig()
{
    try {
        IniWrite();
    } catch (const std::exception& e) {
        LogErrorMessage(TMyException::ExceptionText(e));
    }
}

void TfrmBasicConfig::SetiImagem(const QString& aValue)
{
    FImagem = aValue;
    edtPathBasicBG->setText(aValue);
}

void TfrmBasicConfig::SetiFolder(const QString& aValue)
{
    FFolder = aValue;
    edtDocumentFolder->setText(aValue);
}

void TfrmBasicConfig::SetiSSenha(int aValue)
{
    if (aValue < ssBasic || aValue > ssNone)
        return;
    FSSenha = TSSenha(aValue);
    FSSenhaItems->button(aValue)->setChecked(true);
}

void TfrmBasicConfig::IniWrite()
{
    FIni->WriteString(kSection, QStringLiteral("BGPath"), edtPathBasicBG->text());
    FIni->WriteString(kSection, QStringLiteral("DocPath"), edtDocumentFolder->text());
    FIni->WriteInteger(kSection, QStringLiteral("SSenha"), FSSenhaItems->checkedId());
}

void TfrmBasicConfig::SetBackground()
{
    const QString path = edtPathBasicBG->text();
    TfrmPrincipal* principal = MainWindowOf(this);
    if (principal && !path.isEmpty() && QFileInfo(path).isFile())
        principal->SetBackgroundImage(path);
}

void TfrmBasicConfig::IncLog(const QString& aLog)
{
    insLog(cxRichInformacoes, aLog);
}

void TfrmBasicConfig::btn1Click()
{
    IniWrite();
    SetBackground();
    if (edtDocumentFolder->text() != FOlderFolder)
        Dialogs::Message(this, QStringLiteral("É necessário reiniciar a aplicação para as alterações terem efeito."));
}

void TfrmBasicConfig::cxButton6Click()
{
    if (iAvancado)
        iAvancado(this);
}

void TfrmBasicConfig::lblbackgroundClick()
{
    const QString file = Dialogs::OpenFile(this, QStringLiteral("Imagem de fundo"),
                                           QStringLiteral("JPG Images (*.jpg)"), QStringLiteral("jpg"));
    if (!file.isEmpty())
        edtPathBasicBG->setText(file);
}

void TfrmBasicConfig::lblPersonalFolderClick()
{
    const QString folder = Dialogs::Folder(this, QStringLiteral("Pasta de documentos"), edtDocumentFolder->text());
    if (!folder.isEmpty())
        edtDocumentFolder->setText(folder);
}
