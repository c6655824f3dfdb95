#include "app/TStackLayout.h"

#include <QWidget>

TStackLayout::TStackLayout(QWidget* aParent) : QLayout(aParent)
{
    setContentsMargins(0, 0, 0, 0);
}

TStackLayout::~TStackLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void TStackLayout::addItem(QLayoutItem* aItem)
{
    FItems.append(aItem);
}

QLayoutItem* TStackLayout::itemAt(int aIndex) const
{
    return aIndex >= 0 && aIndex < FItems.size() ? FItems.at(aIndex) : nullptr;
}

QLayoutItem* TStackLayout::takeAt(int aIndex)
{
    return aIndex >= 0 && aIndex < FItems.size() ? FItems.takeAt(aIndex) : nullptr;
}

QSize TStackLayout::sizeHint() const
{
    QSize size(200, 150);
    for (const QLayoutItem* item : FItems)
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    return size;
}

QSize TStackLayout::minimumSize() const
{
    QSize size(0, 0);
    for (const QLayoutItem* item : FItems)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    return size;
}

void TStackLayout::setGeometry(const QRect& aRect)
{
    QLayout::setGeometry(aRect);
    for (QLayoutItem* item : FItems)
        item->setGeometry(aRect);
}
