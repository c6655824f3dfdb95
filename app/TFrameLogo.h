#pragma once

// The logo frame of the about box.

#include <QFrame>

class QLabel;

class TFrameLogo : public QFrame
{
    Q_OBJECT
public:
    explicit TFrameLogo(QWidget* aParent = nullptr);

    QLabel* Image1;
};
