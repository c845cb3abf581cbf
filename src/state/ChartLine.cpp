// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/ChartLine.h"

#include <algorithm>
#include <numeric>

namespace ChartLine {

std::vector<std::size_t> kept(const std::vector<double>& values, std::size_t buckets) {
    const std::size_t count = values.size();
    buckets = std::max<std::size_t>(buckets, 1);
    std::vector<std::size_t> indexes;
    if (count <= 2 * buckets + 2) {
        indexes.resize(count);
        std::iota(indexes.begin(), indexes.end(), 0);
        return indexes;
    }
    // The first and the last day stay where they are, so the line spans the whole chart; the
    // days between are cut into the stretches.
    indexes.reserve(2 * buckets + 2);
    indexes.push_back(0);
    const std::size_t inner = count - 2;
    for (std::size_t bucket = 0; bucket < buckets; ++bucket) {
        const auto from = values.begin() + std::ptrdiff_t(1 + inner * bucket / buckets);
        const auto to = values.begin() + std::ptrdiff_t(1 + inner * (bucket + 1) / buckets);
        const auto [low, high] = std::minmax_element(from, to);
        const std::size_t a = std::size_t(low - values.begin());
        const std::size_t b = std::size_t(high - values.begin());
        indexes.push_back(std::min(a, b));
        if (a != b)
            indexes.push_back(std::max(a, b));
    }
    indexes.push_back(count - 1);
    return indexes;
}

} // namespace ChartLine
