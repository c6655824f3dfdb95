#pragma once

// TFrmSobre: the about box. The window caption reads "Sobre - " followed by _iTitle; the project
// name scrolls from right to left.

#include <QDialog>

class QLabel;
class QTabWidget;
class QTimer;
class TFrameLogo;

class TFrmSobre : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmSobre(QWidget* aParent = nullptr);

    void set_iProject(const QString& aValue);
    void set_iVersion(const QString& aValue);
    void set_iTitle(const QString& aValue);

    QTabWidget* cxPageControl1;
    TFrameLogo* FrameLogo1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* jvbLabelProject;
    QLabel* jvLabelVersao;

protected:
    // The three pages, for the derived box to fill.
    QWidget* PageSobre;
    QWidget* PageColaboradores;
    QWidget* PageInscricao;
    // The right column under the logo, for the derived box's own controls.
    QWidget* FRightColumn;

private:
    void ScrollStep();

    QString FTitle;
    QString FVersion;
    QString FProject;
    QTimer* FScroll;
    int FScrollOffset = 0;
};
