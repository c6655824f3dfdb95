#include "app/TPictureBox.h"

#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

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

QPixmap ResourcePixmap(const QString& aFile, const QSize& aSize)
{
    const QString key = QStringLiteral("%1@%2x%3").arg(aFile).arg(aSize.width()).arg(aSize.height());
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QIcon(aFile).pixmap(aSize);
        QPixmapCache::insert(key, picture);
    }
    return picture;
}
