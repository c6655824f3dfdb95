#pragma once

// The application-wide exception handler. Whatever escapes an event handler ends here, becomes a
// Portuguese sentence and is written to the program log as an "Exception" entry; the user is not
// told and the program goes on. Writing the log never fails outward: an entry that cannot be
// written (no log path yet, read-only folder, locked file) is lost and nothing else happens.

#include <QString>

#include <exception>
#include <memory>

class QObject;

class TMyException
{
public:
    // The last message logged.
    const QString& LogString() const { return FLogString; }

    // Logs Value as the entry "Ocorreu uma exceção" of kind "Exception" in LogFileName, with the
    // pending LogDetails and then Value as detail lines.
    void SetiLogString(const QString& Value);

    // Logs the sentence for E (see ExceptionText). Never throws.
    void AppException(QObject* Sender, const std::exception& E);

    // The sentence for E's exact dynamic type: a kind derived from a listed one, without a row of
    // its own, is unknown and reads "Exceção desconhecida." followed by E's own message.
    static QString ExceptionText(const std::exception& E);

private:
    QString FLogString;
};

// True for the silent-abort kind (EAbort and every kind derived from it): the event loop drops
// such an exception without handing it to the handler.
bool IsSilentAbort(const std::exception& E);

// The handler kept by the main window, through which any code logs a message; empty until then.
extern std::unique_ptr<TMyException> MyException;

// Logs aMessage through MyException, or through a stand-in handler while the main window has not
// set one. Never throws.
void LogErrorMessage(const QString& aMessage);
