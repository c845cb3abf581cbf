// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The language the player reads the game in. The game is written in Russian; English comes
// from the bundled translation (:/i18n/timburia_en.qm). Qt's own texts (the buttons of a
// message box, a text box's menu) follow: Russian from Qt's translations, English as Qt is.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

enum class Language { Russian, English };

// "ru" and "en", as the command line and the settings write them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(QStringView code);

// The language of a run: --lang when given, else the player's choice kept in the settings,
// else the system's: Russian when the user's interface languages (QLocale::uiLanguages())
// include Russian, English otherwise. A code that names no language of the game is passed
// over.
Language chooseLanguage(QStringView commandLine, QStringView kept, const QStringList& system);

// Installs the game's and Qt's texts for the language; every open window hears
// QEvent::LanguageChange and retranslates itself.
void useLanguage(Language language);
Language currentLanguage();
