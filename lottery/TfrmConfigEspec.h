#pragma once

// TfrmConfigEspec: the lottery options, in ConfigEspec.ini of the program folder: which hit levels
// go into the welcome screen's summary, which contests and groups a check uses, and the backup
// option. The checking reads the check boxes themselves, so the options in force are the ones on
// screen, saved or not.
//
// "Usar grupos de apostas marcados" / "Sempre escolher manualmente" and "Usar somente novos
// concursos" / "Usar Ultimos" are exclusive pairs: whenever one box of a pair changes, by a click
// or by code, the other takes the opposite state.

#include "app/TfrmBasic.h"

#include <QPointer>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TIniFile;

class TfrmConfigEspec : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmConfigEspec(QWidget* aParent = nullptr);
    ~TfrmConfigEspec() override;

    // Applies the file's keys, in order, over the form's own states (missing keys: defaults).
    void SettingsLoad();
    // Writes every option. Throws EInOutError when the file cannot be written.
    void SettingsSave();

    QGroupBox* cxgrpbx1;
    QCheckBox* chk1;
    QCheckBox* chk2;
    QCheckBox* chk3;
    QCheckBox* chk4;
    QCheckBox* chk5;
    QCheckBox* chk6;
    QGroupBox* cxgrpbx3;
    QCheckBox* chkGruposMarcados;
    QCheckBox* chkGruposManual;
    QCheckBox* chkConcursosNovos;
    QCheckBox* chkConcursosUltimos;
    QSpinBox* seUltimos;
    QLabel* lbl1;
    QGroupBox* cxgrpbx2;
    QCheckBox* chkBackupAoSair;
    QPushButton* btn1;
    QPushButton* btnAceitar;

protected:
    void FormClose() override;

private:
    void btnAceitarClick();

    QString FIniFileName;
    std::unique_ptr<TIniFile> FIni;
};

extern QPointer<TfrmConfigEspec> frmConfigEspec;
