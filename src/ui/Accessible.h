// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader needs beyond the names of the controls: the figures the game fills in,
// read with their captions, and the changes that matter, said as they happen.
//
// Qt 6.4 has no announcement event, and its AT-SPI bridge passes no alert on: an announcement
// is a notification object of the window (as a desktop notification is) that takes the text as
// its name and shows itself, which a screen reader reads out wherever the focus is.

#include <QString>

class QLabel;
class QWidget;

// `value` (a figure, never focused) is read with its caption: its accessible name is
// "Деньги: 30000", and the caption is its label (AT-SPI's labelled-by). A label's buddy would
// say the same, but a buddy must take the focus.
void relateToCaption(QLabel* value, QLabel* caption);

// A caption as a screen reader says it: without its colon and its shortcut mark.
QString spokenCaption(const QString& caption);

// Says `text` to a screen reader, from the window of `source`.
void announce(QWidget* source, const QString& text);
// Qt passes an accessibility event on only while a screen reader listens; the tests hear what
// is said here instead, with the notification that says it. Returns the watcher there was.
using AnnouncementWatcher = void (*)(QWidget* announcer, const QString& text);
AnnouncementWatcher watchAnnouncements(AnnouncementWatcher watcher);
// Says a figure with its caption, as it reads now ("Текущая сытость: 30").
void announceFigure(QLabel* value);
// Says what a figure has become, before its label shows it: "caption: now", when it changed.
void announceChange(QWidget* source, const QString& caption, const QString& before,
                    const QString& now);
