// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs scenario files: each case is a fresh run of the program over a scripted desktop, driven
// line by line as a player would drive it, with every check and every message box verified.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

#include "rules/Effects.h"

class CaseRun;
class Game;
class ScriptedPlatform;
class WindowCatalog;

struct CaseResult {
    QString file;
    QString name;
    bool passed = false;
    int line = 0; // where it failed
    QString message;
};

std::vector<CaseResult> runScenarioText(const QString& text, const QString& fileName,
                                        const WindowCatalog& windows);
std::vector<CaseResult> runScenarioFile(const QString& path, const WindowCatalog& windows);

// One run of the program driven a line at a time by a tool that plays on its own (the soak):
// the same actions, world lines and checks as a scenario, without a file around them. The
// messages the game shows stay in the platform for the caller to read.
class ScenarioSession {
public:
    ScenarioSession(const WindowCatalog& windows, ScriptedPlatform& platform);
    ~ScenarioSession();
    // Nothing when the line went through, else why it could not.
    std::optional<QString> perform(const QStringList& words);
    Game* game() const; // nullptr before `start`
private:
    std::unique_ptr<CaseRun> run_;
};

// A word as a scenario line writes it: quoted when it must be, with `*` written \* so that it
// stands for itself where a star matches anything.
QString scenarioWord(const QString& text);
// The name of a message box's icon in a `message` line.
QString scenarioIcon(MsgIcon icon);
