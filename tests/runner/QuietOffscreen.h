// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The offscreen platform that runs the tests headless warns about window hints it cannot
// honour on every window shown; that says nothing about the game, so it is left out of the
// output while every other message still gets through.

#include <QApplication>
#include <QString>
#include <QtGlobal>

inline void quietOffscreenWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith(QLatin1String("This plugin does not support")))
                return;
            previous(type, context, message);
        });
}

// The application of a headless program (the runner, the unit tests, the shots tool, the
// soak): the offscreen platform unless another is asked for, without its warnings.
class HeadlessApplication : public QApplication {
public:
    HeadlessApplication(int& argc, char** argv)
        : QApplication(offscreenUnlessAsked(argc), argv) {
        quietOffscreenWarnings();
    }

private:
    static int& offscreenUnlessAsked(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};
