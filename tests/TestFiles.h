#pragma once

// Whole-file reads and writes for tests, and norvadel-cli run as a process (NORVADEL_CLI is the
// tool's path, defined for every test).

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

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

// True when this process is refused what a file's mode forbids, as every ordinary user is. Root
// with its usual capabilities reads and writes everything; CTest runs the tests without those
// capabilities (tests/unprivileged), so tests of failing reads and writes run there too.
inline bool FileModesHold()
{
    QTemporaryDir temp;
    const QString name = temp.filePath(QStringLiteral("somente-escrita"));
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    QFile::setPermissions(name, QFile::WriteOwner);
    QFile file(name);
    return !file.open(QIODevice::ReadOnly);
}

// Skips a test of a failing read or write where file modes do not hold; the skip then shows by
// name in the output of scripts/test.
#define REQUIRE_FILE_MODES()                                                                                           \
    do {                                                                                                               \
        if (!FileModesHold())                                                                                          \
            QSKIP("This process ignores file modes (root with its capabilities); CTest runs it without them");         \
    } while (false)

// File modes as octal numbers (0600, 0700), the way a reader of "ls -l" thinks of them.
inline constexpr std::pair<QFile::Permission, int> kModeBits[] = {
    {QFile::ReadOwner, 0400}, {QFile::WriteOwner, 0200}, {QFile::ExeOwner, 0100},
    {QFile::ReadGroup, 040},  {QFile::WriteGroup, 020},  {QFile::ExeGroup, 010},
    {QFile::ReadOther, 04},   {QFile::WriteOther, 02},   {QFile::ExeOther, 01}};

// The permission bits of a file or folder; -1 when it does not exist.
inline int ModeOf(const QString& aPath)
{
    const QFileInfo info(aPath);
    if (!info.exists())
        return -1;
    int mode = 0;
    for (const auto& [permission, bit] : kModeBits)
        if (info.permissions() & permission)
            mode |= bit;
    return mode;
}

// The octal text of ModeOf ("600"), for comparisons that read well when they fail.
inline QString ModeText(const QString& aPath)
{
    return QString::number(ModeOf(aPath), 8);
}

inline bool SetMode(const QString& aPath, int aMode)
{
    QFile::Permissions permissions;
    for (const auto& [permission, bit] : kModeBits)
        if (aMode & bit)
            permissions |= permission;
    return QFile::setPermissions(aPath, permissions);
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
