#include "support/TfrmAlertas.h"

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "support/TDesktopAlert.h"
#include "util/Globals.h"
#include "util/IniFile.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QPointer<TfrmAlertas> frmAlertas;

namespace {
const QString kSection = QStringLiteral("Alerta");
}

TfrmAlertas::TfrmAlertas(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmAlertas"));
    setWindowTitle(QStringLiteral("Alertas do sistema"));
    FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Configuração do sistema de alertas"));

    auto* group = new QGroupBox(QStringLiteral("Configurações de alerta"), ClientArea());
    group->setObjectName(QStringLiteral("grpAlerta"));
    edtHeaderText = new QLineEdit(group);
    edtHeaderText->setObjectName(QStringLiteral("edtHeaderText"));
    spinDuration = new QDoubleSpinBox(group);
    spinDuration->setObjectName(QStringLiteral("spinDuration"));
    spinDuration->setDecimals(0);
    spinDuration->setRange(0, 1e9);
    spinDuration->setAlignment(Qt::AlignRight);
    cxBtnAceitar = new QPushButton(QStringLiteral("Aceitar"), group);
    cxBtnAceitar->setObjectName(QStringLiteral("cxBtnAceitar"));
    AlertStack = new TAlertStack(this);

    auto* grid = new QGridLayout(group);
    auto* headerLabel = new QLabel(QStringLiteral("Titulo básico"), group);
    headerLabel->setBuddy(edtHeaderText);
    auto* durationLabel = new QLabel(QStringLiteral("Tempo visível"), group);
    durationLabel->setBuddy(spinDuration);
    grid->addWidget(headerLabel, 0, 0);
    grid->addWidget(edtHeaderText, 0, 1, 1, 2);
    grid->addWidget(durationLabel, 1, 0);
    grid->addWidget(spinDuration, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Milisegundos"), group), 1, 2);
    grid->addWidget(cxBtnAceitar, 2, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(group);
    layout->addStretch(1);
    connect(cxBtnAceitar, &QPushButton::clicked, this, &TfrmAlertas::cxBtnAceitarClick);

    FInifileName = ExeFolder + QStringLiteral("Alertas.ini");
    FIni = std::make_unique<TIniFile>(FInifileName);
    spinDuration->setValue(FIni->ReadFloat(kSection, QStringLiteral("Duracao"), 9400));
    edtHeaderText->setText(FIni->ReadString(kSection, QStringLiteral("Nome"), QStringLiteral("Digite seu nome aqui")));
    SettingsWrite();
}

TfrmAlertas::~TfrmAlertas() = default;

void TfrmAlertas::SettingsWrite()
{
    FIni->WriteFloat(kSection, QStringLiteral("Duracao"), spinDuration->value());
    FIni->WriteString(kSection, QStringLiteral("Nome"), edtHeaderText->text());
}

TDesktopAlert* TfrmAlertas::CreateAlerta(TAlertTypes aTipo)
{
    static const char* const kSuffixes[] = {" - Alerta Basico", " - Alerta vermelho", " - Alerta auxiliar",
                                            " - Alerta informativo"};
    auto* alert = new TDesktopAlert(this);
    alert->setHeaderText(edtHeaderText->text() + QString::fromUtf8(kSuffixes[aTipo]));
    alert->setDisplayTime(int(spinDuration->value()));
    alert->setAlertStack(AlertStack);
    return alert;
}

void TfrmAlertas::cxBtnAceitarClick()
{
    SettingsWrite();
    Dialogs::Message(this, QStringLiteral("Gravado!"));
}
