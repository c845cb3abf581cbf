// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a window speaks the player's language, and changes it while open.
//
// Every text of a window is the game's Russian, marked for Qt's translation where it is
// written: tr("...") for a text made once, QT_TR_NOOP("...") in the window's class (or
// QT_TRANSLATE_NOOP("frmShop", "...") in a table outside it) for a text that must be made
// again. A control's fixed texts are given as sources, translatable(): the control remembers
// each source on itself, shows its translation, and retranslate() sets them all again when the
// language changes. A window hears the change as QEvent::LanguageChange, retranslates its
// controls, then its own drawing (FormCore::retranslate()), then every window redraws from the
// state, whose texts the view translates as it shows them (state/Words.h).

#include <QObject>

class QWidget;

// The object's property (text, title, toolTip, windowTitle, accessibleName, ...) shows
// `source` translated in `context`, now and after every change of language. The source must
// outlive the object: a literal, as the markers give.
void translatable(QObject* object, const char* property, const char* context, const char* source);

// The text of a control: the title of a group box or a menu, a window's title, the text of
// anything else.
const char* textProperty(const QObject* object);

// Sets again every translatable property of the object and of everything it holds.
void retranslate(QObject* root);
