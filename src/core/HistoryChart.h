// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chart of the game's days (the history window's, and the life's summary's). Qt Charts, and
// the OpenGL libraries it brings, take a few milliseconds to load, which every start of the
// game would pay for windows few players open; so the chart lives in a module of its own
// (timburia-chart), loaded the first time one of them opens (core/ChartModule.h).

#include "state/History.h"

class QWidget;

class HistoryChart {
public:
    virtual ~HistoryChart() = default;
    virtual QWidget* widget() = 0;
    virtual void show(const History::Days& days) = 0;
};

// What the module exports, by this name.
#define TIMBURIA_HISTORY_CHART_FACTORY "timburiaMakeHistoryChart"
using MakeHistoryChart = HistoryChart* (*)(QWidget* parent);
