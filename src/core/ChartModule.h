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
    // What the window lays out: the chart (the window gives it the name a screen reader reads),
    // or a label that says why there is none. Named `name` either way; the window (its parent)
    // owns it.
    QWidget* widget = nullptr;
};

DaysChart makeDaysChart(QWidget* parent, const char* name);
