#include "app/TextBox.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {
void InsertFirstLine(QTextDocument* aDocument, const QString& aLine)
{
    QTextCursor cursor(aDocument);
    cursor.movePosition(QTextCursor::Start);
    if (aDocument->isEmpty())
        cursor.insertText(aLine);
    else
        cursor.insertText(aLine + QLatin1Char('\n'));
}
} // namespace

void insLog(QPlainTextEdit* aBox, const QString& aLine)
{
    InsertFirstLine(aBox->document(), aLine);
}

void insLog(QTextEdit* aBox, const QString& aLine)
{
    InsertFirstLine(aBox->document(), aLine);
}
