// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"
#include "app/GameWindows.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QLockFile>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    // --help and --version answer in a terminal without a display.
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        readCommandLine(true);
    }

    QApplication app(argc, argv);
    nameApplication();
    const QString language = readCommandLine();
    setUpApplication(app, language);

    QtPlatform platform;
    // A second copy would autosave into the same five places as the first.
    const std::unique_ptr<QLockFile> oneCopy = lockOneCopy();
    if (!oneCopy) {
        platform.message(
            nullptr, QCoreApplication::translate("main", "Тимбурия уже запущена в другом окне."),
            QCoreApplication::translate("main", "Тимбурия уже запущена"), MsgIcon::Information,
            MsgButtons::Ok, MsgCause::Player);
        return 0;
    }
    const WindowCatalog windows = gameWindows();
    Game game(platform, windows);
    game.start();
    const int code = QApplication::exec();
    // Windows unloaded by the last handler are still waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
