#include "users/TQuestionList.h"

#include "users/UserRules.h"

#include <QSignalBlocker>

TQuestionList::TQuestionList(QWidget* aParent) : QListWidget(aParent)
{
    setObjectName(QStringLiteral("lst1"));
    setSelectionMode(QAbstractItemView::NoSelection);
    for (const QString& question : SecretQuestions()) {
        auto* item = new QListWidgetItem(question, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    item(0)->setCheckState(Qt::Checked);
    // Every question shows, and no more room is taken.
    setFixedHeight(sizeHintForRow(0) * count() + 2 * frameWidth() + 4);
    connect(this, &QListWidget::itemChanged, this, &TQuestionList::lst1ClickCheck);
}

void TQuestionList::lst1ClickCheck(QListWidgetItem* aItem)
{
    if (aItem->checkState() != Qt::Checked)
        return;
    const QSignalBlocker blocker(this);
    for (int i = 0; i < count(); ++i)
        if (item(i) != aItem)
            item(i)->setCheckState(Qt::Unchecked);
    viewport()->update();
}

QStringList TQuestionList::CheckedQuestions() const
{
    QStringList questions;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked)
            questions << item(i)->text();
    return questions;
}

QString TQuestionList::FirstCheckedQuestion() const
{
    const QStringList questions = CheckedQuestions();
    return questions.isEmpty() ? QStringLiteral("None") : questions.first();
}
