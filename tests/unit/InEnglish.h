// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A test that reads the game in English: the game's English is installed while the guard lives,
// and Russian again once it goes, however the test ends, since every other test reads the
// game in Russian. The open windows hear each change at once.

#include "runner/ScriptedPlatform.h"
#include "ui/Language.h"

// The game speaks the language from now on, its open windows retranslated.
inline void speak(Language language) {
    useLanguage(language);
    // The windows retranslate, and then lay themselves out again for the new texts.
    ScriptedPlatform::deliverPostedEvents();
    ScriptedPlatform::deliverPostedEvents();
}

class InEnglish {
public:
    InEnglish() { speak(Language::English); }
    ~InEnglish() { speak(Language::Russian); }
    InEnglish(const InEnglish&) = delete;
    InEnglish& operator=(const InEnglish&) = delete;
};
