#include "app/GameWindows.h"
#include "ui/Kit.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Timburia"));
    QApplication::setApplicationDisplayName(QStringLiteral("Тимбурия"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.svg")));
    // Windows hide rather than close, and the program ends only by the exit question.
    QApplication::setQuitOnLastWindowClosed(false);

    useGamePalette();

    QtPlatform platform;
    const WindowCatalog windows = gameWindows();
    Game game(platform, windows);
    game.start();
    const int code = QApplication::exec();
    // Windows unloaded by the last handler are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
