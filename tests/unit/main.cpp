// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runner/QuietOffscreen.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Some tests drive real windows headless.
    HeadlessApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
