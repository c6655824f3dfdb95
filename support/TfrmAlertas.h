#pragma once

// TfrmAlertas: the settings of the desktop alerts (header text and display time, in Alertas.ini)
// and the maker of every alert: CreateAlerta gives an alert with those settings, owned by this
// screen and kept in its stack so that its alerts never cover one another.

#include "app/TfrmBasic.h"

#include <QPointer>

#include <memory>

class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class TAlertStack;
class TDesktopAlert;
class TIniFile;

enum TAlertTypes
{
    talBasic,
    talWarning,
    talHelp,
    talInformation
};

class TfrmAlertas : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmAlertas(QWidget* aParent = nullptr);
    ~TfrmAlertas() override;

    // A new alert: header = edtHeaderText + the kind's suffix, display time = spinDuration (ms).
    // The caller sets the message and shows it.
    TDesktopAlert* CreateAlerta(TAlertTypes aTipo);

    QLineEdit* edtHeaderText;
    QDoubleSpinBox* spinDuration;
    QPushButton* cxBtnAceitar;
    TAlertStack* AlertStack;

private:
    void cxBtnAceitarClick();
    void SettingsWrite();

    std::unique_ptr<TIniFile> FIni;
    QString FInifileName;
};

extern QPointer<TfrmAlertas> frmAlertas;
