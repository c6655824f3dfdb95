#pragma once

// TfrmBaseDLG: the base of the borderless, picture-shaped dialogs (the splash forms, the progress
// dialog, the crash report). It shows the project name, the version and a title in its header
// panel; the three are write-only properties.

#include <QWidget>

class QLabel;

class TfrmBaseDLG : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmBaseDLG(QWidget* aParent = nullptr);

    void set_iProject(const QString& aValue);
    void set_iVersion(const QString& aValue);
    void set_iTitle(const QString& aValue);

    // Shows the dialog, not modally.
    virtual void MostraForm();

    QWidget* ShaperDLG; // cuts the window to its rounded outline
    QLabel* img1;
    QLabel* Icone;
    QLabel* Titulo;
    QLabel* lblVersao;
    QLabel* lblProject;

protected:
    void resizeEvent(QResizeEvent* aEvent) override;
    // Where derived dialogs put their own controls, between the names and the header panel.
    QWidget* Content() const { return FContent; }

private:
    QString FProject;
    QString FVersion;
    QString FTitle;
    QWidget* FContent;
};
