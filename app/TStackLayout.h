#pragma once

// A layout that gives every widget it holds the whole area, one on top of the other: the work
// area's screens and its background picture. Which one is seen is a matter of visibility and of
// raise(); the layout never hides or reorders anything.

#include <QLayout>

#include <memory>
#include <vector>

class TStackLayout : public QLayout
{
public:
    explicit TStackLayout(QWidget* aParent = nullptr);
    ~TStackLayout() override;

    void addItem(QLayoutItem* aItem) override;
    int count() const override { return int(FItems.size()); }
    QLayoutItem* itemAt(int aIndex) const override;
    QLayoutItem* takeAt(int aIndex) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& aRect) override;

private:
    std::vector<std::unique_ptr<QLayoutItem>> FItems; // takeAt hands an item over to its caller
};
