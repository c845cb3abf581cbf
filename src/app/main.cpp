#include "app/Application.h"
#include "app/GameWindows.h"
#include "ui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // --help and --version answer in a terminal without a display.
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        readCommandLine(true);
    }

    QApplication app(argc, argv);
    nameApplication();
    readCommandLine();
    setUpApplication(app);

    QtPlatform platform;
    const WindowCatalog windows = gameWindows();
    Game game(platform, windows);
    game.start();
    const int code = QApplication::exec();
    // Windows unloaded by the last handler are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
