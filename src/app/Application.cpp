#include "app/Application.h"

#include "ui/Kit.h"

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
    QApplication::setWindowIcon(QIcon(u":/assets/icon.svg"_s));
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
