#pragma once

// The real main window on temporary folders, for the GUI tests: a program folder and a documents
// folder of their own, no splash wait, and every dialog answered through the Dialogs seam.

#include "app/Dialogs.h"
#include "app/TfrmPrincipalNorvadel.h"
#include "util/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <source_location>
#include <stdexcept>

// A control that a test looks for is not there. The test has already failed, naming the control;
// QtTest 6.4 also reports the exception as a failure and then ends the run with it, which
// RunShellTests turns into a failed exit.
class TMissingControl : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Runs a helper that checks as it goes (QVERIFY returns from the helper only) and ends the
// calling test at its first failure.
#define STEP(aCall)                                                                                                    \
    do {                                                                                                               \
        aCall;                                                                                                         \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

class TShell
{
public:
    TShell()
    {
        Answers = std::make_shared<Dialogs::TScriptedHandler>();
        Dialogs::SetHandler(Answers);
    }
    ~TShell()
    {
        Close();
        Dialogs::SetHandler(nullptr);
    }

    QString Program(const QString& aFile = QString()) const
    {
        return Folder.filePath(QStringLiteral("program/")) + aFile;
    }
    QString Documents() const { return Folder.filePath(QStringLiteral("documents")); }

    // Writes aText into a file of the program folder before the start.
    void ProgramFile(const QString& aFile, const QByteArray& aText) const
    {
        QDir().mkpath(Program());
        QFile file(Program(aFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(aText);
    }

    QString ProgramText(const QString& aFile) const
    {
        QFile file(Program(aFile));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QString IniValue(const QString& aFile, const QString& aSection, const QString& aKey) const
    {
        return TIniFile(Program(aFile)).ReadString(aSection, aKey, QStringLiteral("<none>"));
    }

    TfrmPrincipalNorvadel* Start()
    {
        QDir().mkpath(Program());
        QDir().mkpath(Documents());
        TStartConfig config;
        config.ProgramFolder = Program();
        config.DocumentsFolder = Documents();
        config.SplashDelay = 0;
        Window = std::make_unique<TfrmPrincipalNorvadel>(config);
        Window->show();
        return Window.get();
    }

    // Closes the window as the user would (the close sequence runs) and releases it.
    void Close()
    {
        if (!Window)
            return;
        Window->close();
        Window.reset();
    }

    // The control aName of the window; never null: without it the test fails at the caller's line.
    template <typename T>
    T* Find(const QString& aName, const std::source_location aWhere = std::source_location::current()) const
    {
        T* found = Window ? Window->findChild<T*>(aName) : nullptr;
        if (!found) {
            const QByteArray message =
                "no control " + aName.toUtf8() + " (" + T::staticMetaObject.className() + ") in the main window";
            QTest::qFail(message.constData(), aWhere.file_name(), int(aWhere.line()));
            throw TMissingControl(message.toStdString());
        }
        return found;
    }

    QTemporaryDir Folder;
    std::shared_ptr<Dialogs::TScriptedHandler> Answers;
    std::unique_ptr<TfrmPrincipalNorvadel> Window;
};

// QTest::qExec for the tests that use TShell::Find: a missing control ends the run as a failure
// (already reported) instead of aborting the program.
inline int RunShellTests(QObject& aTest, int aArgc, char** aArgv)
{
    try {
        return QTest::qExec(&aTest, aArgc, aArgv);
    } catch (const TMissingControl&) {
        return 1;
    }
}
