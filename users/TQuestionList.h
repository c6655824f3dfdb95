#pragma once

// The secret-question list of the registration and recovery screens: a check list of the
// program's questions where at most one item is checked. Checking an item unchecks the others;
// unchecking the checked item leaves none checked. The first question starts checked.

#include <QListWidget>

class TQuestionList : public QListWidget
{
    Q_OBJECT
public:
    explicit TQuestionList(QWidget* aParent = nullptr);

    // The texts of the checked items, from the top (at most one).
    QStringList CheckedQuestions() const;
    // The first checked item's text, or "None" when no item is checked.
    QString FirstCheckedQuestion() const;

private:
    void lst1ClickCheck(QListWidgetItem* aItem);
};
