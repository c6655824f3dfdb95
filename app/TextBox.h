#pragma once

// Results, progress and news boxes show the newest line on top. This is the one way lines are put
// there, so that every box reads the same.

class QPlainTextEdit;
class QString;
class QTextEdit;

// Inserts aLine as the first line of aBox; an empty box gets just that line (no trailing break).
void insLog(QPlainTextEdit* aBox, const QString& aLine);
void insLog(QTextEdit* aBox, const QString& aLine);
