#include "app/TSessionTabBar.h"

namespace {
// Runs aChange with Qt's own current-tab notifications muted.
template <typename F> void Quietly(int& aQuiet, F aChange)
{
    ++aQuiet;
    aChange();
    --aQuiet;
}
} // namespace

TSessionTabBar::TSessionTabBar(QWidget* aParent) : QTabBar(aParent)
{
    setObjectName(QStringLiteral("SessionBar"));
    setTabsClosable(true);
    setMovable(true);
    setExpanding(false);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    setAttribute(Qt::WA_Hover);
    connect(this, &QTabBar::tabCloseRequested, this, &TSessionTabBar::CloseRequested);
    connect(this, &QTabBar::tabBarClicked, this, [this](int aIndex) {
        if (aIndex >= 0)
            TabSelect(aIndex);
    });
    connect(this, &QTabBar::currentChanged, this, &TSessionTabBar::CurrentChanged);
}

int TSessionTabBar::TabAdd(const QString& aCaption, const QString& aHint, int aTag)
{
    int index = -1;
    Quietly(FQuiet, [&] {
        index = addTab(aCaption);
        setTabToolTip(index, aHint);
        setTabData(index, aTag);
        setTabVisible(index, false);
    });
    return index;
}

int TSessionTabBar::TabByTag(int aTag) const
{
    for (int i = 0; i < count(); ++i)
        if (Tag(i) == aTag)
            return i;
    return -1;
}

int TSessionTabBar::Tag(int aIndex) const
{
    const QVariant value = tabData(aIndex);
    return value.isValid() ? value.toInt() : -1;
}

void TSessionTabBar::TabShow(int aIndex, bool aShow)
{
    if (aIndex < 0)
        return;
    Quietly(FQuiet, [&] { setTabVisible(aIndex, aShow); });
}

void TSessionTabBar::TabSelect(int aIndex)
{
    if (aIndex < 0 || aIndex >= count() || Tag(aIndex) == FSelectedTag || !isTabVisible(aIndex) ||
        !isTabEnabled(aIndex))
        return;
    FSelectedTag = Tag(aIndex);
    Quietly(FQuiet, [&] { setCurrentIndex(aIndex); });
    Q_EMIT TabSelected(aIndex);
}

bool TSessionTabBar::IsClosing(int aIndex) const
{
    return aIndex >= 0 && FClosingTag >= 0 && Tag(aIndex) == FClosingTag;
}

void TSessionTabBar::TabSetModified(int aIndex)
{
    if (aIndex >= 0)
        setTabTextColor(aIndex, QColor(0x99, 0x1b, 0x1b));
}

void TSessionTabBar::CloseRequested(int aIndex)
{
    TabSelect(aIndex);
    const int previous = FClosingTag;
    FClosingTag = Tag(aIndex);
    Q_EMIT TabClosed(aIndex);
    FClosingTag = previous;
}

void TSessionTabBar::CurrentChanged(int aIndex)
{
    // Keyboard and wheel changes; clicks come through tabBarClicked first.
    if (FQuiet == 0 && aIndex >= 0)
        TabSelect(aIndex);
}
