#include "lottery/TfrmConfigEspec.h"

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "util/Globals.h"
#include "util/IniFile.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

QPointer<TfrmConfigEspec> frmConfigEspec;

namespace {
struct TBoolOption
{
    const char* Section;
    const char* Key;
    QCheckBox* TfrmConfigEspec::*Control;
    bool Default;
};

// In file order; loading applies them in this order, which settles the exclusive pairs.
const TBoolOption kOptions[] = {
    {"Resumo", "Solitario", &TfrmConfigEspec::chk1, false},
    {"Resumo", "Duque", &TfrmConfigEspec::chk2, false},
    {"Resumo", "Terno", &TfrmConfigEspec::chk3, false},
    {"Resumo", "Quadra", &TfrmConfigEspec::chk4, true},
    {"Resumo", "Quina", &TfrmConfigEspec::chk5, true},
    {"Resumo", "Sena", &TfrmConfigEspec::chk6, true},
    {"Backup", "AoSair", &TfrmConfigEspec::chkBackupAoSair, true},
    {"OneButton", "GrupoMarcado", &TfrmConfigEspec::chkGruposMarcados, true},
    {"OneButton", "GrupoManual", &TfrmConfigEspec::chkGruposManual, true},
    {"OneButton", "ConcursosNovos", &TfrmConfigEspec::chkConcursosNovos, true},
    {"OneButton", "ConcursosUltimos", &TfrmConfigEspec::chkConcursosUltimos, true},
};

QCheckBox* Box(const QString& aName, const QString& aCaption, bool aChecked, QWidget* aParent)
{
    auto* box = new QCheckBox(aCaption, aParent);
    box->setObjectName(aName);
    box->setChecked(aChecked);
    return box;
}

void PairBind(QCheckBox* aFirst, QCheckBox* aSecond)
{
    QObject::connect(aFirst, &QCheckBox::toggled, aSecond,
                     [aSecond](bool aChecked) { aSecond->setChecked(!aChecked); });
    QObject::connect(aSecond, &QCheckBox::toggled, aFirst, [aFirst](bool aChecked) { aFirst->setChecked(!aChecked); });
}
} // namespace

TfrmConfigEspec::TfrmConfigEspec(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmConfigEspec"));
    setWindowTitle(QStringLiteral("Configurações específicas"));
    FrameTop1->Titulo->setText(QStringLiteral("Obrix System BR - Configurações Específicas"));

    cxgrpbx1 = new QGroupBox(QStringLiteral("Incluir no Resumo"), ClientArea());
    cxgrpbx1->setObjectName(QStringLiteral("cxgrpbx1"));
    chk1 = Box(QStringLiteral("chk1"), QStringLiteral("Solitários"), false, cxgrpbx1);
    chk2 = Box(QStringLiteral("chk2"), QStringLiteral("Duques"), false, cxgrpbx1);
    chk3 = Box(QStringLiteral("chk3"), QStringLiteral("Ternos"), false, cxgrpbx1);
    chk4 = Box(QStringLiteral("chk4"), QStringLiteral("Quadras"), true, cxgrpbx1);
    chk5 = Box(QStringLiteral("chk5"), QStringLiteral("Quinas"), true, cxgrpbx1);
    chk6 = Box(QStringLiteral("chk6"), QStringLiteral("Senas"), true, cxgrpbx1);
    auto* summary = new QGridLayout(cxgrpbx1);
    QCheckBox* levels[] = {chk1, chk2, chk3, chk4, chk5, chk6};
    for (int i = 0; i < 6; ++i)
        summary->addWidget(levels[i], i % 3, i / 3);

    cxgrpbx3 = new QGroupBox(QStringLiteral("Um botão faz tudo configuração"), ClientArea());
    cxgrpbx3->setObjectName(QStringLiteral("cxgrpbx3"));
    chkGruposMarcados =
        Box(QStringLiteral("chkGruposMarcados"), QStringLiteral("Usar grupos de apostas marcados"), true, cxgrpbx3);
    chkGruposManual =
        Box(QStringLiteral("chkGruposManual"), QStringLiteral("Sempre escolher manualmente"), false, cxgrpbx3);
    chkConcursosNovos =
        Box(QStringLiteral("chkConcursosNovos"), QStringLiteral("Usar somente novos concursos"), true, cxgrpbx3);
    chkConcursosUltimos = Box(QStringLiteral("chkConcursosUltimos"), QStringLiteral("Usar Ultimos"), false, cxgrpbx3);
    seUltimos = new QSpinBox(cxgrpbx3);
    seUltimos->setObjectName(QStringLiteral("seUltimos"));
    seUltimos->setRange(INT_MIN, INT_MAX);
    seUltimos->setValue(10);
    lbl1 = new QLabel(QStringLiteral("Concursos"), cxgrpbx3);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setBuddy(seUltimos);
    auto* oneButton = new QGridLayout(cxgrpbx3);
    oneButton->addWidget(chkGruposMarcados, 0, 0, 1, 3);
    oneButton->addWidget(chkGruposManual, 1, 0, 1, 3);
    oneButton->addWidget(chkConcursosNovos, 2, 0, 1, 3);
    oneButton->addWidget(chkConcursosUltimos, 3, 0);
    oneButton->addWidget(seUltimos, 3, 1);
    oneButton->addWidget(lbl1, 3, 2);
    oneButton->setColumnStretch(2, 1);

    cxgrpbx2 = new QGroupBox(QStringLiteral(" Restaurar Backup "), ClientArea());
    cxgrpbx2->setObjectName(QStringLiteral("cxgrpbx2"));
    chkBackupAoSair =
        Box(QStringLiteral("chkBackupAoSair"), QStringLiteral("Fazer backup ao sair (Recomendado)"), true, cxgrpbx2);
    btn1 = new QPushButton(QStringLiteral("Restaurar agora"), cxgrpbx2);
    btn1->setObjectName(QStringLiteral("btn1"));
    auto* backup = new QVBoxLayout(cxgrpbx2);
    backup->addWidget(chkBackupAoSair);
    backup->addWidget(btn1, 0, Qt::AlignLeft);

    btnAceitar = new QPushButton(QStringLiteral("Aceitar"), ClientArea());
    btnAceitar->setObjectName(QStringLiteral("btnAceitar"));
    connect(btnAceitar, &QPushButton::clicked, this, &TfrmConfigEspec::btnAceitarClick);

    auto* columns = new QHBoxLayout;
    columns->addWidget(cxgrpbx1, 1);
    columns->addWidget(cxgrpbx3, 1);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(columns);
    layout->addWidget(cxgrpbx2);
    layout->addWidget(btnAceitar, 0, Qt::AlignRight);
    layout->addStretch(1);

    PairBind(chkGruposMarcados, chkGruposManual);
    PairBind(chkConcursosNovos, chkConcursosUltimos);

    FIniFileName = TrailingChar(ExeFolder, QLatin1Char('/'), true) + QStringLiteral("ConfigEspec.ini");
    FIni = std::make_unique<TIniFile>(FIniFileName);
    SettingsLoad();
}

TfrmConfigEspec::~TfrmConfigEspec() = default;

void TfrmConfigEspec::SettingsLoad()
{
    for (const TBoolOption& option : kOptions)
        (this->*option.Control)
            ->setChecked(
                FIni->ReadBool(QString::fromUtf8(option.Section), QString::fromUtf8(option.Key), option.Default));
    seUltimos->setValue(FIni->ReadInteger(QStringLiteral("OneButton"), QStringLiteral("ConcursosUltimosValue"), 10));
}

void TfrmConfigEspec::SettingsSave()
{
    for (const TBoolOption& option : kOptions)
        FIni->WriteBool(QString::fromUtf8(option.Section), QString::fromUtf8(option.Key),
                        (this->*option.Control)->isChecked());
    FIni->WriteInteger(QStringLiteral("OneButton"), QStringLiteral("ConcursosUltimosValue"), seUltimos->value());
}

void TfrmConfigEspec::btnAceitarClick()
{
    SettingsSave();
    Dialogs::Message(this, QStringLiteral("Salvo"));
}

void TfrmConfigEspec::FormClose()
{
    SettingsSave();
}
