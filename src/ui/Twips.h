// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Positions and sizes that the game's logic reads or writes are in twips (1/1440 inch), kept
// exactly as the logic set them; the screen shows 15 twips to a pixel and Qt scales that for
// high-DPI screens. Everything else is laid out by Qt layouts.

class QWidget;

namespace Twips {
constexpr int PerPixel = 15;

enum class Edge { Left, Top, Width, Height };

void set(QWidget* widget, Edge edge, int twips);
// Records a value without moving the widget, for controls that place themselves.
void remember(QWidget* widget, Edge edge, int twips);
int get(const QWidget* widget, Edge edge);

// How place() puts a control: moved there on the screen, or only recorded, for a control that
// its parent draws itself (the paddle game's ball and paddle).
enum class Placing { Move, Record };
// All four edges of a control at once.
void place(QWidget* widget, int left, int top, int width, int height, Placing how = Placing::Move);

// A label or button placed by hand that its text in a larger font no longer fits grows to fit,
// to the right and down from where it stands; its twips stay as the game set them. Called by
// set(), and again by a window that changes such a control's text.
void fitText(QWidget* control);

inline int toPixels(int twips) {
    return twips / PerPixel;
}
} // namespace Twips
