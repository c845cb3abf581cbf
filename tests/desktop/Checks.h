// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The checks of the programs that look at the game under a real window system: one line per
// failed check, and "N passed, N failed" to close.

#include <QApplication>
#include <QString>

#include <cstdio>

namespace Checks {

inline int passed = 0, failed = 0;

inline void check(bool ok, const QString& what, const QString& found = {}) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL %s%s\n", qPrintable(what),
                found.isEmpty() ? "" : qPrintable(QStringLiteral(" (found: ") + found + u')'));
}

// Lets the window system and the game catch up with what was just done.
inline void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::sync();
    }
}

// The closing line, and the program's exit code.
inline int finish() {
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace Checks
