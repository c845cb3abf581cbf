// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Online.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Online {

bool connected(const GameState& state) {
    return !hasNone(state.lblVichod);
}

bool connect(GameState& state, Effects& effects) {
    if (state.Modem.Level < 1 || state.HasBrowser != -1 || state.HasDialer != -1) {
        effects.say(QCoreApplication::translate("Game", "Вы не можете подключиться к интернету без "
                                                        "модема, браузера и звонилки."),
                    QCoreApplication::translate("Game", "Подключение не  произошло."),
                    MsgIcon::None);
        return false;
    }
    effects.say(QCoreApplication::translate("Game", "Вы подключились к интернету за 5$ в час."),
                QCoreApplication::translate("Game", "Подключение произошло."), MsgIcon::None);
    state.addMoney(-ConnectionFee);
    state.lblVichod = QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Есть"));
    return true;
}

void hour(GameState& state, QString& hours, Site site) {
    AddTo(hours, 1);
    state.addMoney(-HourlyRate);
    if (site == Site::Jokes)
        state.addMood(1);
}

bool mustDisconnect(const GameState& state, bool downloading) {
    return !downloading && state.money() < 0;
}

void sayCashRunOut(Effects& effects) {
    effects.say(QCoreApplication::translate("Game", "Внимание: у вас закончились деньги, и вы не "
                                                    "можете оплатить время в интернете. Соединение "
                                                    "будет разорвано."),
                QCoreApplication::translate("Game", "Соединение будет разорвано"), MsgIcon::None);
}

void sayDisconnected(Effects& effects, const QString& hours) {
    effects.say(QCoreApplication::translate("Game",
                                            "Соединение с интернет разорвано...\n\nПросижано "
                                            "часов: %1")
                    .arg(hours),
                u"Disconnect..."_s, MsgIcon::None);
}

bool startDownload(GameState& state, Effects& effects) {
    if (state.money() < DownloadDeposit) {
        effects.say(QCoreApplication::translate("Game", "Скачивание базы займет некоторое время, у "
                                                        "вас на счету должно быть не менее 25$."),
                    QCoreApplication::translate("Game", "Скачивание невозможно (мало денег)"),
                    MsgIcon::None);
        return false;
    }
    if (state.HasDownloader != -1) {
        effects.say(
            QCoreApplication::translate(
                "Game", "Для скачивания необходима программа для закачки файлов (Downloader)."),
            QCoreApplication::translate("Game", "Требуется Downloader"), MsgIcon::None);
        return false;
    }
    state.JokesBaseLoaded = 0;
    return true;
}

bool downloadStep(GameState& state) {
    state.JokesBaseLoaded = AddSat16(state.JokesBaseLoaded, 1);
    return state.JokesBaseLoaded == DatabaseLoaded;
}

void sayLoaded(Effects& effects) {
    effects.say(QCoreApplication::translate("Game", "База успешно загружена."),
                u"Message. Downloader. 100%"_s, MsgIcon::None);
}

QString downloadText(qint16 percent) {
    return QCoreApplication::translate("Game", ":: Скачивание (%1%) ::").arg(Str(percent));
}

JokesVisit visitJokes(const GameState& state) {
    JokesVisit visit;
    visit.downloadOffered = state.JokesBaseLoaded != DatabaseLoaded;
    return visit;
}

void hour(JokesVisit& visit, GameState& state) {
    hour(state, visit.hours, Site::Jokes);
}

bool mustDisconnect(const JokesVisit& visit, const GameState& state) {
    return mustDisconnect(state, visit.downloading);
}

bool startDownload(JokesVisit& visit, GameState& state, Effects& effects) {
    if (!startDownload(state, effects))
        return false;
    visit.downloadOffered = false;
    visit.downloading = true;
    visit.downloadShown = true;
    visit.percent.reset();
    visit.steps = 0;
    return true;
}

bool downloadStep(JokesVisit& visit, GameState& state) {
    const bool whole = downloadStep(state);
    visit.percent = state.JokesBaseLoaded;
    ++visit.steps;
    return whole;
}

void endDownload(JokesVisit& visit) {
    visit.downloading = false;
}

QString downloadText(const JokesVisit& visit) {
    return visit.percent ? downloadText(*visit.percent)
                         : QCoreApplication::translate("Game", ":: Скачивание (0%) ::");
}

} // namespace Online
