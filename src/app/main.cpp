#include "app/Application.h"
#include "app/GameWindows.h"
#include "ui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
