#include "app/TStackLayout.h"

#include <QWidget>

TStackLayout::TStackLayout(QWidget* aParent) : QLayout(aParent)
{
    setContentsMargins(0, 0, 0, 0);
}

TStackLayout::~TStackLayout() = default;

void TStackLayout::addItem(QLayoutItem* aItem)
{
    FItems.emplace_back(aItem);
}

QLayoutItem* TStackLayout::itemAt(int aIndex) const
{
    return aIndex >= 0 && aIndex < count() ? FItems[std::size_t(aIndex)].get() : nullptr;
}

QLayoutItem* TStackLayout::takeAt(int aIndex)
{
    if (aIndex < 0 || aIndex >= count())
        return nullptr;
    QLayoutItem* item = FItems[std::size_t(aIndex)].release();
    FItems.erase(FItems.begin() + aIndex);
    return item;
}

QSize TStackLayout::sizeHint() const
{
    QSize size(200, 150);
    for (const auto& item : FItems)
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    return size;
}

QSize TStackLayout::minimumSize() const
{
    QSize size(0, 0);
    for (const auto& item : FItems)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    return size;
}

void TStackLayout::setGeometry(const QRect& aRect)
{
    QLayout::setGeometry(aRect);
    for (const auto& item : FItems)
        item->setGeometry(aRect);
}
