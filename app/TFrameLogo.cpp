#include "app/TFrameLogo.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

TFrameLogo::TFrameLogo(QWidget* aParent) : QFrame(aParent)
{
    setObjectName(QStringLiteral("FrameLogo1"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(340, 163);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QIcon(QStringLiteral(":/norvadel/logo.svg")).pixmap(QSize(340, 150)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
}
