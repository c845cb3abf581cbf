// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the player finds the game's author (the start window, the about box and the end
// screen all show these), and the game's licence.

#include <QCoreApplication>
#include <QString>
#include <QStringView>

namespace Contacts {
inline QString email() {
    return QStringLiteral("zarnitsyn@timburia.example.org");
}
inline QString web() {
    return QStringLiteral("https://timburia.example.org/");
}
} // namespace Contacts

// The game's licence, as the about box and `timburia --version` tell it.
namespace Licence {
// The about box's word on it, translated as the start window's text.
inline constexpr char Notice[] = QT_TRANSLATE_NOOP(
    "frmFirst", "Тимбурия — свободная программа: её можно распространять и изменять на условиях "
                "GNU GPL версии 3 или более поздней (GPL-3.0-or-later). Гарантий нет.");
inline constexpr QStringView English =
    u"Copyright 2026 The Timburia developers.\n"
    u"License GPL-3.0-or-later: GNU GPL version 3 or later "
    u"<https://www.gnu.org/licenses/gpl.html>.\n"
    u"This is free software: you are free to change and redistribute it.\n"
    u"There is NO WARRANTY, to the extent permitted by law.";
} // namespace Licence
