// Norvadel: the program entry. The main window gets the real folders: the program's own folder
// (where the executable lies) and the user's documents folder.

#include "app/TNorvadelApplication.h"
#include "app/TfrmPrincipalNorvadel.h"

#include <QStandardPaths>

#include <memory>

int main(int argc, char* argv[])
{
    TNorvadelApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    TStartConfig config;
    config.ProgramFolder = QCoreApplication::applicationDirPath();
    config.DocumentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    config.SplashDelay = 3000;

    auto window = std::make_unique<TfrmPrincipalNorvadel>(config);
    QObject::connect(window.get(), &TfrmPrincipal::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    app.CloseOnEndRequest(window.get());
    window->show();
    return app.exec();
}
