#pragma once

#include "app/TfrmSplash.h"

class QLabel;

class TfrmSplashNorvadel : public TfrmSplash
{
    Q_OBJECT
public:
    explicit TfrmSplashNorvadel(QWidget* aParent = nullptr);

    QLabel* jvLbl1;
    QLabel* jvImg1;
};
