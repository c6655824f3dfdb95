#pragma once

// A label that reads and acts like a link: blue, underlined, a hand cursor, and clicked() when the
// left button is released over it; greyed when disabled. Its text() is the plain caption.

#include <QLabel>

class TLinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLinkLabel(const QString& aText, QWidget* aParent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* aEvent) override;
    void keyPressEvent(QKeyEvent* aEvent) override;
};
