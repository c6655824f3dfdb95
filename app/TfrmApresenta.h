#pragma once

// TfrmApresenta: the reusable welcome screen; it shows the program's version.

#include "app/TfrmBasic.h"

class QLabel;

class TfrmApresenta : public TfrmBasic
{
    Q_OBJECT
public:
    explicit TfrmApresenta(QWidget* aParent = nullptr);

    QLabel* LblVersao;
};
