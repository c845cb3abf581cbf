// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help in the player's language: every Russian page has an English twin laid out the same
// way, and the open window turns its pages over to the other language at once.

#include "InEnglish.h"
#include "ScriptedGame.h"
#include "core/frmHelp.h"
#include "core/frmMain.h"
#include "ui/Language.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString RussianPages = u":/assets/help/"_s;
const QString EnglishPages = u":/assets/help/en/"_s;

QString page(const QString& folder, const QString& name) {
    QFile file(folder + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// What a reader sees of a page's layout, line by line: the blank lines between paragraphs,
// the indent of a list line, the number of a numbered line and the capitals of a heading.
QStringList layout(const QString& text) {
    static const QRegularExpression start(u"^( *)(\\d+\\.)?"_s);
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        if (line.trimmed().isEmpty()) {
            lines << QString();
            continue;
        }
        const QRegularExpressionMatch match = start.match(line);
        const bool letters = line.contains(QRegularExpression(u"\\p{L}"_s));
        const bool heading = letters && line == line.toUpper();
        lines << u"%1|%2|%3"_s.arg(match.capturedLength(1))
                     .arg(match.captured(2), heading ? u"HEADING"_s : u"text"_s);
    }
    return lines;
}

TEST(HelpPages, EveryRussianPageHasAnEnglishTwinOfTheSameLayout) {
    const QStringList names = QDir(RussianPages).entryList({u"*.txt"_s}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(QDir(EnglishPages).entryList({u"*.txt"_s}, QDir::Files), names);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString russian = page(RussianPages, name);
        const QString english = page(EnglishPages, name);
        ASSERT_FALSE(english.trimmed().isEmpty());
        EXPECT_EQ(layout(english), layout(russian));
        for (const QString& line : english.split(u'\n'))
            for (QChar c : line)
                EXPECT_NE(c.script(), QChar::Script_Cyrillic) << line.toStdString();
    }
}

// Whatever befalls the test, the tests after it read Russian.
struct BackToRussian {
    ~BackToRussian() { speak(Language::Russian); }
};

class HelpWindow : public ScriptedGame<> {
protected:
};

TEST_F(HelpWindow, TheOpenPageTurnsToTheLanguageChosenWhileItIsOpen) {
    BackToRussian atTheEnd;
    game.loaded<frmMain>()->KeysHelp->trigger();
    auto* help = game.loaded<frmHelp>();
    ASSERT_TRUE(help);
    QPlainTextEdit* keys = help->txtKeys;
    ASSERT_TRUE(keys->isVisibleTo(help));
    EXPECT_EQ(keys->toPlainText(), page(RussianPages, u"keys.txt"_s).trimmed());

    speak(Language::English);
    EXPECT_TRUE(keys->isVisibleTo(help));
    EXPECT_EQ(keys->toPlainText(), page(EnglishPages, u"keys.txt"_s).trimmed());
    EXPECT_EQ(help->txtMainWindow->toPlainText(), page(EnglishPages, u"main.txt"_s).trimmed());

    speak(Language::Russian);
    EXPECT_EQ(keys->toPlainText(), page(RussianPages, u"keys.txt"_s).trimmed());
}

} // namespace
