#include "core/frmMain.h"

#include "career/frmBank.h"
#include "career/frmStudy.h"
#include "career/frmWork.h"
#include "core/frmFirst.h"
#include "core/frmHelp.h"
#include "core/frmHistory.h"
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
#include "purchases/frmVirus.h"
#include "rules/Clock.h"
#include "rules/Forecast.h"
#include "rules/LifeUpdate.h"
#include "rules/Trip.h"
#include "state/Autosave.h"
#include "state/GameFiles.h"
#include "state/GameState.h"
#include "state/History.h"
#include "state/SavedGame.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct Row {
    const char16_t* caption; // nullptr: the value stands alone on its row
    QString GameState::*field;
    const char* captionName = "caption"; // the few captions the game hides have names
};

QLabel* captionLabel(const QString& text, QWidget* parent) {
    return named<QLabel>("caption", text, parent);
}

// How wide a field's value can be: its widest catalog entry or ladder rung, and for the other
// fields room for the longest program name. A value column keeps that width
// whatever it shows, so the window neither grows nor shifts its frames as names change, and
// never clips one of the game's names.
int widestValue(QString GameState::*field, const QFontMetrics& metrics) {
    static const GameState catalogs = [] {
        GameState s;
        s.buildCatalogs();
        return s;
    }();
    QStringList texts;
    for (const CatalogInfo& info : catalogTable())
        if (info.field == field)
            texts = (catalogs.*info.catalog).Names;
    const std::pair<QString GameState::*, const QStringList*> ladders[] = {
        {&GameState::lblStatus, &Ladders::Status},
        {&GameState::lblEduncation, &Ladders::Education},
        {&GameState::lblEnglish, &Ladders::English},
        {&GameState::lblClothes, &Ladders::Clothes}};
    for (auto [ladderField, rungs] : ladders)
        if (ladderField == field)
            texts = *rungs;
    // The longest names the other fields take are programs'.
    int widest = std::max(metrics.horizontalAdvance(u"3D StMax III"_s),
                          metrics.horizontalAdvance(u"Касперского"_s));
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + 2;
}

// The label showing a field is named after the field.
const char* nameOf(QString GameState::*field) {
    for (const TextFieldInfo& info : textFieldTable())
        if (info.member == field)
            return info.name;
    return "";
}

// The frames' titles in bold, and what they hold as it was: a frame's font passes to the
// controls inside that set none of their own, so those keep the normal weight. (A style sheet
// says the same, but every control of the window is then polished and drawn through it: a
// tenth of the time to show the window.)
void boldFrameTitles(QWidget* window) {
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        for (QWidget* inside : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QGroupBox*>(inside) || inside->testAttribute(Qt::WA_SetFont))
                continue;
            QFont normal = inside->font();
            normal.setBold(false);
            inside->setFont(normal);
        }
        QFont bold = box->font();
        bold.setBold(true);
        box->setFont(bold);
    }
}

} // namespace

frmMain::frmMain(Game& game)
    : QMainWindow(nullptr)
    , FormCore(game, *this, Name) {
    // The window's own texts, before any game has started.
    game.state.setDesignTexts();

    setWindowTitle(u"Тимбурия"_s);
    buildMenu();

    central_ = named<QWidget>("mainBackground", this);
    auto* layout = new QHBoxLayout(central_);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildIndicators(), 3);
    layout->addWidget(buildPlaces(), 2);
    setCentralWidget(central_);
    buildStatusBar();

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
    showState();
    showPause();
}

QWidget* frmMain::background() const {
    return central_;
}

void frmMain::buildMenu() {
    auto* file = named<QMenu>("File", u"&Файл"_s, menuBar());
    menuBar()->addMenu(file);
    connect(file, &QMenu::aboutToShow, this, &frmMain::showContinueLast);
    NewGame = namedAction(file, "NewGame", u"&Новая игра"_s);
    Save = namedAction(file, "Save", u"&Сохранить игру"_s);
    Load = namedAction(file, "Load", u"За&грузить игру"_s);
    LoadAutosave = namedAction(file, "LoadAutosave", u"Загрузить &автосохранение..."_s);
    ContinueLast = namedAction(file, "ContinueLast", u"Продолжить &прошлую игру"_s);
    file->addSeparator();
    Exit = namedAction(file, "Exit", u"&Выход"_s);

    auto* play = named<QMenu>("Play", u"&Игра"_s, menuBar());
    menuBar()->addMenu(play);
    Pause = namedAction(play, "Pause", u"&Пауза"_s);
    Pause->setCheckable(true);
    // P pauses in every window of the game (the game's own key filter sees to that); the
    // shortcut here only shows the key in the menu, and is never heard on its own.
    Pause->setShortcut(QKeySequence(Qt::Key_P));
    Pause->setShortcutContext(Qt::WidgetShortcut);
    play->addSeparator();
    auto* speeds = new QActionGroup(play);
    Speed1 = namedAction(play, "Speed1", u"Скорость x&1"_s);
    Speed2 = namedAction(play, "Speed2", u"Скорость x&2"_s);
    Speed4 = namedAction(play, "Speed4", u"Скорость x&4"_s);
    for (QAction* speed : {Speed1, Speed2, Speed4}) {
        speed->setCheckable(true);
        speeds->addAction(speed);
    }
    play->addSeparator();
    History = namedAction(play, "History", u"&История..."_s);

    auto* help = named<QMenu>("Help", u"&Помощь"_s, menuBar());
    menuBar()->addMenu(help);
    BigHelp = namedAction(help, "BigHelp", u"П&одробная справка"_s);
    SmallHelp = namedAction(help, "SmallHelp", u"Ко&роткая справка"_s);
    KeysHelp = namedAction(help, "KeysHelp", u"&Клавиши и удобства"_s);
    help->addSeparator();
    AboutPr = namedAction(help, "AboutPr", u"О программе"_s);

    // The desktop's usual keys, shown in the menu. A new game and the exit belong to this
    // window; the others are the game's keys, heard in every window of the game.
    NewGame->setShortcut(QKeySequence::New);
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    Game::setGameKey(Save, QKeySequence::Save);
    Game::setGameKey(Load, QKeySequence::Open);
    Game::setGameKey(History, QKeySequence(Qt::CTRL | Qt::Key_H));
    Game::setGameKey(BigHelp, QKeySequence::HelpContents);

    onClick(NewGame, &frmMain::NewGame_Click);
    onClick(Save, &frmMain::Save_Click);
    onClick(Load, &frmMain::Load_Click);
    onClick(LoadAutosave, &frmMain::LoadAutosave_Click);
    onClick(ContinueLast, &frmMain::ContinueLast_Click);
    onClick(Pause, &frmMain::Pause_Click);
    route(Speed1, ControlEvent::Click, [this] { setSpeed(1); });
    route(Speed2, ControlEvent::Click, [this] { setSpeed(2); });
    route(Speed4, ControlEvent::Click, [this] { setSpeed(4); });
    onClick(History, &frmMain::History_Click);
    onClick(Exit, &frmMain::Exit_Click);
    onClick(BigHelp, &frmMain::BigHelp_Click);
    onClick(SmallHelp, &frmMain::SmallHelp_Click);
    onClick(KeysHelp, &frmMain::KeysHelp_Click);
    onClick(AboutPr, &frmMain::AboutPr_Click);
}

QWidget* frmMain::buildIndicators() {
    auto* panel = new QWidget(central_);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);

    // A frame of caption/value rows; the value label is named after its field.
    auto frame = [this](const QString& title, std::initializer_list<Row> rows,
                        QWidget* parent) -> QGroupBox* {
        auto* box = new QGroupBox(title, parent);
        auto* form = new QGridLayout(box);
        form->setHorizontalSpacing(4);
        form->setVerticalSpacing(3);
        int line = 0;
        for (const Row& row : rows) {
            QLabel* value = figure(nameOf(row.field), {}, box);
            value->setTextInteractionFlags(Qt::NoTextInteraction);
            value->setMinimumWidth(widestValue(row.field, value->fontMetrics()));
            value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            shown_.push_back({value, row.field});
            if (row.caption) {
                form->addWidget(
                    named<QLabel>(row.captionName, QString::fromUtf16(row.caption), box), line, 0);
                form->addWidget(value, line, 1);
            } else {
                form->addWidget(value, line, 0, 1, 2);
            }
            ++line;
        }
        form->setColumnStretch(1, 1);
        form->setRowStretch(line, 1);
        return box;
    };

    grid->addWidget(frame(u"Личный статус"_s,
                          {{u"Деньги:", &GameState::lblMoney},
                           {u"Сытость:", &GameState::lblHungry},
                           {u"Настроение:", &GameState::lblHappyness},
                           {u"Статус:", &GameState::lblStatus},
                           {u"Образование:", &GameState::lblEduncation},
                           {u"Англ. яз.:", &GameState::lblEnglish},
                           {u"Работа:", &GameState::lblSWork},
                           {u"Ваша одежда:", &GameState::lblClothes}},
                          panel),
                    0, 0);
    grid->addWidget(frame(u"Компьютер"_s,
                          {{u"Процессор:", &GameState::lblComp},
                           {u"Память RAM:", &GameState::lblRAM},
                           {u"Винчестер:", &GameState::lblVinchester},
                           {u"CD-Rom:", &GameState::lblCDROM},
                           {u"Видео карта:", &GameState::lblVideoKarta},
                           {u"Звук. карта:", &GameState::lblSoundKarta},
                           {u"Монитор:", &GameState::lblMonitor},
                           {u"Принтер:", &GameState::lblPrinter},
                           {u"Сканер:", &GameState::lblSkaner},
                           {u"Модем:", &GameState::lblModem}},
                          panel),
                    0, 1);
    grid->addWidget(frame(u"Житие мое"_s,
                          {{u"Машина:", &GameState::lblCar},
                           {u"Кол.комнат:", &GameState::lblRoom},
                           {u"Мебель:", &GameState::lblMebel},
                           {u"Кухня:", &GameState::lblKitchen},
                           {u"Ванная:", &GameState::lblBath}},
                          panel),
                    1, 0);

    grid->addWidget(frame(u"Программы"_s,
                          {{u"Система:", &GameState::lblSystem},
                           {u"Прог-ование:", &GameState::lblProgram},
                           {u"Графика:", &GameState::lblGraph},
                           {u"Антивирус:", &GameState::lblAntvirus}},
                          panel),
                    1, 1);
    grid->addWidget(
        frame(u"Работа"_s,
              {{nullptr, &GameState::lblMyWork}, {u"Зарплата:", &GameState::lblWorkEarn}}, panel),
        2, 0);
    grid->addWidget(frame(u"Интернет"_s, {{u"Выход:", &GameState::lblVichod}}, panel), 2, 1);

    // Study: a sub-frame per course, each with its price line that a finished course hides.
    auto* study = new QGroupBox(u"Учеба"_s, panel);
    auto* courses = new QHBoxLayout(study);
    auto course = [&](const QString& title, QString GameState::*state, QLabel*& priceCaption,
                      const char* captionName, QString GameState::*price) {
        QGroupBox* box =
            frame(title, {{nullptr, state}, {u"Стоимость:", price, captionName}}, study);
        // The caption of the price row is one of the three labels the game hides.
        priceCaption = box->findChild<QLabel*>(QString::fromLatin1(captionName));
        courses->addWidget(box);
    };
    course(u"Школа"_s, &GameState::lblSSchool, lblSStoim, "lblSStoim", &GameState::lblSCost);
    course(u"Англ.яз."_s, &GameState::lblEEnglish, lblEStoim, "lblEStoim", &GameState::lblECost);
    course(u"Ком.курсы"_s, &GameState::lblCComputer, lblStoim, "lblStoim", &GameState::lblCCost);
    grid->addWidget(study, 3, 0, 1, 2);

    // The date and time line, and the lesson and virus counters the player never sees.
    auto* when = new QWidget(panel);
    auto* line = new QHBoxLayout(when);
    line->setContentsMargins(4, 0, 4, 0);
    line->setSpacing(0);
    auto value = [&](QString GameState::*field) {
        QLabel* label = figure(nameOf(field), {}, when);
        shown_.push_back({label, field});
        line->addWidget(label);
        return label;
    };
    line->addWidget(captionLabel(u"Дата: "_s, when));
    value(&GameState::lblDay);
    line->addWidget(captionLabel(u"/"_s, when));
    value(&GameState::lblMonth);
    line->addWidget(captionLabel(u"/"_s, when));
    value(&GameState::lblYear);
    line->addSpacing(24);
    line->addWidget(captionLabel(u"Время: "_s, when));
    value(&GameState::lblHours);
    line->addWidget(captionLabel(u":00"_s, when));
    line->addStretch(1);
    for (QString GameState::*hidden :
         {&GameState::lblObras, &GameState::lblEng, &GameState::lblCom, &GameState::lblVir})
        value(hidden)->hide();
    grid->addWidget(when, 4, 0, 1, 2);

    auto* status = named<QLabel>("lblSpHelp", panel);
    status->setWordWrap(true);
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
    // Two lines, whatever the text: a long help line must not make the window grow.
    status->setFixedHeight(status->fontMetrics().lineSpacing() * 2 + 8);
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    shown_.push_back({status, &GameState::lblSpHelp});
    grid->addWidget(status, 5, 0, 1, 2);
    return panel;
}

namespace {
constexpr int PlaceColumns = 3;
} // namespace

QWidget* frmMain::buildPlaces() {
    auto* box = new QGroupBox(u"Куда пойти"_s, central_);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(4);
    using Opens = void (frmMain::*)();
    struct Place {
        Picture*& picture;
        const char* name;
        const char* art;
        const char16_t* caption;
        Opens opens; // nullptr: the place is not open yet
    };
    const Place places[] = {
        {imgFlat, "imgFlat", "places/flat", u"Квартира", &frmMain::imgFlat_Click},
        {imgShop, "imgShop", "places/shop", u"Магазин", &frmMain::imgShop_Click},
        {imgComputer, "imgComputer", "places/computer", u"Компьютер", &frmMain::imgComputer_Click},
        {imgPrograms, "imgPrograms", "places/programs", u"Программы", &frmMain::imgPrograms_Click},
        {imgLearn, "imgLearn", "places/study", u"Учеба", &frmMain::imgLearn_Click},
        {imgWork, "imgWork", "places/work", u"Работа", &frmMain::imgWork_Click},
        {imgBank, "imgBank", "places/bank", u"Банк", &frmMain::imgBank_Click},
        {imgInternet, "imgInternet", "places/internet", u"Интернет", &frmMain::imgInternet_Click},
        {imgHakker, "imgHakker", "places/hackers", u"Хакеры", &frmMain::imgHakker_Click},
        {imgParty, "imgParty", "places/party", u"Развлечения", &frmMain::imgParty_Click},
        {imgHobby, "imgHobby", "places/hobby", u"Хобби", &frmMain::imgHobby_Click},
    };
    int index = 0;
    for (const Place& place : places) {
        auto* cell = new QWidget(box);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        const QString caption = QString::fromUtf16(place.caption);
        place.picture = named<Picture>(place.name, QString::fromLatin1(place.art), cell);
        place.picture->setMinimumSize(84, 63);
        place.picture->setToolTip(caption);
        auto* label = new QLabel(caption, cell);
        label->setAlignment(Qt::AlignHCenter);
        column->addWidget(place.picture, 1);
        column->addWidget(label);
        const bool open = place.opens != nullptr;
        place.picture->setEnabled(open);
        label->setEnabled(open);
        if (open) {
            place.picture->setCursor(Qt::PointingHandCursor);
            onClick(place.picture, place.opens);
        }
        grid->addWidget(cell, index / PlaceColumns, index % PlaceColumns);
        routeKeyDown(place.picture, [this, index](int key) { movePlaceFocus(index, key); });
        places_.push_back(place.picture);
        ++index;
    }
    return box;
}

void frmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    lblForecast = named<QLabel>("lblForecast", bar);
    // However long the forecast gets, it never widens the window.
    lblForecast->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(lblForecast, 1);
    lblNote = named<QLabel>("lblNote", bar);
    // A long file name is cut rather than widening the window.
    lblNote->setMinimumWidth(1);
    lblNote->setContentsMargins(8, 0, 8, 0);
    lblNote->hide();
    bar->addPermanentWidget(lblNote);
    lblAutosave = named<QLabel>("lblAutosave", bar);
    lblAutosave->hide();
    bar->addPermanentWidget(lblAutosave);
    lblSpeed = named<QLabel>("lblSpeed", bar);
    lblSpeed->setContentsMargins(8, 0, 8, 0);
    lblSpeed->hide();
    bar->addPermanentWidget(lblSpeed);
    lblPause = heading("lblPause", u"Пауза"_s, bar);
    lblPause->setContentsMargins(8, 0, 8, 0);
    lblPause->hide();
    bar->addPermanentWidget(lblPause);
}

QLabel* frmMain::field(const QString& name) const {
    return findChild<QLabel*>(name);
}

void frmMain::showState() {
    const GameState& state = game().state;
    for (const Shown& shown : shown_) {
        const QString& text = state.*shown.field;
        if (shown.label->text() != text)
            shown.label->setText(text);
    }
    const QString forecast = Forecast::text(state);
    if (lblForecast->text() != forecast)
        lblForecast->setText(forecast);
    showSpeed();
}

void frmMain::showSpeed() {
    const int speed = game().speed();
    const QString text = u"Скорость x%1"_s.arg(speed);
    if (lblSpeed->text() != text)
        lblSpeed->setText(text);
    lblSpeed->setVisible(speed != 1);
}

void frmMain::movePlaceFocus(int from, int key) {
    const int count = int(places_.size());
    const int column = from % PlaceColumns;
    int to = from;
    if (key == Qt::Key_Left && column > 0)
        to = from - 1;
    else if (key == Qt::Key_Right && column + 1 < PlaceColumns && from + 1 < count)
        to = from + 1;
    else if (key == Qt::Key_Up && from >= PlaceColumns)
        to = from - PlaceColumns;
    else if (key == Qt::Key_Down && from + PlaceColumns < count)
        to = from + PlaceColumns;
    if (to != from)
        places_[to]->setFocus(Qt::TabFocusReason);
}

void frmMain::showPause() {
    Pause->setChecked(game().pausedByPlayer());
    lblPause->setVisible(game().paused());
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        game().setMinimised(isMinimized());
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

void frmMain::Form_Load() {
    ForLoadMain();
}

void frmMain::ForLoadMain() {
    game().beginNewGame(*this);
    showContinueLast();
    // The program starts straight into a new game; the status bar says, once, which day of
    // the game played before waits to be continued.
    if (game().generation() != 1)
        return;
    const std::optional<QString> last =
        Autosave::lastLife(game().platform.dataFolder(), game().ownsAutosaves());
    if (!last)
        return;
    const SavedGame::Loaded loaded = SavedGame::load(*last, game().state);
    if (loaded.state)
        note(u"Прошлая игра сохранена на день %1: «Файл → Продолжить прошлую игру»."_s.arg(
            History::dateOf(*loaded.state)));
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
    if (!ask(u"Вы действительно хотите начать новую игру?"_s, u"Подтвердите"_s))
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

namespace {
// A game loaded from the autosaves in the data folder carries on that set's life: its days go
// on being autosaved beside it. Any other game is another life.
bool isCurrentAutosave(const QString& dataFolder, const QString& path) {
    const QFileInfo file(path);
    if (QFileInfo(file.absolutePath()).canonicalFilePath() !=
        QFileInfo(dataFolder).canonicalFilePath())
        return false;
    for (int age = 0; age < Autosave::Kept; ++age)
        if (file.fileName() == Autosave::fileName(age))
            return true;
    return false;
}

const QString SavedGames = u"Тимбурия (*.kbz)|*.kbz|"_s;
const QString NoFileChosen = u"Файл не выбран."_s;
} // namespace

void frmMain::Save_Click() {
    const auto fail = [this](const QString& why) {
        msg(u"Вы не сохранили игру.\n\n"_s + why, u"Не сохранили."_s, MsgIcon::Information);
    };
    std::optional<QString> path = saveFileName(SavedGames, 1);
    if (!path)
        return fail(NoFileChosen);
    // A name typed without an extension is a saved game all the same.
    if (QFileInfo(*path).suffix().isEmpty())
        *path += u".kbz"_s;
    const GameFiles::Written written = GameFiles::save(*path, game().state, game().history);
    if (written.game)
        return fail(*written.game);
    note(u"Игра сохранена: "_s + QFileInfo(*path).fileName());
    // The game is saved whatever becomes of its history, which only the status bar mentions.
    noteFailure(u"История не сохранена: "_s, written.history);
}

void frmMain::Load_Click() {
    loadGame(openFileName(SavedGames, 1));
}

void frmMain::LoadAutosave_Click() {
    const QString folder = game().platform.dataFolder();
    QDir().mkpath(folder);
    loadGame(openFileName(SavedGames, 1, folder));
}

void frmMain::ContinueLast_Click() {
    continueLastLife();
}

void frmMain::continueLastLife() {
    const std::optional<QString> last =
        Autosave::lastLife(game().platform.dataFolder(), game().ownsAutosaves());
    if (!last)
        return showContinueLast();
    loadGame(last);
}

void frmMain::showContinueLast() {
    ContinueLast->setEnabled(
        Autosave::lastLife(game().platform.dataFolder(), game().ownsAutosaves()).has_value());
}

void frmMain::loadGame(const std::optional<QString>& path) {
    const auto fail = [this](const QString& why) {
        msg(u"Вы не загрузили игру.\n\n"_s + why, u"Не загрузили"_s, MsgIcon::Information);
    };
    if (!path)
        return fail(NoFileChosen);
    GameFiles::Loaded loaded = GameFiles::load(*path, game().state);
    if (!loaded.state)
        return fail(loaded.error);
    game().state = std::move(*loaded.state);
    game().setLifeOver(false);
    game().setOwnsAutosaves(isCurrentAutosave(game().platform.dataFolder(), *path));
    // The game loads whatever became of its history; when one was there but is not this
    // game's, the status bar says why the history is empty.
    game().setHistory(std::move(loaded.history));
    noteFailure(u"История не загружена: "_s, loaded.historyNote.isEmpty()
                                                 ? std::nullopt
                                                 : std::optional<QString>(loaded.historyNote));
    showContinueLast();
    // A game loaded by its key from a place window: every window above this one belongs to the
    // moment of the game that was being played (a spin, a fishing trip, an hour online), and
    // goes, as at a new game; the loaded game shows here.
    const auto windows = game().windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it != this)
            game().unload(*it);
    note(u"Игра загружена: "_s + QFileInfo(*path).fileName());
}

void frmMain::note(const QString& text) {
    lblNote->setText(text);
    lblNote->show();
    constexpr int NoteMs = 5000;
    tmrNote->setInterval(NoteMs);
}

void frmMain::tmrNote_Timer() {
    tmrNote->setInterval(0);
    lblNote->hide();
    lblNote->clear();
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

class frmMain::ClockEffects : public FormEffects<Clock::Effects> {
public:
    using FormEffects::FormEffects;
    void balanceChanged() override { Q_EMIT form_.game().bankBalanceChanged(); }
};

void frmMain::tmrTime_Timer() {
    ClockEffects effects(*this);
    const QString today = History::dateOf(game().state);
    if (Clock::tick(game().state, effects))
        endOfDay(today);
}

void frmMain::endOfDay(const QString& date) {
    // A life whose death is decided keeps the autosaves of its last living days.
    if (game().lifeOver())
        return;
    game().recordDay(History::record(game().state, date));
    // A failed autosave does not stop the game: the status bar says so until one succeeds.
    const QString folder = game().platform.dataFolder();
    if (!game().ownsAutosaves()) {
        if (std::optional<QString> error = Autosave::movePreviousLife(folder))
            return noteFailure(u"Автосохранение не удалось: "_s, error);
        game().setOwnsAutosaves(true);
    }
    const GameFiles::Written written = Autosave::write(folder, game().state, game().history);
    if (written.game)
        noteFailure(u"Автосохранение не удалось: "_s, written.game);
    else
        noteFailure(u"История не сохранена в автосохранении: "_s, written.history);
    showContinueLast();
}

void frmMain::noteFailure(const QString& what, const std::optional<QString>& error) {
    lblAutosave->setText(error ? what + *error : QString());
    lblAutosave->setVisible(error.has_value());
}

class frmMain::LifeEffects : public FormEffects<Life::Effects> {
public:
    explicit LifeEffects(frmMain& main)
        : FormEffects(main)
        , main_(main) {}

    void die(const QString& text) override {
        Game& game = main_.game();
        game.setLifeOver(true);
        main_.msg(text, u"+СМЕРТЬ+"_s, MsgIcon::Exclamation);
        game.state.SkipExitConfirm = 1;
        // Every window goes, the main one without the exit question; the start window
        // offers the next game.
        const auto windows = game.windows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            game.unload(*it);
        frmFirst::ShowAfterDeath(game);
    }

    void courseFinished(Life::Course course) override {
        const auto hide = [this](QLabel* caption, const char* price) {
            caption->hide();
            main_.field(QString::fromLatin1(price))->hide();
        };
        switch (course) {
        case Life::Course::School:
            return hide(main_.lblSStoim, "lblSCost");
        case Life::Course::English:
            return hide(main_.lblEStoim, "lblECost");
        case Life::Course::Computer:
            return hide(main_.lblStoim, "lblCCost");
        }
    }

    void virusStrikes() override {
        // A virus window still waiting for its answer stays the only one.
        main_.game().open<frmVirus>();
    }

private:
    frmMain& main_;
};

void frmMain::Timer1_Timer() {
    LifeEffects effects(*this);
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
    if (Ladders::below(Ladders::Status, game().state.lblStatus, u"Хакер"_s))
        msg(u"Ваш статус должен быть хакер."_s, u"Вы должны быть хакер."_s);
    else
        game().open<frmHakerstvo>();
}

void frmMain::imgInternet_Click() {
    game().open<frmInternet>();
}
