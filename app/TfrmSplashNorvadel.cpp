#include "app/TfrmSplashNorvadel.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>

TfrmSplashNorvadel::TfrmSplashNorvadel(QWidget* aParent) : TfrmSplash(aParent)
{
    setObjectName(QStringLiteral("frmSplashNorvadel"));
    jvLbl1 = new QLabel(QStringLiteral("Bem Vindo!"), Content());
    jvLbl1->setObjectName(QStringLiteral("jvLbl1"));
    QFont font = jvLbl1->font();
    font.setPixelSize(24);
    font.setBold(true);
    jvLbl1->setFont(font);
    jvLbl1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    auto* shadow = new QGraphicsDropShadowEffect(jvLbl1);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(4);
    jvLbl1->setGraphicsEffect(shadow);
    jvImg1 = new QLabel(Content());
    jvImg1->setObjectName(QStringLiteral("jvImg1"));
    jvImg1->setPixmap(QIcon(QStringLiteral(":/norvadel/logo.svg")).pixmap(QSize(220, 96)));
    jvImg1->setStyleSheet(QStringLiteral("background: transparent;"));
    auto* row = new QHBoxLayout;
    row->addWidget(jvImg1);
    row->addStretch(1);
    row->addWidget(jvLbl1, 0, Qt::AlignBottom);
    static_cast<QBoxLayout*>(Content()->layout())->addLayout(row);
}
