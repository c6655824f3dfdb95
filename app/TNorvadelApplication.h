#pragma once

// The application object of Norvadel. It sets the program's language (Brazilian Portuguese, Qt's
// own dialog texts included) and its title, and it is the event loop's last line: whatever an
// event handler lets escape is logged through the exception handler and the program goes on with
// the next event (the silent-abort kind is dropped without a trace).
//
// CloseOnEndRequest makes the polite requests to end that a desktop sends at logout or shutdown
// (SIGTERM, SIGHUP, SIGINT) close the given window as if the user had closed it, so that its close
// sequence runs.

#include <QApplication>
#include <QPointer>

class QSocketNotifier;

class TNorvadelApplication : public QApplication
{
    Q_OBJECT
public:
    TNorvadelApplication(int& aArgc, char** aArgv);
    ~TNorvadelApplication() override;

    bool notify(QObject* aReceiver, QEvent* aEvent) override;

    void CloseOnEndRequest(QWidget* aWindow);

private:
    void EndRequested();

    QPointer<QWidget> FWindow;
    QSocketNotifier* FNotifier = nullptr;
};
