#include "core/frmMain.h"

#include "career/frmBank.h"
#include "core/frmFirst.h"
#include "core/frmHelp.h"
#include "rules/Clock.h"
#include "rules/LifeUpdate.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Picture.h"
#include "ui/Timer.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct Row {
    const char16_t* caption; // nullptr: the value stands alone on its row
    QString GameState::*field;
};

QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(u"caption"_s);
    return label;
}

} // namespace

frmMain::frmMain(Game& game)
    : QMainWindow(nullptr)
    , FormCore(game, *this, u"frmMain"_s) {
    // The window's own texts, before any game has started.
    game.state.setDesignTexts();

    setWindowTitle(u"Тимбурия"_s);
    buildMenu();

    central_ = new QWidget(this);
    central_->setObjectName(u"mainBackground"_s);
    auto* layout = new QHBoxLayout(central_);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    layout->addWidget(buildIndicators(), 3);
    layout->addWidget(buildPlaces(), 2);
    setCentralWidget(central_);

    setStyleSheet(u"QLabel[indicator=\"true\"] { font-weight: bold; color: #1d3f72; }"
                  "QGroupBox { font-weight: bold; }"
                  "QLabel#lblSpHelp { color: #3b4a5c; padding: 2px 4px; }"_s);

    // The game clock and the life update run as long as this window is loaded, also while it
    // is hidden or a place window is open.
    tmrTime = new Timer(
        *this, u"tmrTime"_s, [this] { tmrTime_Timer(); }, true);
    Timer1 = new Timer(*this, u"Timer1"_s, [this] { Timer1_Timer(); });
    tmrTime->setInterval(1500);
    Timer1->setInterval(18000);

    game.setStateView(this, [this] { showState(); });
    showState();
}

QWidget* frmMain::background() const {
    return central_;
}

void frmMain::buildMenu() {
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        auto* item = menu->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    QMenu* file = menuBar()->addMenu(u"&Файл"_s);
    file->setObjectName(u"File"_s);
    NewGame = action(file, "NewGame", u"&Новая игра"_s);
    Save = action(file, "Save", u"&Сохранить игру"_s);
    Load = action(file, "Load", u"За&грузить игру"_s);
    file->addSeparator();
    Exit = action(file, "Exit", u"&Выход"_s);

    QMenu* help = menuBar()->addMenu(u"&Помощь"_s);
    help->setObjectName(u"Help"_s);
    BigHelp = action(help, "BigHelp", u"П&одробная справка"_s);
    SmallHelp = action(help, "SmallHelp", u"Ко&роткая справка"_s);
    help->addSeparator();
    AboutPr = action(help, "AboutPr", u"О программе"_s);

    // Saving arrives with its own code.
    Save->setEnabled(false);
    Load->setEnabled(false);

    onClick(NewGame, &frmMain::NewGame_Click);
    onClick(Exit, &frmMain::Exit_Click);
    onClick(BigHelp, &frmMain::BigHelp_Click);
    onClick(SmallHelp, &frmMain::SmallHelp_Click);
    onClick(AboutPr, &frmMain::AboutPr_Click);
}

QWidget* frmMain::buildIndicators() {
    auto* panel = new QWidget(central_);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(8);

    // A frame of caption/value rows; the value label is named after its field.
    auto frame = [this](const QString& title, std::initializer_list<Row> rows,
                        QWidget* parent) -> QGroupBox* {
        auto* box = new QGroupBox(title, parent);
        auto* form = new QGridLayout(box);
        form->setHorizontalSpacing(6);
        form->setVerticalSpacing(3);
        int line = 0;
        for (const Row& row : rows) {
            auto* value = new QLabel(box);
            for (const TextFieldInfo& info : textFieldTable())
                if (info.member == row.field)
                    value->setObjectName(QString::fromLatin1(info.name));
            value->setProperty("indicator", true);
            value->setTextInteractionFlags(Qt::NoTextInteraction);
            shown_.push_back({value, row.field});
            if (row.caption) {
                form->addWidget(captionLabel(QString::fromUtf16(row.caption), box), line, 0);
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
                    0, 1, 2, 1);
    grid->addWidget(frame(u"Житие мое"_s,
                          {{u"Машина:", &GameState::lblCar},
                           {u"Кол.комнат:", &GameState::lblRoom},
                           {u"Мебель:", &GameState::lblMebel},
                           {u"Кухня:", &GameState::lblKitchen},
                           {u"Ванная:", &GameState::lblBath}},
                          panel),
                    1, 0);

    auto* right = new QWidget(panel);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->setSpacing(8);
    rightColumn->addWidget(frame(u"Программы"_s,
                                 {{u"Система:", &GameState::lblSystem},
                                  {u"Прог-ование:", &GameState::lblProgram},
                                  {u"Графика:", &GameState::lblGraph},
                                  {u"Антивирус:", &GameState::lblAntvirus}},
                                 right));
    rightColumn->addWidget(frame(u"Интернет"_s, {{u"Выход:", &GameState::lblVichod}}, right));
    rightColumn->addWidget(
        frame(u"Работа"_s,
              {{nullptr, &GameState::lblMyWork}, {u"Зарплата:", &GameState::lblWorkEarn}}, right));
    rightColumn->addStretch(1);
    grid->addWidget(right, 0, 2, 2, 1);

    // Study: a sub-frame per course, each with its price line that a finished course hides.
    auto* study = new QGroupBox(u"Учеба"_s, panel);
    auto* courses = new QHBoxLayout(study);
    auto course = [&](const QString& title, QString GameState::*state, QLabel*& priceCaption,
                      const char* captionName, QString GameState::*price) {
        QGroupBox* box = frame(title, {{nullptr, state}, {u"Стоимость:", price}}, study);
        // The caption of the price row is one of the three labels the game hides.
        auto* form = static_cast<QGridLayout*>(box->layout());
        priceCaption = static_cast<QLabel*>(form->itemAtPosition(1, 0)->widget());
        priceCaption->setObjectName(QString::fromLatin1(captionName));
        courses->addWidget(box);
    };
    course(u"Школа"_s, &GameState::lblSSchool, lblSStoim, "lblSStoim", &GameState::lblSCost);
    course(u"Англ.яз."_s, &GameState::lblEEnglish, lblEStoim, "lblEStoim", &GameState::lblECost);
    course(u"Ком.курсы"_s, &GameState::lblCComputer, lblStoim, "lblStoim", &GameState::lblCCost);
    grid->addWidget(study, 2, 0, 1, 3);

    // The date and time line, and the lesson and virus counters the player never sees.
    auto* when = new QWidget(panel);
    auto* line = new QHBoxLayout(when);
    line->setContentsMargins(4, 0, 4, 0);
    line->setSpacing(0);
    auto value = [&](QString GameState::*field, const char* name) {
        auto* label = new QLabel(when);
        label->setObjectName(QString::fromLatin1(name));
        label->setProperty("indicator", true);
        shown_.push_back({label, field});
        line->addWidget(label);
        return label;
    };
    line->addWidget(captionLabel(u"Дата: "_s, when));
    value(&GameState::lblDay, "lblDay");
    line->addWidget(captionLabel(u"/"_s, when));
    value(&GameState::lblMonth, "lblMonth");
    line->addWidget(captionLabel(u"/"_s, when));
    value(&GameState::lblYear, "lblYear");
    line->addSpacing(24);
    line->addWidget(captionLabel(u"Время: "_s, when));
    value(&GameState::lblHours, "lblHours");
    line->addWidget(captionLabel(u":00"_s, when));
    line->addStretch(1);
    for (auto [field, name] :
         {std::pair{&GameState::lblObras, "lblObras"}, std::pair{&GameState::lblEng, "lblEng"},
          std::pair{&GameState::lblCom, "lblCom"}, std::pair{&GameState::lblVir, "lblVir"}})
        value(field, name)->hide();
    grid->addWidget(when, 3, 0, 1, 3);

    auto* status = new QLabel(panel);
    status->setObjectName(u"lblSpHelp"_s);
    status->setWordWrap(true);
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
    status->setMinimumHeight(status->fontMetrics().height() * 2 + 8);
    shown_.push_back({status, &GameState::lblSpHelp});
    grid->addWidget(status, 4, 0, 1, 3);
    grid->setRowStretch(1, 1);
    return panel;
}

QWidget* frmMain::buildPlaces() {
    auto* box = new QGroupBox(u"Куда пойти"_s, central_);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(6);
    struct Place {
        Picture*& picture;
        const char* name;
        const char* art;
        const char16_t* caption;
        const char* window;
    };
    const Place places[] = {
        {imgFlat, "imgFlat", "places/flat", u"Квартира", "frmFlat"},
        {imgShop, "imgShop", "places/shop", u"Магазин", "frmShop"},
        {imgComputer, "imgComputer", "places/computer", u"Компьютер", "frmComputer"},
        {imgPrograms, "imgPrograms", "places/programs", u"Программы", "frmPrograms"},
        {imgLearn, "imgLearn", "places/study", u"Учеба", "frmStudy"},
        {imgWork, "imgWork", "places/work", u"Работа", "frmWork"},
        {imgBank, "imgBank", "places/bank", u"Банк", "frmBank"},
        {imgInternet, "imgInternet", "places/internet", u"Интернет", "frmInternet"},
        {imgHakker, "imgHakker", "places/hackers", u"Хакеры", "frmHakerstvo"},
        {imgParty, "imgParty", "places/party", u"Развлечения", "frmParty"},
        {imgHobby, "imgHobby", "places/hobby", u"Хобби", "frmHobby"},
    };
    int index = 0;
    for (const Place& place : places) {
        auto* cell = new QWidget(box);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        const QString caption = QString::fromUtf16(place.caption);
        place.picture =
            new Picture(QString::fromLatin1(place.name), QString::fromLatin1(place.art), cell);
        place.picture->setMinimumSize(96, 72);
        place.picture->setToolTip(caption);
        auto* label = new QLabel(caption, cell);
        label->setAlignment(Qt::AlignHCenter);
        column->addWidget(place.picture, 1);
        column->addWidget(label);
        const QString window = QString::fromLatin1(place.window);
        // A place opens once its window is part of the game; the hackers' gate turns away
        // the unskilled even before their den is open.
        const bool hackers = place.picture == imgHakker;
        const bool open = game().has(window) || hackers;
        place.picture->setEnabled(open);
        label->setEnabled(open);
        if (open)
            place.picture->setCursor(Qt::PointingHandCursor);
        if (hackers)
            onClick(imgHakker, &frmMain::imgHakker_Click);
        else if (place.picture == imgBank)
            onClick(imgBank, &frmMain::imgBank_Click);
        else if (open)
            route(place.picture, ControlEvent::Click, [this, window] { game().open(window); });
        grid->addWidget(cell, index / 3, index % 3);
        ++index;
    }
    return box;
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
}

void frmMain::Form_Load() {
    ForLoadMain();
}

void frmMain::ForLoadMain() {
    game().newGameBegins();
    GameState& s = game().state;
    s.lblMoney = u"170"_s;
    s.lblStatus = u"Чайник"_s;
    s.lblSWork = u"Пока нет"_s;
    s.lblHappyness = u"30"_s;
    s.lblHungry = u"30"_s;
    s.lblEduncation = u"Начальное"_s;
    s.lblEnglish = u"Не знаю"_s;
    s.lblClothes = u"Дряхлая"_s;

    for (QString* none :
         {&s.lblSystem, &s.lblProgram, &s.lblGraph, &s.lblAntvirus, &s.lblVichod, &s.lblMyWork})
        *none = u"Пока нет"_s;

    s.lblWorkEarn = u"0"_s;
    s.lblSSchool = u"Не учусь"_s;
    s.lblSCost = u"0"_s;
    s.lblEEnglish = u"Не учусь"_s;
    s.lblECost = u"0"_s;
    s.lblCComputer = u"Не учусь"_s;
    s.lblCCost = u"0"_s;
    s.lblCom = s.lblObras = s.lblEng = s.lblVir = u"0"_s;

    s.BankAccount = 0;

    const QDate today = game().platform.today();
    auto twoDigits = [](int n) {
        return QString::number(n % 100).rightJustified(2, u'0');
    };
    s.lblDay = twoDigits(today.day());
    s.lblMonth = twoDigits(today.month());
    s.lblYear = twoDigits(today.year());

    s.lblSpHelp = u" Добро пожаловать в игру \"Тимбурия\". Программистом игры является Зарницын."_s;

    game().show(this, false);

    s.SkipExitConfirm = 0;

    s.buildCatalogs();

    s.HasRod = 0;
    s.HasTackle = 0;
    s.BaitPacks = 0;
    s.FishTotal = 0;
}

void frmMain::ExitQuestion(FormCore& asking) {
    if (asking.ask(u"Вы действительно хотите выйти?"_s, u"Подтвердите"_s))
        asking.game().end();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isUnloaded())
        return;
    dispatch([this] {
        if (game().state.SkipExitConfirm != 0)
            game().unload(this);
        else
            ExitQuestion(*this);
    });
}

void frmMain::NewGame_Click() {
    if (!ask(u"Вы действительно хотите начать новую игру?"_s, u"Подтвердите"_s))
        return;
    hide(); // still loaded: its timers keep the old game running meanwhile
    game().unload(u"frmInternet"_s);
    game().unload(u"frmParty"_s);
    game().open(u"frmFirst"_s, false);
}

void frmMain::Exit_Click() {
    ExitQuestion(*this);
}

void frmMain::BigHelp_Click() {
    frmHelp::ShowPage(game(), frmHelp::Page::MainWindow);
}

void frmMain::SmallHelp_Click() {
    frmHelp::ShowPage(game(), frmHelp::Page::ShortHelp);
}

void frmMain::tmrTime_Timer() {
    Clock::Effects effects;
    effects.bankFailed = [this](const QString& text, const QString& title) {
        msg(text, title);
    };
    effects.balanceChanged = [this] {
        if (auto* bank = game().loaded<frmBank>(u"frmBank"_s))
            bank->showBalance(game().state.BankAccount);
    };
    Clock::tick(game().state, game().platform, effects);
}

class frmMain::LifeEffects : public Life::Effects {
public:
    explicit LifeEffects(frmMain& main)
        : main_(main) {}

    void warn(const QString& text, const QString& title) override {
        main_.msg(text, title, MsgIcon::Exclamation);
    }

    void die(const QString& text) override {
        main_.msg(text, u"+СМЕРТЬ+"_s, MsgIcon::Exclamation);
        Game& game = main_.game();
        game.state.SkipExitConfirm = 1;
        // Every window goes, the main one without the exit question; the start window
        // offers the next game.
        const auto windows = game.windows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            game.unload(*it);
        game.open(u"frmFirst"_s, true);
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
        main_.game().open(u"frmVirus"_s, true);
    }

private:
    frmMain& main_;
};

void frmMain::Timer1_Timer() {
    LifeEffects effects(*this);
    Life::tick(game().state, effects);
}

void frmMain::imgHakker_Click() {
    static const QStringList tooLow = {u"Чайник"_s, u"Любитель"_s, u"Новичок"_s, u"Программист"_s,
                                       u"Почти хакер"_s};
    if (tooLow.contains(game().state.lblStatus)) {
        msg(u"Ваш статус должен быть хакер."_s, u"Вы должны быть хакер."_s);
        return;
    }
    game().open(u"frmHakerstvo"_s);
}

void frmMain::imgBank_Click() {
    GameState& s = game().state;
    if (s.Car.Level != 0) {
        game().open(u"frmBank"_s);
        return;
    }
    const QString fare = Str(10);
    if (!ask(u"Банк - это отличный способ сохранения и накопления денег. К сожалению, банк "
             "находится далеко от вашего дома и без машины вам не удастся доехать до него. Но "
             "вы можете взять такси за "_s +
                 fare +
                 u"$ и доехать до банка, либо купить собственную машину в магазине.\n\n"
                 "Хотите ли вы взять такси за "_s +
                 fare + u"$ и доехать до банка?"_s,
             u"Требуется машина. Хотите ли вы взять такси?"_s))
        return;
    if (Val(s.lblMoney) < 10) {
        msg(u"У вас нет денег на такси."_s, u"Нет денег."_s);
        return;
    }
    randomize();
    if (Int(rnd() * 8 + 1) == 6) {
        msg(u"Случилось несчастье. Таксист попал в аварию, и вы сильно пострадали. На лечение "
            "пришлось потратить большие деньги: 30$."_s,
            u":-((("_s);
        auto change = [&s](double money, double mood, double satiety) {
            s.lblMoney = Num(Val(s.lblMoney) + money);
            s.lblHappyness = Num(Val(s.lblHappyness) + mood);
            s.lblHungry = Num(Val(s.lblHungry) + satiety);
        };
        change(-30, -10, -6);
        if (ask(u"Ваш адвокат предлагает вам подать в суд на таксиста.\nЕсли вы выиграете на "
                "суде, то сможете получить компенсацию за ущерб.\nЕсли же вы проиграете, то, "
                "возможно, вам придется заплатить штраф за беспокойство суда.\n\n Желаете ли "
                "вы подать в суд на таксиста?"_s,
                u"Суд?"_s)) {
            switch (int(Int(rnd() * 3 + 1))) {
            case 1:
                msg(u"Поздравляю! Вы выиграли дело и получаете компенсацию 25$."_s,
                    u"Дело выиграно"_s);
                change(25, 7, -2);
                break;
            case 2:
                msg(u"К сожалению, вы проиграли дело и вам пришлось заплатить штраф 15$ за "
                    "беспокойство суда."_s,
                    u"Дело проиграно"_s);
                change(-15, -5, -5);
                break;
            default:
                msg(u"Вам не удалось ничего доказать, но и таксист ничего не доказал. Вам "
                    "выплатили небольшую компенсацию 10$."_s,
                    u"Дело не выиграно, но и не проиграно."_s);
                change(10, 2, -3);
                break;
            }
        }
    }
    s.lblMoney = Num(Val(s.lblMoney) - 10);
    game().open(u"frmBank"_s);
}

void frmMain::AboutPr_Click() {
    frmFirst::ShowAbout(game());
}
