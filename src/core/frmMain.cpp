// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/frmMain.h"

#include "career/frmBank.h"
#include "career/frmStudy.h"
#include "career/frmWork.h"
#include "core/MainEffects.h"
#include "core/MainIndicators.h"
#include "core/MainStatusBar.h"
#include "core/PlaceGrid.h"
#include "core/RecentGamesMenu.h"
#include "core/frmFirst.h"
#include "core/frmHall.h"
#include "core/frmHelp.h"
#include "core/frmHistory.h"
#include "core/frmLife.h"
#include "internet/frmHakerstvo.h"
#include "internet/frmInternet.h"
#include "leisure/frmAr.h"
#include "leisure/frmHobby.h"
#include "leisure/frmParty.h"
#include "leisure/frmRuletka.h"
#include "leisure/frmRuletka2.h"
#include "purchases/frmComputer.h"
#include "purchases/frmFlat.h"
#include "purchases/frmPrograms.h"
#include "purchases/frmShop.h"
#include "rules/Clock.h"
#include "rules/Forecast.h"
#include "rules/Hacking.h"
#include "rules/LifeUpdate.h"
#include "rules/Trip.h"
#include "state/GameState.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>

using namespace Qt::StringLiterals;

frmMain::frmMain(Game& game)
    : QMainWindow(nullptr)
    , FormCore(game, *this, Name) {
    // The window's own texts, before any game has started.
    game.state.setDesignTexts();

    says(this, QT_TR_NOOP("Тимбурия"));
    buildMenu();

    central_ = named<QWidget>("mainBackground", this);
    auto* layout = new QHBoxLayout(central_);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    indicators_ = new MainIndicators(central_);
    layout->addWidget(indicators_, 3);
    layout->addWidget(buildPlaces(), 2);
    setCentralWidget(central_);
    statusBar_ = new MainStatusBar(this);
    setStatusBar(statusBar_);
    lblNote = statusBar_->lblNote;
    lblPause = statusBar_->lblPause;

    boldFrameTitles(central_);

    // The game clock and the life update run as long as this window is loaded, also while it
    // is hidden or a place window is open.
    tmrTime = new Timer(
        *this, u"tmrTime"_s, [this] { tmrTime_Timer(); }, true);
    Timer1 = new Timer(*this, u"Timer1"_s, [this] { Timer1_Timer(); });
    tmrTime->setGameTime(true);
    Timer1->setGameTime(true);
    tmrNote = new Timer(*this, u"tmrNote"_s, [this] { tmrNote_Timer(); });
    setSpeed(game.speed());

    connect(&game, &Game::stateChanged, this, &frmMain::showState);
    connect(&game, &Game::pauseChanged, this, &frmMain::showPause);
    connect(&game, &Game::continueLastLifeAsked, this, &frmMain::continueLastLife);
    connect(&game.session, &Session::noted, this, &frmMain::note);
    connect(&game.session, &Session::troubleNoted, statusBar_, &MainStatusBar::showTrouble);
    // What went wrong as the last life ended stays told in the next one's window.
    statusBar_->showTrouble(game.session.trouble());
    connect(&game.session, &Session::lastLifeChanged, this, &frmMain::showContinueLast);
    showState();
    showPause();
}

QWidget* frmMain::background() const {
    return central_;
}

void frmMain::buildMenu() {
    auto* file = says(named<QMenu>("File", menuBar()), QT_TR_NOOP("&Файл"));
    menuBar()->addMenu(file);
    connect(file, &QMenu::aboutToShow, this, &frmMain::showContinueLast);
    NewGame = item(file, "NewGame", QT_TR_NOOP("&Новая игра"), &frmMain::NewGame_Click);
    Save = item(file, "Save", QT_TR_NOOP("&Сохранить игру"), &frmMain::Save_Click);
    Load = item(file, "Load", QT_TR_NOOP("За&грузить игру"), &frmMain::Load_Click);
    LoadAutosave = item(file, "LoadAutosave", QT_TR_NOOP("Загрузить &автосохранение..."),
                        &frmMain::LoadAutosave_Click);
    ContinueLast = item(file, "ContinueLast", QT_TR_NOOP("Продолжить &прошлую игру"),
                        &frmMain::ContinueLast_Click);
    Recent = new RecentGamesMenu(file);
    file->addMenu(Recent);
    for (size_t i = 0; i < Recent->items().size(); ++i)
        onClick(Recent->items()[i], [this, i] { game().session.loadRecent(*this, qsizetype(i)); });
    connect(file, &QMenu::aboutToShow, this, &frmMain::showRecentGames);
    connect(&game().session, &Session::recentGamesChanged, this, &frmMain::showRecentGames);
    showRecentGames();
    file->addSeparator();
    Exit = item(file, "Exit", QT_TR_NOOP("&Выход"), &frmMain::Exit_Click);

    auto* play = says(named<QMenu>("Play", menuBar()), QT_TR_NOOP("&Игра"));
    menuBar()->addMenu(play);
    Pause = item(play, "Pause", QT_TR_NOOP("&Пауза"), &frmMain::Pause_Click);
    Pause->setCheckable(true);
    // P pauses in every window of the game (the game's own key filter sees to that); the
    // shortcut here only shows the key in the menu, and is never heard on its own.
    Pause->setShortcut(QKeySequence(Qt::Key_P));
    Pause->setShortcutContext(Qt::WidgetShortcut);
    play->addSeparator();
    auto* speeds = new QActionGroup(play);
    Speed1 = says(namedAction(play, "Speed1", {}), QT_TR_NOOP("Скорость x&1"));
    Speed2 = says(namedAction(play, "Speed2", {}), QT_TR_NOOP("Скорость x&2"));
    Speed4 = says(namedAction(play, "Speed4", {}), QT_TR_NOOP("Скорость x&4"));
    for (QAction* speed : {Speed1, Speed2, Speed4}) {
        speed->setCheckable(true);
        speeds->addAction(speed);
    }
    play->addSeparator();
    History = item(play, "History", QT_TR_NOOP("&История..."), &frmMain::History_Click);
    LifeSoFar = item(play, "LifeSoFar", QT_TR_NOOP("Итоги &жизни..."), &frmMain::LifeSoFar_Click);
    HallOfFame = item(play, "HallOfFame", QT_TR_NOOP("&Зал славы..."), &frmMain::HallOfFame_Click);

    auto* help = says(named<QMenu>("Help", menuBar()), QT_TR_NOOP("&Помощь"));
    menuBar()->addMenu(help);
    BigHelp = item(help, "BigHelp", QT_TR_NOOP("П&одробная справка"), &frmMain::BigHelp_Click);
    SmallHelp = item(help, "SmallHelp", QT_TR_NOOP("Ко&роткая справка"), &frmMain::SmallHelp_Click);
    KeysHelp = item(help, "KeysHelp", QT_TR_NOOP("&Клавиши и удобства"), &frmMain::KeysHelp_Click);
    help->addSeparator();
    AboutPr = item(help, "AboutPr", QT_TR_NOOP("О программе"), &frmMain::AboutPr_Click);

    // The desktop's usual keys, shown in the menu. A new game and the exit belong to this
    // window; the others are the game's keys, heard in every window of the game.
    NewGame->setShortcut(QKeySequence::New);
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Game::setGameKey(Save, QKeySequence::Save);
    Game::setGameKey(Load, QKeySequence::Open);
    Game::setGameKey(History, QKeySequence(Qt::CTRL | Qt::Key_H));
    Game::setGameKey(BigHelp, QKeySequence::HelpContents);

    buildLanguageMenu();

    onClick(Speed1, [this] { setSpeed(1); });
    onClick(Speed2, [this] { setSpeed(2); });
    onClick(Speed4, [this] { setSpeed(4); });
}

QAction* frmMain::item(QMenu* menu, const char* name, const char* source,
                       void (frmMain::*click)()) {
    QAction* action = says(namedAction(menu, name, {}), source);
    onClick(action, click);
    return action;
}

void frmMain::buildLanguageMenu() {
    // Named in both languages, and each language in its own: a player who cannot read the one
    // the game speaks still finds the other, its key (Alt+L) on a Latin keyboard.
    auto* languages = named<QMenu>("LanguageMenu", u"Язык / &Language"_s, menuBar()); // tr:keep
    menuBar()->insertMenu(menuBar()->actions().constLast(), languages);
    auto* group = new QActionGroup(languages);
    const std::pair<QAction*&, Language> items[] = {
        {LanguageRussian = namedAction(languages, "LanguageRussian", u"Русский"_s), // tr:keep
         Language::Russian},
        {LanguageEnglish = namedAction(languages, "LanguageEnglish", u"English"_s),
         Language::English},
    };
    for (const auto& [action, language] : items) {
        action->setCheckable(true);
        action->setChecked(language == currentLanguage());
        group->addAction(action);
        onClick(action, [this, language = language] { chooseLanguage(language); });
    }
}

void frmMain::chooseLanguage(Language language) {
    if (language != currentLanguage()) {
        useLanguage(language);
        game().platform.keepLanguage(languageCode(language));
    }
}

QWidget* frmMain::buildPlaces() {
    using Opens = void (frmMain::*)();
    struct Place {
        Picture*& picture;
        const char* name;
        const char* art;
        const char* caption;
        Opens opens;
    };
    const Place places[] = {
        {imgFlat, "imgFlat", "places/flat", QT_TRANSLATE_NOOP("PlaceGrid", "Квартира"),
         &frmMain::imgFlat_Click},
        {imgShop, "imgShop", "places/shop", QT_TRANSLATE_NOOP("PlaceGrid", "Магазин"),
         &frmMain::imgShop_Click},
        {imgComputer, "imgComputer", "places/computer", QT_TRANSLATE_NOOP("PlaceGrid", "Компьютер"),
         &frmMain::imgComputer_Click},
        {imgPrograms, "imgPrograms", "places/programs", QT_TRANSLATE_NOOP("PlaceGrid", "Программы"),
         &frmMain::imgPrograms_Click},
        {imgLearn, "imgLearn", "places/study", QT_TRANSLATE_NOOP("PlaceGrid", "Учеба"),
         &frmMain::imgLearn_Click},
        {imgWork, "imgWork", "places/work", QT_TRANSLATE_NOOP("PlaceGrid", "Работа"),
         &frmMain::imgWork_Click},
        {imgBank, "imgBank", "places/bank", QT_TRANSLATE_NOOP("PlaceGrid", "Банк"),
         &frmMain::imgBank_Click},
        {imgInternet, "imgInternet", "places/internet", QT_TRANSLATE_NOOP("PlaceGrid", "Интернет"),
         &frmMain::imgInternet_Click},
        {imgHakker, "imgHakker", "places/hackers", QT_TRANSLATE_NOOP("PlaceGrid", "Хакеры"),
         &frmMain::imgHakker_Click},
        {imgParty, "imgParty", "places/party", QT_TRANSLATE_NOOP("PlaceGrid", "Развлечения"),
         &frmMain::imgParty_Click},
        {imgHobby, "imgHobby", "places/hobby", QT_TRANSLATE_NOOP("PlaceGrid", "Хобби"),
         &frmMain::imgHobby_Click},
    };
    auto* grid = new PlaceGrid(central_);
    for (const Place& place : places) {
        const int index = grid->count();
        place.picture = grid->add(place.name, place.art, place.caption);
        onClick(place.picture, place.opens);
        routeKeyDown(place.picture, [grid, index](int key) { grid->moveFocus(index, key); });
    }
    return grid;
}

QLabel* frmMain::field(const QString& name) const {
    return findChild<QLabel*>(name);
}

void frmMain::showState() {
    const GameState& state = game().state;
    indicators_->showState(state);
    statusBar_->showForecast(Forecast::text(state), Forecast::of(state));
    statusBar_->showSpeed(game().speed());
}

void frmMain::showPause() {
    Pause->setChecked(game().pausedByPlayer());
    statusBar_->showPaused(game().paused());
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        game().setMinimised(isMinimized());
    else if (event->type() == QEvent::LanguageChange)
        languageChanged();
}

void frmMain::Pause_Click() {
    game().setPausedByPlayer(Pause->isChecked());
}

void frmMain::setSpeed(int speed) {
    game().setSpeed(speed);
    (speed == 4 ? Speed4 : speed == 2 ? Speed2 : Speed1)->setChecked(true);
    tmrTime->setInterval(Clock::HourMs / speed);
    Timer1->setInterval(Life::TickMs / speed);
}

void frmMain::History_Click() {
    // Asked for from a window that stands over it (by its key), it comes again on top.
    game().show(game().loadOnTop<frmHistory>(), true);
}

void frmMain::LifeSoFar_Click() {
    game().show(game().loadOnTop<frmLife>(), true);
}

void frmMain::HallOfFame_Click() {
    game().open<frmHall>();
}

void frmMain::Form_Load() {
    ForLoadMain();
}

void frmMain::ForLoadMain() {
    game().session.begin(*this);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    showContinueLast();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isUnloaded())
        return;
    dispatch([this] {
        if (game().state.SkipExitConfirm != 0)
            game().unload(this);
        else
            game().exitQuestion(*this);
    });
}

void frmMain::NewGame_Click() {
    if (!ask(tr("Вы действительно хотите начать новую игру?"), tr("Подтвердите")))
        return;
    hide(); // still loaded: its timers keep the old game running meanwhile
    // The venue or one of its machines, with a spin still running, belong to the old game.
    game().unload<frmParty>();
    game().unload<frmRuletka>();
    game().unload<frmRuletka2>();
    game().unload<frmAr>();
    frmInternet::closeOnline(game());
    game().open<frmFirst>(false);
}

void frmMain::Save_Click() {
    game().session.save(*this);
}

void frmMain::Load_Click() {
    game().session.load(*this);
}

void frmMain::LoadAutosave_Click() {
    game().session.loadAutosave(*this);
}

void frmMain::ContinueLast_Click() {
    continueLastLife();
}

void frmMain::continueLastLife() {
    game().session.continueLastLife(*this);
}

void frmMain::showRecentGames() {
    Recent->showGames(game().session.recentGames());
}

void frmMain::showContinueLast() {
    ContinueLast->setEnabled(game().session.canContinueLastLife());
}

void frmMain::note(const QString& text) {
    statusBar_->showNote(text);
    constexpr int NoteMs = 5000;
    tmrNote->setInterval(NoteMs);
}

void frmMain::retranslateUi() {
    if (!lblNote->isHidden())
        statusBar_->showNote(game().session.note());
    statusBar_->showTrouble(game().session.trouble());
}

void frmMain::tmrNote_Timer() {
    tmrNote->setInterval(0);
    statusBar_->showNote({});
}

void frmMain::Exit_Click() {
    game().exitQuestion(*this);
}

void frmMain::BigHelp_Click() {
    frmHelp::ShowPage(game(), frmHelp::Page::MainWindow);
}

void frmMain::SmallHelp_Click() {
    frmHelp::ShowPage(game(), frmHelp::Page::ShortHelp);
}

void frmMain::KeysHelp_Click() {
    frmHelp::ShowPage(game(), frmHelp::Page::Keys);
}

void frmMain::AboutPr_Click() {
    frmFirst::ShowAbout(game());
}

void frmMain::tmrTime_Timer() {
    MainClockEffects effects(*this);
    game().session.passHour(effects);
}

void frmMain::Timer1_Timer() {
    MainLifeEffects effects(*this, *indicators_);
    Life::tick(game().state, effects);
}

void frmMain::imgFlat_Click() {
    game().open<frmFlat>();
}

void frmMain::imgShop_Click() {
    game().open<frmShop>();
}

void frmMain::imgComputer_Click() {
    game().open<frmComputer>();
}

void frmMain::imgPrograms_Click() {
    game().open<frmPrograms>();
}

void frmMain::imgLearn_Click() {
    game().open<frmStudy>();
}

void frmMain::imgWork_Click() {
    game().open<frmWork>();
}

void frmMain::imgBank_Click() {
    if (Trip::toBank(game().state, effects()))
        game().open<frmBank>();
}

void frmMain::imgParty_Click() {
    game().open<frmParty>();
}

void frmMain::imgHobby_Click() {
    game().open<frmHobby>();
}

void frmMain::imgHakker_Click() {
    if (Hacking::admits(game().state, effects()))
        game().open<frmHakerstvo>();
}

void frmMain::imgInternet_Click() {
    game().open<frmInternet>();
}
