#pragma once

// The title frame on top of every work-area screen: the logo, the title label and the close
// button "X", whose click the window sessions bind.

#include <QFrame>

class QLabel;
class QPushButton;

class TFrameTop : public QFrame
{
    Q_OBJECT
public:
    explicit TFrameTop(QWidget* aParent = nullptr);

    QLabel* Image1;
    QLabel* Titulo;
    QPushButton* btnCloseForm;
};
