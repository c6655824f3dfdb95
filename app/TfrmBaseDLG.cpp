#include "app/TfrmBaseDLG.h"

#include "app/TPictureBox.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QVBoxLayout>

TfrmBaseDLG::TfrmBaseDLG(QWidget* aParent) : QWidget(aParent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmBaseDLG"));
    resize(700, 431);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ShaperDLG = new QWidget(this);
    ShaperDLG->setObjectName(QStringLiteral("ShaperDLG"));
    ShaperDLG->hide();

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setPixmap(ResourcePixmap(QStringLiteral(":/norvadel/splash.svg"), size()));
    img1->setScaledContents(true);
    img1->lower();

    Icone = new QLabel(this);
    Icone->setObjectName(QStringLiteral("Icone"));
    Icone->setFixedSize(65, 65);
    Icone->setPixmap(ResourcePixmap(QStringLiteral(":/norvadel/icon.svg"), QSize(65, 65)));

    lblProject = new QLabel(QStringLiteral("Nome do projeto"), this);
    lblProject->setObjectName(QStringLiteral("lblProject"));
    lblProject->setFixedWidth(562);
    lblVersao = new QLabel(QStringLiteral("Versão 1.0.0.1"), this);
    lblVersao->setObjectName(QStringLiteral("lblVersao"));
    for (QLabel* label : {lblProject, lblVersao}) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 4);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: #0b3d2e; background: transparent;"));
    }

    Titulo = new QLabel(QStringLiteral("Obrix System BR - Buscando o futuro"), this);
    Titulo->setObjectName(QStringLiteral("Titulo"));
    Titulo->setMinimumHeight(28);

    FContent = new QWidget(this);
    FContent->setObjectName(QStringLiteral("DialogContent"));
    auto* contentLayout = new QVBoxLayout(FContent);
    contentLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 24);
    auto* top = new QHBoxLayout;
    auto* names = new QVBoxLayout;
    names->addWidget(lblProject);
    names->addWidget(lblVersao);
    top->addLayout(names, 1);
    top->addWidget(Icone, 0, Qt::AlignTop);
    layout->addLayout(top);
    layout->addWidget(FContent, 1);
    layout->addWidget(Titulo);
}

void TfrmBaseDLG::set_iProject(const QString& aValue)
{
    FProject = aValue;
    lblProject->setText(aValue);
}

void TfrmBaseDLG::set_iVersion(const QString& aValue)
{
    FVersion = aValue;
    lblVersao->setText(aValue);
}

void TfrmBaseDLG::set_iTitle(const QString& aValue)
{
    FTitle = aValue;
    Titulo->setText(aValue);
}

void TfrmBaseDLG::MostraForm()
{
    show();
}

void TfrmBaseDLG::resizeEvent(QResizeEvent* aEvent)
{
    QWidget::resizeEvent(aEvent);
    img1->setGeometry(rect());
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 18, 18);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}
