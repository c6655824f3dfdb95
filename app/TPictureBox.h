#pragma once

// A picture that fills its widget, cut to keep its proportions (the work area's background).

#include <QPixmap>
#include <QWidget>

class TPictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit TPictureBox(QWidget* aParent = nullptr);

    // False (picture unchanged) when aFileName does not load.
    bool LoadFromFile(const QString& aFileName);
    void setPicture(const QPixmap& aPicture, const QString& aFileName = QString());
    const QPixmap& Picture() const { return FPicture; }
    // The file the picture came from; empty for the designed picture.
    const QString& FileName() const { return FFileName; }

protected:
    void paintEvent(QPaintEvent* aEvent) override;

private:
    QPixmap FPicture;
    QString FFileName;
};

// A picture of the program's resources (":/norvadel/…", SVG included) drawn at aSize, drawn once
// per run: every dialog and title frame shows the same few pictures.
QPixmap ResourcePixmap(const QString& aFile, const QSize& aSize);
