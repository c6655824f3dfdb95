#include "app/TFrmSobre.h"

#include "app/TFrameLogo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

TFrmSobre::TFrmSobre(QWidget* aParent) : QDialog(aParent)
{
    setObjectName(QStringLiteral("FrmSobre"));
    setWindowTitle(QStringLiteral("Sobre"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    resize(776, 478);

    cxPageControl1 = new QTabWidget(this);
    cxPageControl1->setObjectName(QStringLiteral("cxPageControl1"));
    PageSobre = new QWidget;
    PageColaboradores = new QWidget;
    PageInscricao = new QWidget;
    for (QWidget* page : {PageSobre, PageColaboradores, PageInscricao})
        new QVBoxLayout(page);
    cxPageControl1->addTab(PageSobre, QStringLiteral("Sobre"));
    cxPageControl1->addTab(PageColaboradores, QStringLiteral("Colaboradores"));
    cxPageControl1->addTab(PageInscricao, QStringLiteral("Inscrição"));
    cxPageControl1->setCurrentIndex(0);

    FrameLogo1 = new TFrameLogo(this);
    Label1 = new QLabel(QStringLiteral("Projeto:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Versão"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QStringLiteral("Atualização"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: maroon; font-size: 16px;"));
    jvbLabelProject = new QLabel(QStringLiteral("outro"), this);
    jvbLabelProject->setObjectName(QStringLiteral("jvbLabelProject"));
    jvbLabelProject->setMinimumWidth(220);
    jvLabelVersao = new QLabel(QStringLiteral("1.0.0.0 Beta"), this);
    jvLabelVersao->setObjectName(QStringLiteral("jvLabelVersao"));

    FRightColumn = new QWidget(this);
    auto* right = new QVBoxLayout(FRightColumn);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(FrameLogo1, 0, Qt::AlignHCenter);
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(jvbLabelProject, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(jvLabelVersao, 1, 1);
    grid->setColumnStretch(1, 1);
    right->addLayout(grid);
    right->addWidget(Label3);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(cxPageControl1, 1);
    layout->addWidget(FRightColumn, 1);

    FScroll = new QTimer(this);
    FScroll->setInterval(180);
    connect(FScroll, &QTimer::timeout, this, &TFrmSobre::ScrollStep);
}

void TFrmSobre::set_iProject(const QString& aValue)
{
    FScroll->stop();
    FProject = aValue;
    FScrollOffset = 0;
    jvbLabelProject->setText(aValue);
    jvbLabelProject->setAccessibleName(aValue);
    FScroll->start();
}

void TFrmSobre::set_iVersion(const QString& aValue)
{
    FVersion = aValue;
    jvLabelVersao->setText(aValue);
}

void TFrmSobre::set_iTitle(const QString& aValue)
{
    FTitle = aValue;
    setWindowTitle(QStringLiteral("Sobre - ") + aValue);
}

void TFrmSobre::ScrollStep()
{
    // The text runs from right to left: a window over the text and a gap, moving by one letter.
    if (FProject.isEmpty())
        return;
    const QString loop = FProject + QStringLiteral("     ");
    FScrollOffset = (FScrollOffset + 1) % int(loop.size());
    jvbLabelProject->setText((loop.mid(FScrollOffset) + loop.left(FScrollOffset)).trimmed());
}
