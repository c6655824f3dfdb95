#pragma once

// The about box of Norvadel: the maker's presentation, the thanks to contributors, and the
// "Atualizar" button (updates are not offered in this version).

#include "app/TFrmSobre.h"

#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmSobreNorvadel : public TFrmSobre
{
    Q_OBJECT
public:
    explicit TfrmSobreNorvadel(QWidget* aParent = nullptr);

    QPlainTextEdit* cxMemoNoticias;
    QPlainTextEdit* cxMemo1;
    QLabel* lbl1;
    QLabel* lbl2;
    QPushButton* btnAtualizar;

private:
    void btnAtualizarClick();
};

extern QPointer<TfrmSobreNorvadel> frmSobreNorvadel;
