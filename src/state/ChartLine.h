// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A line of the history chart drawn from a bounded number of its days. A hundred years of
// play are 36,500 days, and a chart a thousand pixels wide shows at most a thousand of them
// apart; drawing every day costs the window its quickness and adds nothing to the picture.
// The days kept are the lowest and the highest of each stretch of days, in order, so that
// every rise, fall and spike still shows as drawn from all of them.

#include <cstddef>
#include <vector>

namespace ChartLine {

// The indexes of the values to draw, rising: the first and the last, and the lowest and the
// highest of each of `buckets` equal stretches of the days between; at most 2 * buckets + 2.
// A line that short already is kept whole.
std::vector<std::size_t> kept(const std::vector<double>& values, std::size_t buckets);

} // namespace ChartLine
