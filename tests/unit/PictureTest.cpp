// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rendered art is cached; a pixmap must come back at the ratio it was asked for, or a
// picture on a double-density screen is drawn at twice its size (or a blurred half of it).

#include "ui/Picture.h"
#include "ui/Language.h"

#include <QDirIterator>
#include <QFile>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

// Sizes show as 100x75 in a failure rather than as bytes.
static void PrintTo(const QSizeF& size, std::ostream* out) {
    *out << size.width() << "x" << size.height();
}
static void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << "x" << size.height();
}

namespace {

struct Request {
    QSize logical;
    qreal ratio;
};

void expectAsAsked(const QPixmap& pixmap, Request asked) {
    EXPECT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.devicePixelRatio(), asked.ratio);
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(asked.logical));
}

} // namespace

TEST(Pictures, APixmapHasTheRatioItWasAskedForWhateverWasCachedAtTheSameDeviceSize) {
    // Every request below is 200x150 device pixels.
    const std::vector<std::vector<Request>> orders = {
        {{{200, 150}, 1.0}, {{100, 75}, 2.0}},
        {{{100, 75}, 2.0}, {{200, 150}, 1.0}},
        {{{200, 150}, 1.0}, {{100, 75}, 2.0}, {{200, 150}, 1.0}, {{100, 75}, 2.0}},
    };
    for (const auto& order : orders) {
        QPixmapCache::clear();
        for (const Request& request : order) {
            SCOPED_TRACE(testing::Message() << request.logical.width() << "x"
                                            << request.logical.height() << " at " << request.ratio);
            const QPixmap pixmap =
                Pictures::pixmap(u"places/bank"_s, request.logical, request.ratio);
            EXPECT_EQ(pixmap.size(), QSize(200, 150));
            expectAsAsked(pixmap, request);
        }
    }
}

TEST(Pictures, TheSameRequestIsRenderedOnce) {
    QPixmapCache::clear();
    const QPixmap first = Pictures::pixmap(u"places/bank"_s, {100, 75}, 2.0);
    Pictures::pixmap(u"places/bank"_s, {200, 150}, 1.0);
    const QPixmap again = Pictures::pixmap(u"places/bank"_s, {100, 75}, 2.0);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
    // Another picture of the same size is not the cached one.
    const QPixmap other = Pictures::pixmap(u"places/shop"_s, {100, 75}, 2.0);
    EXPECT_NE(first.cacheKey(), other.cacheKey());
}

// Art with Russian words drawn in has an English twin, drawn while the player reads English;
// art without one is the same in both languages.
TEST(Pictures, ArtWithWordsIsDrawnInThePlayersLanguage) {
    const QSize size(120, 60);
    const QImage russian = Pictures::pixmap(u"first"_s, size, 1.0).toImage();
    const QImage bank = Pictures::pixmap(u"places/bank"_s, size, 1.0).toImage();
    useLanguage(Language::English);
    const QImage english = Pictures::pixmap(u"first"_s, size, 1.0).toImage();
    const QImage bankInEnglish = Pictures::pixmap(u"places/bank"_s, size, 1.0).toImage();
    useLanguage(Language::Russian);
    EXPECT_NE(english, russian);
    EXPECT_EQ(bankInEnglish, bank);
    EXPECT_EQ(Pictures::pixmap(u"first"_s, size, 1.0).toImage(), russian);
    // Every twin is a twin of a picture the game has.
    QDirIterator art(u":/assets"_s, {u"*_en.svg"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (art.hasNext()) {
        const QString twin = art.next();
        EXPECT_TRUE(QFile::exists(twin.chopped(7) + u".svg"_s)) << twin.toStdString();
    }
}
