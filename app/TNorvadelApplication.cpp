#include "app/TNorvadelApplication.h"

#include "app/Dialogs.h"
#include "support/TMyException.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTranslator>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The signal handler only writes one byte here; the event loop reads it.
int gEndPipe[2] = {-1, -1};

void EndSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gEndPipe[1], &byte, 1);
}

void Handle(const std::exception& aError, QObject* aReceiver)
{
    if (IsSilentAbort(aError))
        return;
    if (MyException)
        MyException->AppException(aReceiver, aError);
    else
        LogErrorMessage(TMyException::ExceptionText(aError));
}
} // namespace

// The pictures are compiled into the GUI library, whose resources are not registered by themselves.
static void ResourcesInit()
{
    Q_INIT_RESOURCE(norvadel);
}

TNorvadelApplication::TNorvadelApplication(int& aArgc, char** aArgv) : QApplication(aArgc, aArgv)
{
    ResourcesInit();
    setApplicationName(QStringLiteral("Norvadel"));
    setWindowIcon(QIcon(QStringLiteral(":/norvadel/icon.svg")));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

TNorvadelApplication::~TNorvadelApplication()
{
    if (FNotifier) {
        for (int signal : {SIGTERM, SIGHUP, SIGINT})
            std::signal(signal, SIG_DFL);
        FNotifier->setEnabled(false); // released with the application, its parent
        ::close(gEndPipe[0]);
        ::close(gEndPipe[1]);
        gEndPipe[0] = gEndPipe[1] = -1;
    }
}

bool TNorvadelApplication::notify(QObject* aReceiver, QEvent* aEvent)
{
    try {
        return QApplication::notify(aReceiver, aEvent);
    } catch (const std::exception& e) {
        Handle(e, aReceiver);
    } catch (...) {
        // Not an exception object at all: the user is told, and the log keeps it too.
        LogErrorMessage(QStringLiteral("Exceção desconhecida."));
        Dialogs::Message(nullptr, QStringLiteral("Exceção desconhecida."));
    }
    return false;
}

void TNorvadelApplication::CloseOnEndRequest(QWidget* aWindow)
{
    FWindow = aWindow;
    if (FNotifier)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gEndPipe) != 0) {
        LogErrorMessage(QStringLiteral("Erro do Sistem Operacional."));
        return;
    }
    FNotifier = new QSocketNotifier(gEndPipe[0], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TNorvadelApplication::EndRequested);
    struct sigaction action = {};
    action.sa_handler = EndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

void TNorvadelApplication::EndRequested()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(gEndPipe[0], &byte, 1);
    if (FWindow)
        FWindow->close();
    else
        quit();
}
