#include "app/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace Dialogs {
namespace {
std::shared_ptr<THandler>& Handler()
{
    static std::shared_ptr<THandler> handler;
    return handler;
}

QString Title(const QString& aTitle)
{
    return aTitle.isEmpty() ? QApplication::applicationName() : aTitle;
}
} // namespace

void SetHandler(std::shared_ptr<THandler> aHandler)
{
    Handler() = std::move(aHandler);
}

void Message(QWidget* aParent, const QString& aText, const QString& aTitle)
{
    if (const auto handler = Handler()) {
        handler->Message(aText, aTitle);
        return;
    }
    QMessageBox::information(aParent, Title(aTitle), aText);
}

bool Confirm(QWidget* aParent, const QString& aText, const QString& aTitle)
{
    if (const auto handler = Handler())
        return handler->Confirm(aText, aTitle);
    return QMessageBox::question(aParent, Title(aTitle), aText, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

namespace {
// The file chosen in a file dialog, or an empty text when the user cancels.
QString ChooseFile(QWidget* aParent, bool aOpen, const QString& aTitle, const QString& aFilter,
                   const QString& aDefaultSuffix, const QString& aFolder)
{
    if (const auto handler = Handler())
        return handler->Path(aOpen ? QStringLiteral("open") : QStringLiteral("save"), aTitle, aFilter);
    QFileDialog dialog(aParent, aTitle, aFolder, aFilter);
    dialog.setAcceptMode(aOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (aOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(aDefaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}
} // namespace

QString OpenFile(QWidget* aParent, const QString& aTitle, const QString& aFilter, const QString& aDefaultSuffix,
                 const QString& aFolder)
{
    return ChooseFile(aParent, true, aTitle, aFilter, aDefaultSuffix, aFolder);
}

QString SaveFile(QWidget* aParent, const QString& aTitle, const QString& aFilter, const QString& aDefaultSuffix,
                 const QString& aFolder)
{
    return ChooseFile(aParent, false, aTitle, aFilter, aDefaultSuffix, aFolder);
}

QString Folder(QWidget* aParent, const QString& aTitle, const QString& aFolder)
{
    if (const auto handler = Handler())
        return handler->Path(QStringLiteral("folder"), aTitle, QString());
    return QFileDialog::getExistingDirectory(aParent, aTitle, aFolder);
}

void TScriptedHandler::Message(const QString& aText, const QString&)
{
    Messages.append(aText);
}

bool TScriptedHandler::Confirm(const QString& aText, const QString&)
{
    Messages.append(aText);
    return ConfirmAnswers.isEmpty() ? false : ConfirmAnswers.takeFirst();
}

QString TScriptedHandler::Path(const QString&, const QString&, const QString&)
{
    return PathAnswers.isEmpty() ? QString() : PathAnswers.takeFirst();
}

} // namespace Dialogs
