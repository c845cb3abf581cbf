// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window kit: the one way every window makes its controls.
//
// Every control carries its name as its objectName, so the game, the tests and the picture
// code all find it by that name; named<>() is the only place a control gets one. Headings and
// figures (the bold values the game fills in) look the same in every window, and figures take
// their colour from the palette's link role rather than a fixed colour, so they stay readable
// under a dark theme and a control's text colour is always what its palette says.

#include <QAnyStringView>
#include <QColor>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <utility>

class QAction;
class QMenu;

// new T(args...) named `name` ("cmdBack", or "imgCar(2)" for an element of a control array).
template <class T, class... Args> T* named(QAnyStringView name, Args&&... args) {
    T* control = new T(std::forward<Args>(args)...);
    control->setObjectName(name.toString());
    return control;
}

// A menu item named `name`, added to the menu.
QAction* namedAction(QMenu* menu, const char* name, const QString& text);

// The title of a section of a window: larger and bold.
QLabel* heading(const char* name, const QString& text, QWidget* parent);

// The game's palette: the desktop's own, with the figures in a calm dark blue when the theme
// is light (a dark theme keeps its own light link colour). Called once at start.
void useGamePalette();

// How well two colours read one on the other: 1 (the same) to 21 (black on white). Text that
// reads well has at least ReadableContrast.
double contrast(const QColor& a, const QColor& b);
constexpr double ReadableContrast = 4.5;

// A value the game fills in: bold, in the palette's link colour (or its text colour, where the
// link colour would not read on the window).
void markAsFigure(QWidget* label);
QLabel* figure(const char* name, const QString& text, QWidget* parent);

// A label whose text changes while its window is open keeps one width, that of the widest of
// the texts it may show (and of its text now), so that nothing around it moves as it changes.
void reserveWidth(QLabel* label, const QStringList& texts);

// A control `lines` lines of its font tall (and `padding` pixels for its frame), whatever its
// text: kept so when the font changes, as a player's desktop font may while the game runs.
void setHeightInLines(QWidget* control, int lines, int padding);

// A control's text colour ("fore colour"): set by the game, read back by the game and the
// tests, always the colour the control is drawn with.
void setForeColor(QWidget* control, const QColor& color);
QColor foreColor(const QWidget* control);
