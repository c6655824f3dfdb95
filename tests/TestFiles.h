#pragma once

// Whole-file reads and writes for tests, and norvadel-cli run as a process (NORVADEL_CLI is the
// tool's path, defined for every test).

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

// The file's bytes; "<unreadable>" when it cannot be read, so that a comparison shows why.
inline QByteArray ReadAll(const QString& aFileName)
{
    QFile file(aFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Replaces the file with aBytes; a failure fails the calling test.
inline void WriteAll(const QString& aFileName, const QByteArray& aBytes)
{
    QFile file(aFileName);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(aBytes), aBytes.size());
}

struct TCliRun
{
    int Exit = -1; // -1 when the tool did not end normally within the time
    QString Out;
    QString Err;
};

inline TCliRun RunCli(const QStringList& aArgs)
{
    QProcess process;
    process.start(QStringLiteral(NORVADEL_CLI), aArgs);
    TCliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.Exit = process.exitCode();
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
