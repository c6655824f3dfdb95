#include "app/TLinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& aText, QWidget* aParent) : QLabel(aText, aParent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // A disabled link looks disabled: greyed, not underlined.
    setStyleSheet(QStringLiteral("QLabel { color: #1a4fd6; text-decoration: underline; }"
                                 " QLabel:disabled { color: palette(mid); text-decoration: none; }"));
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* aEvent)
{
    if (aEvent->button() == Qt::LeftButton && rect().contains(aEvent->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(aEvent);
}

void TLinkLabel::keyPressEvent(QKeyEvent* aEvent)
{
    if (aEvent->key() == Qt::Key_Space) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(aEvent);
}
