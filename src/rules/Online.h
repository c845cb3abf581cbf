// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Being online: the provider's one-time connection, the sites' hourly charge and the jokes
// site's database download. The money, the mood and the download's progress live in the game;
// a visit to the jokes site, with its hours online and its download under way, is a model
// here.

#include "rules/Effects.h"

#include <QString>

#include <optional>

struct GameState;

namespace Online {

// What the provider charges for connecting, once, and every site for an hour online.
inline constexpr int ConnectionFee = 30;
inline constexpr int HourlyRate = 5;
// The cash a download wants to start with; it is not charged.
inline constexpr int DownloadDeposit = 25;
// The jokes database is whole.
inline constexpr qint16 DatabaseLoaded = 100;

// The player has connected once and may browse for good.
bool connected(const GameState& state);

// The provider's connect button: a modem, a browser and a dialer connect for the fee, even
// into debt; anything missing is refused. Returns whether the player is now connected.
bool connect(GameState& state, Effects& effects);

// One online hour of a visit: the visit's counter (a window's label) goes up by one and the
// hour is charged. Reading jokes also lifts the mood.
enum class Site { Computer, Jokes };
void hour(GameState& state, QString& hours, Site site);

// The jokes site throws the player off when an hour leaves the cash below zero, but never
// while the database is coming down.
bool mustDisconnect(const GameState& state, bool downloading);
// The two messages of a visit's end: the warning of a forced one, and the summary.
void sayCashRunOut(Effects& effects);
void sayDisconnected(Effects& effects, const QString& hours);

// The download button: refused without the deposit or without a downloader; otherwise the
// download starts again from nothing. Returns whether it started.
bool startDownload(GameState& state, Effects& effects);
// One step of a running download: one percent more. Returns whether the database is whole.
bool downloadStep(GameState& state);
void sayLoaded(Effects& effects);
// The download's label at `percent`.
QString downloadText(qint16 percent);

// A visit to the jokes site as its window shows it: the hours online and the download.
struct JokesVisit {
    QString hours = QStringLiteral("0");
    // The download button: closed when the database was whole as the visit began, and once a
    // download has started.
    bool downloadOffered = true;
    // A download under way holds the player online: no disconnecting, by hand or for debt.
    bool downloading = false;
    // The download's label and bar, shown from the first start on: the percentage of the last
    // step (none until the first step of a download) and the steps the bar has grown by.
    bool downloadShown = false;
    std::optional<qint16> percent;
    qint16 steps = 0;
};

// A visit begins: the download is offered unless the database is whole.
JokesVisit visitJokes(const GameState& state);
// One online hour of the visit.
void hour(JokesVisit& visit, GameState& state);
// Whether the hour just charged throws the player off.
bool mustDisconnect(const JokesVisit& visit, const GameState& state);
// The download button: startDownload, and the visit's download starts from nothing.
bool startDownload(JokesVisit& visit, GameState& state, Effects& effects);
// One step of the visit's download. Returns whether the database is whole; the download runs
// on until endDownload, once the player has been told.
bool downloadStep(JokesVisit& visit, GameState& state);
void endDownload(JokesVisit& visit);
// The download's label as the visit shows it.
QString downloadText(const JokesVisit& visit);

} // namespace Online
