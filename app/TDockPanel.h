#pragma once

// A panel of the main window's dock site: the top "Menu" panel and the left "Utilidades" panel.
// It lies over the work area. In auto-hide mode it stays hidden until Reveal (the main window
// reveals it when the mouse comes near its edge) and hides again once the mouse has left it and
// the keyboard focus is not inside it. Forms are docked into Body().

#include <QFrame>

class QLabel;
class QTimer;
class QToolButton;

class TDockPanel : public QFrame
{
    Q_OBJECT
public:
    // An empty aCaption gives a panel without a caption bar.
    TDockPanel(const QString& aName, const QString& aCaption, QWidget* aParent);

    bool AutoHide() const { return FAutoHide; }
    void setAutoHide(bool aValue);
    void Reveal();
    QWidget* Body() const { return FBody; }

Q_SIGNALS:
    void Activated();

protected:
    void enterEvent(QEnterEvent* aEvent) override;
    void leaveEvent(QEvent* aEvent) override;

private:
    void HideLater();
    void HideIfIdle();

    QWidget* FBody;
    QTimer* FHideTimer;
    bool FAutoHide = false;
};
