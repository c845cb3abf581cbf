// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop integration of the real program, shared with the tests that look at real
// windows: the program's name, version and icon, its command line, Qt's own Russian texts and
// the game's palette.

#include <QString>

#include <memory>

class QApplication;
class QLockFile;

// The program's name, version, organisation (where QSettings keeps its settings) and desktop
// file name; needs only a QCoreApplication.
void nameApplication();

// --help and --version print their answer and end the program, as does an unknown option with
// a message; needs only a QCoreApplication. With `onlyAnswers`, an option it does not know is
// left alone (the display's own options are not known before QApplication takes them away).
// Returns the language that --lang asks for ("ru", "en"), or nothing.
QString readCommandLine(bool onlyAnswers = false);

// True when the command line asks for --help or --version: answered without a display.
bool asksForTextOnly(int argc, const char* const* argv);

// The name and everything else the real program's windows need. The game speaks `language`
// ("ru", "en") when given, else the language the player chose last, else the system's.
void setUpApplication(QApplication& app, const QString& language = {});

// The lock that keeps a second copy of the game from playing the same autosaves: held until
// the program ends; nothing when another copy holds it. A lock left by a copy that crashed is
// taken over; a lock that cannot be made lets the game play unguarded. Only the real program
// takes it: the tests and tools run beside a game.
std::unique_ptr<QLockFile> lockOneCopy();
