#pragma once
// Being online: the provider's one-time connection, the sites' hourly charge and the jokes
// site's database download. The windows keep the visit's hour counter; the money, the mood
// and the download's progress live in the game.

#include "rules/Effects.h"

#include <QString>

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

} // namespace Online
