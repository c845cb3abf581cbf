// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the saved-game reader: whatever the bytes, reading either refuses them
// with a description or gives a game whose line reads back to the same game.

#include "state/SavedGame.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const GameState base = [] {
        GameState state;
        state.beginNewGame(QDate(2002, 5, 5));
        return state;
    }();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SavedGame::Loaded loaded = SavedGame::read(bytes, base);
    if (!loaded.state) {
        if (loaded.error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    // A game that was read writes a line that reads back to itself.
    const QByteArray line = SavedGame::write(*loaded.state);
    const SavedGame::Loaded again = SavedGame::read(line, base);
    if (!again.state || SavedGame::write(*again.state) != line)
        std::abort();
    return 0;
}
