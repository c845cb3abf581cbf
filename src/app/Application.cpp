// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "core/Contacts.h"

#include "ui/Kit.h"
#include "ui/Language.h"
#include "ui/Picture.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

void nameApplication() {
    QCoreApplication::setApplicationName(u"Timburia"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TIMBURIA_VERSION));
    // QSettings keeps the game's settings in ~/.config/Timburia/Timburia.conf.
    QCoreApplication::setOrganizationName(u"Timburia"_s);
    QCoreApplication::setOrganizationDomain(u"timburia.example.org"_s);
    // No display name: Qt would append it to every caption and message-box title, and the
    // game's titles are exactly its own. The desktop knows the program by its desktop file
    // (dist/, named by the id CMake gives) and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TIMBURIA_APP_ID));
}

bool asksForTextOnly(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

QString readCommandLine(bool onlyAnswers) {
    QCommandLineParser parser;
    // Qt prints the description as it is: lines short enough for a terminal.
    parser.setApplicationDescription(
        u"Timburia (Тимбурия), a life simulation in Russian: you are a young computer\n" // tr:keep
        "enthusiast with 170 dollars, an empty flat and a head full of plans.\n"
        "\n"
        "The game also takes the options every Qt program does, such as -platform\n"
        "and -style."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help and quit."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Show the version and quit."_s);
    const QCommandLineOption language(u"lang"_s, u"Play in this language: ru or en."_s,
                                      u"language"_s);
    parser.addOptions({help, version, language});
    const bool understood = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version)) {
        std::printf("%s %s\n%s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()),
                    qPrintable(Licence::English.toString()));
        std::exit(0);
    }
    if (onlyAnswers)
        return {};
    QString error;
    if (!understood)
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = u"Unexpected argument '%1'."_s.arg(parser.positionalArguments().constFirst());
    else if (parser.isSet(language) && !languageFromCode(parser.value(language)))
        error = u"Unknown language '%1': ru or en."_s.arg(parser.value(language));
    if (error.isEmpty())
        return parser.value(language);
    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", qPrintable(program), qPrintable(error),
                 qPrintable(program));
    std::exit(1);
}

void setUpApplication(QApplication& /*app*/, const QString& language) {
    nameApplication();
    // Drawn once from the art at the sizes the window system takes, by the game's own renderer:
    // an icon made from the file would load Qt's icon engine and image plugins before the
    // first window shows.
    QIcon icon;
    for (int side : {16, 32, 64, 128})
        icon.addPixmap(Pictures::pixmap(u"icon"_s, QSize(side, side), 1.0));
    QApplication::setWindowIcon(icon);
    // Windows hide rather than close, and the program ends only by the exit question.
    QApplication::setQuitOnLastWindowClosed(false);

    // The game's texts, and Qt's own dialogs, message-box buttons and text-box menus with them.
    useLanguage(chooseLanguage(language, QtPlatform::languageSetting(), QLocale().uiLanguages()));

    useGamePalette();
}

std::unique_ptr<QLockFile> lockOneCopy() {
    // The runtime folder is the user's own and is emptied at log-out, so the lock of a copy
    // ended with the session never outlives it; a copy that crashed is known by its process.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
    }
    auto lock = std::make_unique<QLockFile>(folder + u"/timburia.lock"_s);
    // Only a dead holder makes a lock stale: a game played for hours keeps its lock however
    // old the file is.
    lock->setStaleLockTime(0);
    // A lock that cannot be made at all (a folder nobody may write) does not stop the game.
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
        return nullptr;
    return lock;
}
