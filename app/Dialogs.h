#pragma once

// Every message box, confirmation and file or folder dialog of the program goes through here,
// so that tests can give the answer (or the chosen path) and read what was shown.
//
// Without a handler installed, the real Qt dialogs are used.

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace Dialogs {

// A plain message with an OK button.
void Message(QWidget* aParent, const QString& aText, const QString& aTitle = QString());
// A question with "Sim" and "Não"; true for "Sim".
bool Confirm(QWidget* aParent, const QString& aText, const QString& aTitle = QString());
// The chosen file, or an empty text when the user cancels.
QString OpenFile(QWidget* aParent, const QString& aTitle, const QString& aFilter, const QString& aDefaultSuffix,
                 const QString& aFolder = QString());
QString SaveFile(QWidget* aParent, const QString& aTitle, const QString& aFilter, const QString& aDefaultSuffix,
                 const QString& aFolder = QString());
// The chosen folder, or an empty text when the user cancels.
QString Folder(QWidget* aParent, const QString& aTitle, const QString& aFolder = QString());

// What a test installs: it answers every dialog and records what was asked.
class THandler
{
public:
    virtual ~THandler() = default;
    virtual void Message(const QString& aText, const QString& aTitle) = 0;
    virtual bool Confirm(const QString& aText, const QString& aTitle) = 0;
    // aKind is "open", "save" or "folder".
    virtual QString Path(const QString& aKind, const QString& aTitle, const QString& aFilter) = 0;
};

// A handler that answers from queues and keeps every text shown: what most tests need.
class TScriptedHandler : public THandler
{
public:
    QStringList Messages;       // every message and confirmation text, in order
    QList<bool> ConfirmAnswers; // taken from the front; "Não" when empty
    QStringList PathAnswers;    // taken from the front; cancel (empty) when empty

    void Message(const QString& aText, const QString& aTitle) override;
    bool Confirm(const QString& aText, const QString& aTitle) override;
    QString Path(const QString& aKind, const QString& aTitle, const QString& aFilter) override;
};

// Installs aHandler for every later dialog; nullptr restores the real dialogs.
void SetHandler(std::shared_ptr<THandler> aHandler);

} // namespace Dialogs
