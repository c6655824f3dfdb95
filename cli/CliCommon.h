#pragma once

// What every norvadel-cli command shares: usage errors and file errors end the command with
// one clear line on stderr and exit status 2.

#include <QString>
#include <QStringList>

#include <stdexcept>

constexpr int kExitOk = 0;
constexpr int kExitError = 2;

// Thrown by a command to stop with one line on stderr and exit status 2.
class CliError : public std::runtime_error
{
public:
    explicit CliError(const QString& aMessage) : std::runtime_error(aMessage.toStdString()), FMessage(aMessage) {}
    // The whole message: a line quoted from a file may hold a NUL character, where what() ends.
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// Writes the whole text, NUL characters included.
void PrintOut(const QString& aText);
void PrintErr(const QString& aText);

// Each command takes the arguments after its own name.
int RunInx(const QStringList& aArgs);
int RunCrypt(const QStringList& aArgs);
int RunCheck(const QStringList& aArgs);
int RunImport(const QStringList& aArgs);
