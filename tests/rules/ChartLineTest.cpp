// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The history chart's lines drawn from a bounded number of days.

#include "state/ChartLine.h"

#include <algorithm>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

namespace {

std::vector<std::size_t> everyIndex(std::size_t count) {
    std::vector<std::size_t> all(count);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

// A life's money: a walk that wanders, as days of play do.
std::vector<double> walk(std::size_t count) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-5, 5);
    std::vector<double> values(count);
    double value = 100;
    for (double& v : values)
        v = value += step(random);
    return values;
}

} // namespace

TEST(ChartLine, AShortLineIsDrawnWhole) {
    for (const std::size_t count : {0, 1, 2, 3, 22})
        EXPECT_EQ(ChartLine::kept(walk(count), 10), everyIndex(count)) << count;
    // No stretch at all is read as one.
    EXPECT_EQ(ChartLine::kept(walk(4), 0), everyIndex(4));
    EXPECT_EQ(ChartLine::kept(walk(5), 0).size(), 4u);
}

TEST(ChartLine, ALongLineKeepsItsEndsAndTheExtremesOfEachStretch) {
    // 36,502 days: the first, the last, and 500 stretches of exactly 73 days between them.
    const std::size_t buckets = 500, width = 73, count = 2 + buckets * width;
    std::vector<double> values = walk(count);
    // A windfall and a ruin, a day each: a chart that lost them would tell another life.
    values[12'345] = 10'000;
    values[30'001] = -10'000;

    const std::vector<std::size_t> kept = ChartLine::kept(values, buckets);
    EXPECT_LE(kept.size(), 2 * buckets + 2);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_EQ(std::adjacent_find(kept.begin(), kept.end()), kept.end()); // no day twice
    EXPECT_EQ(kept.front(), 0u);
    EXPECT_EQ(kept.back(), count - 1);
    const auto isKept = [&](std::size_t index) {
        return std::binary_search(kept.begin(), kept.end(), index);
    };
    EXPECT_TRUE(isKept(12'345));
    EXPECT_TRUE(isKept(30'001));
    for (std::size_t from = 1; from < count - 1; from += width) {
        const auto begin = values.begin() + std::ptrdiff_t(from);
        const auto [low, high] = std::minmax_element(begin, begin + std::ptrdiff_t(width));
        EXPECT_TRUE(isKept(std::size_t(low - values.begin()))) << "the low of day " << from;
        EXPECT_TRUE(isKept(std::size_t(high - values.begin()))) << "the high of day " << from;
    }
}

TEST(ChartLine, AFlatStretchGivesItsTwoEnds) {
    // Nothing happened for a year: the line stays flat through it, drawn from two days.
    std::vector<double> values(2 + 10 * 365, 30.0);
    const std::vector<std::size_t> kept = ChartLine::kept(values, 10);
    EXPECT_EQ(kept.size(), 22u);
    EXPECT_EQ(kept[1], 1u);
    EXPECT_EQ(kept[2], 365u);
}
