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

    template <typename T> T* Find(const QString& aName) const
    {
        T* found = Window->findChild<T*>(aName);
        if (!found)
            qWarning("no control %s", qPrintable(aName));
        return found;
    }

    QTemporaryDir Folder;
    std::shared_ptr<Dialogs::TScriptedHandler> Answers;
    std::unique_ptr<TfrmPrincipalNorvadel> Window;
};
