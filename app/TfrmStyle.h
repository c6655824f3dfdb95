#pragma once

// TfrmStyle: the hidden holder of the look every form shares. Creating it applies the one style
// sheet of the program to the whole application; it is created at start-up before the other
// forms and lives until the main window closes.

#include <QPointer>
#include <QWidget>

class TfrmStyle : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmStyle(QWidget* aParent = nullptr);
    ~TfrmStyle() override;

    // The program's style sheet.
    static QString StyleSheet();
};

extern QPointer<TfrmStyle> frmStyle;
