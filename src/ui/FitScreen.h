// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A window larger than the screen it opens on (a small screen, or a large scale on a laptop)
// would be cut off, its lower buttons out of reach: its content goes into a scroll area
// instead, and the window opens as large as the screen allows. A window that fits is left
// exactly as it is.

class QRect;
class QWidget;

namespace FitScreen {

// Room the window manager's frame and title bar take around a window.
constexpr int FrameWidth = 16, FrameHeight = 48;

// Puts the window's content into a scroll area when it does not fit `available` (the
// screen's free area); once per window. Whether it did.
bool fit(QWidget* window, const QRect& available);

} // namespace FitScreen
