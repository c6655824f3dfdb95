#include "app/TfrmSplash.h"

TfrmSplash::TfrmSplash(QWidget* aParent) : TfrmBaseDLG(aParent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlag(Qt::SplashScreen);
    resize(703, 435);
    ShaperSplash = new QWidget(this);
    ShaperSplash->setObjectName(QStringLiteral("ShaperSplash"));
    ShaperSplash->hide();
}
