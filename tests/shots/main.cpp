// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-shots FOLDER [FIELD=TEXT...] [WINDOW[:CONTROL]...]: renders each window of the
// game, as it first opens (with the pointer over CONTROL when one is named), to
// FOLDER/WINDOW[-CONTROL].png, headless, and prints each file with the window's title after a
// tab; FIELD=TEXT sets a field of the game state first ("lblCar=Mercedes"). Run with
// QT_SCALE_FACTOR=2 for the high-DPI look. For looking at the art and layouts while working on
// them, and for the README's pictures (scripts/screenshots); not a test. The hall of fame is
// shown with a few lives in it, one of them marked as the life that has just ended; frmLife
// looks back at a short life made up for it. TIMBURIA_LANGUAGE=en draws them in English.

#include "app/GameWindows.h"
#include "core/frmHall.h"
#include "runner/QuietOffscreen.h"
#include "runner/ScriptedPlatform.h"
#include "state/Chronicle.h"
#include "state/Hall.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Language.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// "Итоги жизни" looks back at a life: a fortnight of one, with a job, lessons, purchases and a
// day at the lake, for its chart and its chronicle to show something.
void liveAFortnight(Game& game) {
    GameState& state = game.state;
    using Chronicle::Kind;
    const auto on = [&state](int day) {
        state.lblDay = QString::number(day).rightJustified(2, u'0');
    };
    const struct {
        int day;
        Kind kind;
        const char16_t* what;
        double amount;
        const char16_t* detail;
    } milestones[] = {
        {6, Kind::Job, u"Грузчик", 10, u""},
        {7, Kind::CourseBegun, u"Вечерняя школа", 5, u""},
        {9, Kind::Bought, u"Квартира", 300, u"2"},
        {10, Kind::Education, u"Неполное среднее", 0, u""},
        {11, Kind::Fishing, u"", 4, u""},
        {12, Kind::Roulette, u"", 30, u""},
        {14, Kind::Job, u"Таксист.", 20, u""},
        {16, Kind::Status, u"Любитель", 0, u""},
    };
    state.story.firstDay = u"05/05/02"_s;
    for (const auto& m : milestones) {
        on(m.day);
        Chronicle::note(state, m.kind, QString::fromUtf16(m.what), m.amount,
                        QString::fromUtf16(m.detail));
    }
    History::Days days;
    for (int day = 5; day < 19; ++day) {
        const double money = 170 + (day - 5) * 25 - (day > 8 ? 300 : 0) + (day > 11 ? 30 : 0);
        days.push_back({u"%1/05/02"_s.arg(day), money, 30.0 - (day % 4) * 3, 28.0 - (day % 5) * 2,
                        day > 12 ? 100 : 0,
                        day >= 14  ? u"Таксист."_s
                        : day >= 6 ? u"Грузчик"_s
                                   : u"Пока нет"_s});
    }
    on(19);
    state.lblMoney = QString::number(days.back().money);
    state.lblStatus = u"Любитель"_s;
    state.lblEduncation = u"Неполное среднее"_s;
    game.setHistory(days);
}

// A hall after some play: two presidents and three deaths.
Hall::Rows someLives() {
    const auto life = [](int day, const QString& last, int days, std::optional<int> top,
                         const QString& job, double money) {
        const QString when = u"2026-12-%1T20:00:00"_s.arg(day, 2, 10, QChar(u'0'));
        const QString headline = top ? u"Стал компьютерным президентом"_s
                                 : day % 2 ? u"Умер от голода"_s
                                           : u"Умер от тоски"_s;
        return Hall::Row{when, when, u"05/05/02"_s, last, days, top, headline, job, money};
    };
    return {life(1, u"28/12/02"_s, 233, 233, u"ком.през."_s, 152400),
            life(2, u"9/05/03"_s, 364, 364, u"ком.през."_s, 98000),
            life(3, u"17/10/02"_s, 162, std::nullopt, u"прогр."_s, 23650),
            life(4, u"8/07/02"_s, 63, std::nullopt, u"Таксист."_s, 3400),
            life(5, u"17/05/02"_s, 12, std::nullopt, u"Грузчик"_s, 185)};
}

} // namespace

int main(int argc, char* argv[]) {
    HeadlessApplication app(argc, argv);
    useGamePalette();
    // TIMBURIA_LANGUAGE=en draws the windows in English.
    useLanguage(
        languageFromCode(qEnvironmentVariable("TIMBURIA_LANGUAGE")).value_or(Language::Russian));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: timburia-shots FOLDER [WINDOW...]\n");
        return 2;
    }
    const QDir folder(args.front());
    QDir().mkpath(folder.path());
    QStringList names, fields;
    for (const QString& arg : args.mid(1))
        (arg.contains(u'=') ? fields : names) << arg;
    const WindowCatalog windows = gameWindows();
    if (names.isEmpty())
        names = windows.names();

    for (const QString& shot : names) {
        const QString name = shot.section(u':', 0, 0);
        const QString pointAt = shot.section(u':', 1);
        // The game's own files go to a folder of the run's, not among the pictures.
        QTemporaryDir caseFolder;
        ScriptedPlatform platform(caseFolder.path());
        if (name == frmHall::Name) {
            QDir().mkpath(platform.dataFolder());
            Hall::save(Hall::pathIn(platform.dataFolder()), someLives());
        }
        platform.date = QDate(2002, 5, 5);
        Game game(platform, windows);
        game.start();
        for (const QString& field : fields)
            if (QString* text = game.state.text(field.section(u'=', 0, 0)))
                *text = field.section(u'=', 1);
        if (name == u"frmLife")
            liveAFortnight(game);
        game.stateMayHaveChanged();
        FormCore* form = name == u"frmMain" ? game.loaded(name) : game.open(name);
        if (!form) {
            std::fprintf(stderr, "no window %s\n", qPrintable(name));
            return 1;
        }
        if (auto* hall = dynamic_cast<frmHall*>(form))
            hall->markLife(someLives()[3].life);
        QWidget* window = form->window();
        window->adjustSize();
        if (!pointAt.isEmpty()) {
            auto* control = window->findChild<QWidget*>(pointAt);
            if (!control) {
                std::fprintf(stderr, "no control %s\n", qPrintable(shot));
                return 1;
            }
            const QPointF at(control->width() / 2.0, control->height() / 2.0);
            QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(control, &move);
        }
        QApplication::processEvents();
        const QString path =
            folder.filePath(name + (pointAt.isEmpty() ? QString() : u'-' + pointAt) + u".png"_s);
        if (!window->grab().save(path))
            return 1;
        std::printf("%s\t%s\n", qPrintable(path), qPrintable(window->windowTitle()));
    }
    return 0;
}
