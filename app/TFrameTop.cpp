#include "app/TFrameTop.h"

#include "app/TPictureBox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

TFrameTop::TFrameTop(QWidget* aParent) : QFrame(aParent)
{
    setObjectName(QStringLiteral("FrameTop1"));
    setFixedHeight(32);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedWidth(73);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(ResourcePixmap(QStringLiteral(":/norvadel/logo.svg"), QSize(64, 28)));

    Titulo = new QLabel(QStringLiteral("Obrix System BR - Buscando o futuro"), this);
    Titulo->setObjectName(QStringLiteral("Titulo"));
    Titulo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    btnCloseForm = new QPushButton(QStringLiteral("X"), this);
    btnCloseForm->setObjectName(QStringLiteral("btnCloseForm"));
    btnCloseForm->setFixedSize(36, 32);
    btnCloseForm->setToolTip(QStringLiteral("Fechar"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(Titulo, 1);
    layout->addWidget(btnCloseForm);
}
