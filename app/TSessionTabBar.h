#pragma once

// The session tab bar: one tab per session, identified by its tag (the session's tag, unique).
//
// Selection follows the rules the sessions rely on: marking a tab selected is ignored when it is
// the selected tab already, or hidden, or disabled; otherwise it becomes the selected tab, is
// scrolled into view and TabSelected is raised. A click on a tab marks it selected the same way.
// The close button of a tab first marks it selected, then raises TabClosed and does nothing else:
// the bar neither hides nor removes the tab. While TabClosed is being handled the tab reports
// IsClosing. Hiding or adding tabs never raises TabSelected by itself.

#include <QTabBar>

class TSessionTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit TSessionTabBar(QWidget* aParent = nullptr);

    // Adds an invisible tab; returns its index.
    int TabAdd(const QString& aCaption, const QString& aHint, int aTag);
    int TabByTag(int aTag) const;
    int Tag(int aIndex) const;

    void TabShow(int aIndex, bool aShow);
    void TabSelect(int aIndex);
    // The tag of the selected tab, -1 when none has been selected.
    int SelectedTag() const { return FSelectedTag; }
    bool IsClosing(int aIndex) const;
    void TabSetModified(int aIndex);

Q_SIGNALS:
    void TabSelected(int aIndex);
    void TabClosed(int aIndex);

private:
    void CloseRequested(int aIndex);
    void CurrentChanged(int aIndex);

    int FSelectedTag = -1;
    int FClosingTag = -1;
    int FQuiet = 0; // > 0 while the program moves Qt's current tab itself
};
