#pragma once

// TfrmDlgProgress: the progress dialog of long operations. The caller sets the range and the
// texts, calls MostraForm, then during the work moves _iPosicao, adds lines with insLog (newest on
// top) and stops when _iResultado reads prCancel: cancelling only records prCancel and hides the
// dialog.

#include "app/TBasicDefs.h"
#include "app/TfrmSplash.h"

#include <QStringList>

#include <memory>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class TfrmDlgProgress : public TfrmSplash
{
    Q_OBJECT
public:
    explicit TfrmDlgProgress(QWidget* aParent = nullptr);

    void MostraForm() override;
    void insLog(const QString& aLog);

    void set_iTexto(std::unique_ptr<QStringList> aValue);
    const QStringList* _iTexto() const { return FText.get(); }
    void set_iBotao(bool aValue);
    bool _iBotao() const { return FButton; }
    TPersonalResult _iResultado() const { return FResult; }
    void set_iPosicao(int aValue);
    int _iPosicao() const { return FPosition; }
    void set_iMin(int aValue);
    int _iMin() const { return FMin; }
    void set_iMax(int aValue);
    int _iMax() const { return FMax; }
    void set_iInfo(const QString& aValue);
    QString _iInfo() const { return FInfo; }

    QPushButton* btCancelar;
    QPlainTextEdit* MemoText;
    QProgressBar* pBar;

protected:
    void closeEvent(QCloseEvent* aEvent) override;

private:
    void btCancelarClick();

    std::unique_ptr<QStringList> FText;
    bool FButton = false;
    int FPosition = 0;
    int FMin = 0;
    int FMax = 100;
    QString FInfo;
    TPersonalResult FResult = prNone;
};
