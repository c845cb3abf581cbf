#include "app/Application.h"

#include "ui/Kit.h"
#include "ui/Picture.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(u"Timburia"_s);
    // No display name: Qt would append it to every caption and message-box title, and the
    // game's titles are exactly its own. The desktop knows the program by its file and icon.
    QApplication::setDesktopFileName(u"timburia"_s);
    // Drawn once from the art at the sizes the window system takes, by the game's own renderer:
    // an icon made from the file would load Qt's icon engine and image plugins before the
    // first window shows.
    QIcon icon;
    for (int side : {16, 32, 64, 128})
        icon.addPixmap(Pictures::pixmap(u"icon"_s, QSize(side, side), 1.0));
    QApplication::setWindowIcon(icon);
    // Windows hide rather than close, and the program ends only by the exit question.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's dialogs, message-box buttons and text-box menus in Russian, as the rest of the game.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::Russian), u"qtbase"_s, u"_"_s,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    useGamePalette();
}
