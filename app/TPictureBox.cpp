#include "app/TPictureBox.h"

#include <QImageReader>
#include <QPainter>

TPictureBox::TPictureBox(QWidget* aParent) : QWidget(aParent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

bool TPictureBox::LoadFromFile(const QString& aFileName)
{
    QImageReader reader(aFileName);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    setPicture(QPixmap::fromImage(image), aFileName);
    return true;
}

void TPictureBox::setPicture(const QPixmap& aPicture, const QString& aFileName)
{
    FPicture = aPicture;
    FFileName = aFileName;
    update();
}

void TPictureBox::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize scaled = FPicture.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
    const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled);
    painter.drawPixmap(target, FPicture);
}
