#pragma once

// TfrmSplash: the first splash of the start-up; TfrmSplashNorvadel adds the greeting and the
// picture of the second one. Neither has behaviour of its own.

#include "app/TfrmBaseDLG.h"

class TfrmSplash : public TfrmBaseDLG
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* aParent = nullptr);

    QWidget* ShaperSplash;
};
