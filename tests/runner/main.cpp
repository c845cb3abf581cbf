// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-scenarios FILE-OR-FOLDER...: runs scenario files headless and prints one line per
// failed case, then "N passed, N failed".

#include "app/GameWindows.h"
#include "fixture/frmFixture.h"
#include "runner/Scenario.h"
#include "ui/Kit.h"

#include "runner/QuietOffscreen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    HeadlessApplication app(argc, argv);
    useGamePalette(); // colours read by `expect ... color` are the ones the game shows
    QApplication::setQuitOnLastWindowClosed(false);

    WindowCatalog windows = gameWindows();
    addFixtureWindows(windows);

    QStringList files;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        const QFileInfo info(argument);
        if (info.isDir()) {
            for (const QString& name :
                 QDir(argument).entryList({u"*.scn"_s}, QDir::Files, QDir::Name))
                files << QDir(argument).filePath(name);
        } else {
            files << argument;
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: timburia-scenarios FILE-OR-FOLDER...\n");
        return 2;
    }

    int passed = 0, failed = 0;
    for (const QString& file : files) {
        for (const CaseResult& result : runScenarioFile(file, windows)) {
            if (result.passed) {
                ++passed;
                continue;
            }
            ++failed;
            std::printf("FAIL %s:%d: case \"%s\": %s\n", qPrintable(result.file), result.line,
                        qPrintable(result.name), qPrintable(result.message));
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
