#include "app/TfrmDlgProgress.h"

#include "app/TextBox.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDlgProgress::TfrmDlgProgress(QWidget* aParent) : TfrmSplash(aParent)
{
    setObjectName(QStringLiteral("frmDlgProgress"));
    setWindowTitle(QStringLiteral("Progress Dialog"));
    setWindowFlag(Qt::SplashScreen, false);
    setWindowFlag(Qt::Dialog);
    FText = std::make_unique<QStringList>();

    MemoText = new QPlainTextEdit(QStringLiteral("..."), Content());
    MemoText->setObjectName(QStringLiteral("MemoText"));
    MemoText->setReadOnly(true);
    MemoText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pBar = new QProgressBar(Content());
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(FMin, FMax);
    pBar->setTextVisible(false);
    btCancelar = new QPushButton(QStringLiteral("Cancelar"), Content());
    btCancelar->setObjectName(QStringLiteral("btCancelar"));
    btCancelar->setFlat(true);
    btCancelar->hide();
    connect(btCancelar, &QPushButton::clicked, this, &TfrmDlgProgress::btCancelarClick);

    auto* layout = static_cast<QVBoxLayout*>(Content()->layout());
    layout->addWidget(MemoText, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(pBar, 1);
    row->addWidget(btCancelar);
    layout->addLayout(row);
}

void TfrmDlgProgress::MostraForm()
{
    TfrmSplash::MostraForm();
    MemoText->clear();
    show();
    raise();
}

void TfrmDlgProgress::insLog(const QString& aLog)
{
    ::insLog(MemoText, aLog);
}

void TfrmDlgProgress::set_iTexto(std::unique_ptr<QStringList> aValue)
{
    FText = std::move(aValue);
    if (FText)
        MemoText->setPlainText(FText->join(QLatin1Char('\n')));
}

void TfrmDlgProgress::set_iBotao(bool aValue)
{
    FButton = aValue;
    btCancelar->setVisible(aValue);
}

void TfrmDlgProgress::set_iPosicao(int aValue)
{
    FPosition = aValue;
    pBar->setValue(aValue);
}

void TfrmDlgProgress::set_iMin(int aValue)
{
    FMin = aValue;
    pBar->setMinimum(aValue);
}

void TfrmDlgProgress::set_iMax(int aValue)
{
    FMax = aValue;
    pBar->setMaximum(aValue);
}

void TfrmDlgProgress::set_iInfo(const QString& aValue)
{
    FInfo = aValue;
    Titulo->setText(aValue);
}

void TfrmDlgProgress::btCancelarClick()
{
    FResult = prCancel;
    close();
}

void TfrmDlgProgress::closeEvent(QCloseEvent* aEvent)
{
    FText.reset();
    aEvent->accept();
}
