// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop of the real program: Qt message boxes and file dialogs, the system calendar, a
// clock-seeded random source, real timers, and windows that come back where they were left
// (the main window even in the next run, through QSettings).

#include "ui/Platform.h"

#include <memory>
#include <random>

class QSettings;
class WindowPlaces;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, MsgCause cause) override;
    std::optional<QString> openFileName(QWidget* over, const QString& filter, int filterIndex,
                                        const QString& folder) override;
    QStringList recentGames() override;
    void keepRecentGames(const QStringList& games) override;
    QString keptLanguage() override;
    void keepLanguage(const QString& code) override;
    std::optional<QString> saveFileName(QWidget* over, const QString& filter, int filterIndex,
                                        const QString& folder) override;
    void randomize() override;
    float rnd() override;
    QDate today() override;
    QDateTime now() override;
    QString dataFolder() override;
    void showWindow(QWidget* window, bool modal, QWidget* owner) override;
    void activate(QWidget* window) override;
    void ignoreKeysAtFirst(QWidget* window) override;
    std::unique_ptr<TimerEngine> createTimerEngine(Timer& timer, bool precise) override;
    void quit() override;

    // "Игры (*.kbz)|*.kbz|Все файлы (*.*)|*.*" as Qt's dialogs want it, and the index-th one.
    static QString qtFilter(const QString& filter, int filterIndex, QString* selected);

    // The game's own settings file (~/.config/Timburia/Timburia.conf), or nothing when what
    // stands there is not a small regular file: a pipe, a folder, a device or a huge file is
    // never opened, and the windows are then placed as on a first run.
    static std::unique_ptr<QSettings> settings();
    // The language kept there, read before the platform is made.
    static QString languageSetting();

private:
    std::mt19937 random_;
    std::unique_ptr<WindowPlaces> places_;
};
