// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MainIndicators.h"

#include "state/Words.h"
#include "ui/Accessible.h"
#include "ui/Kit.h"
#include "ui/Translation.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr char Context[] = "MainIndicators";

struct Row {
    const char* caption; // nullptr: the value stands alone on its row
    QString GameState::*field;
    const char* captionName = "caption"; // the few captions the game hides have names
};

QLabel* captionLabel(const QString& text, QWidget* parent) {
    return named<QLabel>("caption", text, parent);
}

// A caption or a frame's title, in the player's language.
template <class T> T* translated(T* control, const char* source) {
    translatable(control, textProperty(control), Context, source);
    return control;
}

// How wide a field's value can be: its widest catalog entry or ladder rung, and for the other
// fields room for the longest program name. A value column keeps that width
// whatever it shows, so the window neither grows nor shifts its frames as names change, and
// never clips one of the game's names, in the player's language.
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
                          metrics.horizontalAdvance(Words::shown(
                              QString::fromUtf8(QT_TRANSLATE_NOOP("Game", "Касперского")))));
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(Words::shown(text)));
    return widest + 2;
}

// The label showing a field is named after the field.
const char* nameOf(QString GameState::*field) {
    for (const TextFieldInfo& info : textFieldTable())
        if (info.member == field)
            return info.name;
    return "";
}

} // namespace

MainIndicators::MainIndicators(QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);

    // A frame of caption/value rows; the value label is named after its field.
    auto frame = [this](const char* title, std::initializer_list<Row> rows,
                        QWidget* frameParent) -> QGroupBox* {
        auto* box = translated(new QGroupBox(frameParent), title);
        auto* form = new QGridLayout(box);
        form->setHorizontalSpacing(4);
        form->setVerticalSpacing(3);
        int line = 0;
        for (const Row& row : rows) {
            QLabel* value = figure(nameOf(row.field), {}, box);
            value->setTextInteractionFlags(Qt::NoTextInteraction);
            value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            shown_.push_back({value, row.field});
            widths_.push_back({value, row.field});
            if (row.caption) {
                auto* caption = translated(named<QLabel>(row.captionName, box), row.caption);
                relateToCaption(value, caption);
                form->addWidget(caption, line, 0);
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

    grid->addWidget(frame(QT_TR_NOOP("Личный статус"),
                          {{QT_TR_NOOP("Деньги:"), &GameState::lblMoney},
                           {QT_TR_NOOP("Сытость:"), &GameState::lblHungry},
                           {QT_TR_NOOP("Настроение:"), &GameState::lblHappyness},
                           {QT_TR_NOOP("Статус:"), &GameState::lblStatus},
                           {QT_TR_NOOP("Образование:"), &GameState::lblEduncation},
                           {QT_TR_NOOP("Англ. яз.:"), &GameState::lblEnglish},
                           {QT_TR_NOOP("Работа:"), &GameState::lblSWork},
                           {QT_TR_NOOP("Ваша одежда:"), &GameState::lblClothes}},
                          this),
                    0, 0);
    grid->addWidget(frame(QT_TR_NOOP("Компьютер"),
                          {{QT_TR_NOOP("Процессор:"), &GameState::lblComp},
                           {QT_TR_NOOP("Память RAM:"), &GameState::lblRAM},
                           {QT_TR_NOOP("Винчестер:"), &GameState::lblVinchester},
                           {QT_TR_NOOP("CD-Rom:"), &GameState::lblCDROM},
                           {QT_TR_NOOP("Видео карта:"), &GameState::lblVideoKarta},
                           {QT_TR_NOOP("Звук. карта:"), &GameState::lblSoundKarta},
                           {QT_TR_NOOP("Монитор:"), &GameState::lblMonitor},
                           {QT_TR_NOOP("Принтер:"), &GameState::lblPrinter},
                           {QT_TR_NOOP("Сканер:"), &GameState::lblSkaner},
                           {QT_TR_NOOP("Модем:"), &GameState::lblModem}},
                          this),
                    0, 1);
    grid->addWidget(frame(QT_TR_NOOP("Житие мое"),
                          {{QT_TR_NOOP("Машина:"), &GameState::lblCar},
                           {QT_TR_NOOP("Кол.комнат:"), &GameState::lblRoom},
                           {QT_TR_NOOP("Мебель:"), &GameState::lblMebel},
                           {QT_TR_NOOP("Кухня:"), &GameState::lblKitchen},
                           {QT_TR_NOOP("Ванная:"), &GameState::lblBath}},
                          this),
                    1, 0);

    grid->addWidget(frame(QT_TR_NOOP("Программы"),
                          {{QT_TR_NOOP("Система:"), &GameState::lblSystem},
                           {QT_TR_NOOP("Прог-ование:"), &GameState::lblProgram},
                           {QT_TR_NOOP("Графика:"), &GameState::lblGraph},
                           {QT_TR_NOOP("Антивирус:"), &GameState::lblAntvirus}},
                          this),
                    1, 1);
    grid->addWidget(frame(QT_TR_NOOP("Работа"),
                          {{nullptr, &GameState::lblMyWork},
                           {QT_TR_NOOP("Зарплата:"), &GameState::lblWorkEarn}},
                          this),
                    2, 0);
    grid->addWidget(
        frame(QT_TR_NOOP("Интернет"), {{QT_TR_NOOP("Выход:"), &GameState::lblVichod}}, this), 2, 1);

    // Study: a sub-frame per course, each with its price line that a finished course hides.
    auto* study = translated(new QGroupBox(this), QT_TR_NOOP("Учеба"));
    auto* courses = new QHBoxLayout(study);
    auto course = [&](const char* title, QString GameState::*state, QLabel*& priceCaption,
                      const char* captionName, QString GameState::*price) {
        QGroupBox* box =
            frame(title, {{nullptr, state}, {QT_TR_NOOP("Стоимость:"), price, captionName}}, study);
        // The caption of the price row is one of the three labels the game hides.
        priceCaption = box->findChild<QLabel*>(QString::fromLatin1(captionName));
        courses->addWidget(box);
    };
    course(QT_TR_NOOP("Школа"), &GameState::lblSSchool, lblSStoim, "lblSStoim",
           &GameState::lblSCost);
    course(QT_TR_NOOP("Англ.яз."), &GameState::lblEEnglish, lblEStoim, "lblEStoim",
           &GameState::lblECost);
    course(QT_TR_NOOP("Ком.курсы"), &GameState::lblCComputer, lblStoim, "lblStoim",
           &GameState::lblCCost);
    grid->addWidget(study, 3, 0, 1, 2);

    // The date and time line, and the lesson and virus counters the player never sees.
    auto* when = new QWidget(this);
    auto* line = new QHBoxLayout(when);
    line->setContentsMargins(4, 0, 4, 0);
    line->setSpacing(0);
    auto value = [&](QString GameState::*field) {
        QLabel* label = figure(nameOf(field), {}, when);
        shown_.push_back({label, field});
        line->addWidget(label);
        return label;
    };
    // The day and the hour are read with their captions; the month and the year follow the day.
    QLabel* date = translated(captionLabel({}, when), QT_TR_NOOP("Дата: "));
    line->addWidget(date);
    relateToCaption(value(&GameState::lblDay), date);
    line->addWidget(captionLabel(u"/"_s, when));
    value(&GameState::lblMonth);
    line->addWidget(captionLabel(u"/"_s, when));
    value(&GameState::lblYear);
    line->addSpacing(24);
    QLabel* time = translated(captionLabel({}, when), QT_TR_NOOP("Время: "));
    line->addWidget(time);
    relateToCaption(value(&GameState::lblHours), time);
    line->addWidget(captionLabel(u":00"_s, when));
    line->addStretch(1);
    for (QString GameState::*hidden :
         {&GameState::lblObras, &GameState::lblEng, &GameState::lblCom, &GameState::lblVir})
        value(hidden)->hide();
    grid->addWidget(when, 4, 0, 1, 2);

    auto* status = named<QLabel>("lblSpHelp", this);
    status->setWordWrap(true);
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
    // Two lines, whatever the text: a long help line must not make the window grow.
    setHeightInLines(status, 2, 8);
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    shown_.push_back({status, &GameState::lblSpHelp});
    grid->addWidget(status, 5, 0, 1, 2);
    fitValues();
}

void MainIndicators::fitValues() {
    for (const Shown& value : widths_)
        value.label->setMinimumWidth(widestValue(value.field, value.label->fontMetrics()));
}

void MainIndicators::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        fitValues();
}

void MainIndicators::showState(const GameState& state) {
    for (Shown& shown : shown_) {
        const QString& record = state.*shown.field;
        // A new status is said to a screen reader; the first one shown is not news, nor the
        // same status in another language.
        const bool news = shown.field == &GameState::lblStatus && !shown.record.isEmpty() &&
                          record != shown.record;
        shown.record = record;
        const QString text = Words::shown(record);
        if (shown.label->text() == text)
            continue;
        shown.label->setText(text);
        if (news)
            announceFigure(shown.label);
    }
}

void MainIndicators::hidePrice(Life::Course course) {
    const auto hide = [this](QLabel* caption, const char* price) {
        caption->hide();
        findChild<QLabel*>(QString::fromLatin1(price))->hide();
    };
    switch (course) {
    case Life::Course::School:
        return hide(lblSStoim, "lblSCost");
    case Life::Course::English:
        return hide(lblEStoim, "lblECost");
    case Life::Course::Computer:
        return hide(lblStoim, "lblCCost");
    }
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
