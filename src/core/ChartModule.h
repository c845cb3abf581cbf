// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chart of the game's days for a window that shows it (the history, the life's summary),
// made by the chart module (core/HistoryChart.h). The module is looked for the first time a
// window asks for a chart, and kept loaded for as long as the program runs.

#include "core/HistoryChart.h"

#include <QString>

#include <memory>

class QWidget;

struct DaysChart {
    // Nothing when the module could not be loaded.
    std::unique_ptr<HistoryChart> chart;
    // What the window lays out: the chart, or a label that says why there is none. Named
    // `name` either way; the window (its parent) owns it.
    QWidget* widget = nullptr;
};

// The chart is read to a screen reader as `spoken`, a text of the window's own (marked
// QT_TR_NOOP in the window's class), in the player's language.
DaysChart makeDaysChart(QWidget* parent, const char* name, const char* spoken);
