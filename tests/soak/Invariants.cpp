// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soak/Invariants.h"

#include "state/GameFiles.h"
#include "state/History.h"
#include "state/SavedGame.h"
#include "state/TextCodec.h"
#include "state/Words.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Picture.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextEdit>
#include <QWidget>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

// The windows a place can be reached from. frmVirus may stand over any of them; the start
// window may stand alone, after a death, or over the hidden main window of a game being
// replaced, or over the help as its "about" page.
static const std::map<QString, std::set<QString>>& below() {
    static const std::map<QString, std::set<QString>> table = [] {
        std::map<QString, std::set<QString>> t;
        for (const char16_t* place :
             {u"frmBank",  u"frmComputer", u"frmFlat",     u"frmHakerstvo", u"frmHistory",
              u"frmHobby", u"frmMadFish",  u"frmInternet", u"frmInterComp", u"frmInterAnek",
              u"frmParty", u"frmAr",       u"frmRuletka",  u"frmRuletka2",  u"frmPrograms",
              u"frmShop",  u"frmStudy",    u"frmWork",     u"frmTheEnd",    u"frmHelp",
              u"frmHall"})
            t[QString::fromUtf16(place)] = {u"frmMain"_s};
        t[u"frmFirst"_s] = {u"frmMain"_s, u"frmHelp"_s};
        // The life's summary: the menu's, the start window's after a death, the end screen's.
        t[u"frmLife"_s] = {u"frmMain"_s, u"frmFirst"_s, u"frmTheEnd"_s};
        return t;
    }();
    return table;
}

QStringList windowNames(const Game& game) {
    QStringList names;
    for (const FormCore* form : game.windows())
        names << form->formName();
    return names;
}

namespace {

bool russian(const QString& text) {
    for (QChar c : text)
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

// Every text of the widget that a player reads.
QStringList textsOf(const QWidget* widget) {
    QStringList texts{widget->toolTip()};
    if (widget->isWindow())
        texts << widget->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        texts << group->title();
    else if (const auto* box = qobject_cast<const QLineEdit*>(widget); box && box->isReadOnly())
        texts << box->text();
    else if (const auto* edit = qobject_cast<const QTextEdit*>(widget); edit && edit->isReadOnly())
        texts << edit->toPlainText();
    else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget);
             plain && plain->isReadOnly())
        texts << plain->toPlainText();
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
        for (int column = 0; column < table->columnCount(); ++column)
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(column))
                texts << header->text();
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem* item = table->item(row, column))
                    texts << item->text();
    }
    return texts;
}

// The texts of the game's state that are not the game's own words: what a damaged saved game
// brought in ("Пока н-т"). The game shows them as they stand; its own words it translates.
QString foreignStateTexts(const GameState& state) {
    static const QRegularExpression quoted(u"\"([^\"]*)\""_s);
    QString foreign;
    for (const QRegularExpressionMatch& field :
         quoted.globalMatch(fromCp1251(SavedGame::write(state))))
        if (Words::shown(field.captured(1)) == field.captured(1))
            foreign += field.captured(1) + u'\n';
    return foreign;
}

// Each Cyrillic word of the text is one of `allowed`'s.
bool russianBeyond(const QString& text, const QString& allowed) {
    static const QRegularExpression word(u"\\p{Cyrillic}+"_s);
    for (const QRegularExpressionMatch& found : word.globalMatch(text))
        if (!allowed.contains(found.captured()))
            return true;
    return false;
}

} // namespace

QString russianTextProblem(const Game& game, const QStringList& messages, const QString& read) {
    const QString foreign = foreignStateTexts(game.state) + read;
    for (const QString& message : messages)
        if (russianBeyond(message, foreign))
            return u"a message in Russian: "_s + message;
    for (const FormCore* form : game.windows()) {
        QWidget* window = form->window();
        if (!window->isVisible())
            continue;
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (const QWidget* widget : std::as_const(widgets)) {
            if (!widget->isVisibleTo(window) && widget != window)
                continue;
            for (const QString& text : textsOf(widget))
                if (russianBeyond(text, foreign))
                    return u"%1.%2 shows Russian: %3"_s.arg(form->formName(), widget->objectName(),
                                                            text);
        }
        // The menus and their items, as the player opens them.
        if (const auto* main = qobject_cast<const QMainWindow*>(window))
            for (const QAction* menu : main->menuBar()->actions()) {
                if (!menu->menu() || menu->menu()->objectName() == u"LanguageMenu")
                    continue;
                QList<const QAction*> items{menu};
                for (const QAction* item : menu->menu()->actions()) {
                    items << item;
                    if (item->menu())
                        for (const QAction* inner : item->menu()->actions())
                            items << inner;
                }
                for (const QAction* item : std::as_const(items))
                    if (russian(item->text()) || russian(item->toolTip()))
                        return u"%1's menu shows Russian: %2"_s.arg(form->formName(), item->text());
            }
    }
    return {};
}

QString navigationProblem(QStringList names) {
    const QString shown = names.join(u' ');
    if (names.count(u"frmVirus"_s) > 0)
        names.removeOne(u"frmVirus"_s);
    if (names.removeDuplicates() > 0)
        return u"a window is loaded twice: "_s + shown;
    if (names.isEmpty())
        return {};
    if (names.front() != u"frmMain" && names.front() != u"frmFirst")
        return u"the windows do not start with the main or the start window: "_s + shown;
    for (qsizetype i = 1; i < names.size(); ++i) {
        const auto allowed = below().find(names[i]);
        if (allowed == below().end() || !allowed->second.count(names[i - 1]))
            return u"%1 cannot stand over %2: %3"_s.arg(names[i], names[i - 1], shown);
    }
    return {};
}

QString stateProblem(const GameState& s) {
    for (const CatalogInfo& info : catalogTable()) {
        const Catalog& catalog = s.*info.catalog;
        if (catalog.Level < 0 || catalog.Level >= catalog.Names.size())
            return u"%1 = %2 is outside its catalog"_s.arg(QString::fromLatin1(info.levelName))
                .arg(catalog.Level);
        if (s.*info.field != catalog.Names[catalog.Level])
            return u"%1 shows \"%2\" for level %3 (\"%4\")"_s.arg(
                QString::fromLatin1(info.stem), s.*info.field, QString::number(catalog.Level),
                catalog.Names[catalog.Level]);
    }
    for (const char* flag : {"HasBrowser", "HasDialer", "HasDownloader", "HasRod", "HasTackle"})
        if (const qint16 value = *s.integer(QString::fromLatin1(flag)); value != 0 && value != -1)
            return u"flag %1 holds %2"_s.arg(QString::fromLatin1(flag)).arg(value);
    if (s.BankDays < 0 || s.BankDays > 5)
        return u"BankDays holds %1"_s.arg(s.BankDays);
    if (s.BaitPacks < 0 || s.FishTotal < 0)
        return u"BaitPacks %1, FishTotal %2"_s.arg(s.BaitPacks).arg(s.FishTotal);
    // The game saves and loads back to the very same line: every numeric text a numeral,
    // every level inside its catalog, every flag a flag.
    const QByteArray line = SavedGame::write(s);
    const SavedGame::Loaded loaded = SavedGame::read(line, s);
    if (!loaded.state)
        return u"the game does not load back: "_s + loaded.error;
    if (SavedGame::write(*loaded.state) != line)
        return u"the game loads back different"_s;
    // The chronicle goes forward in time, and its file keeps it as it is.
    if (!Chronicle::inOrder(s.story.entries))
        return u"the chronicle's dates go back"_s;
    const std::optional<History::File> kept =
        History::parse(History::fileText({{}, History::markOf(line), s.story}));
    if (!kept || kept->story != s.story)
        return u"the chronicle does not load back as it was"_s;
    return {};
}

QString savedChronicleProblem(const GameState& state, const QString& path) {
    QFile file(path);
    // A save that was cancelled or refused wrote nothing of this game.
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != SavedGame::write(state))
        return {};
    const GameFiles::Loaded loaded = GameFiles::load(path, state);
    if (!loaded.state)
        return u"the game saved as %1 does not load: %2"_s.arg(path, loaded.error);
    if (loaded.state->story != state.story)
        return u"the game saved as %1 loads with another chronicle"_s.arg(path);
    return {};
}

PlayValues playValues(const Game& game) {
    // Of each mini-game, the controls its play moves: a label or box by its text, a picture by
    // where it stands, and of the slot machine's reels what they show (the paddle's and the
    // ball's pictures are settings, chosen while paused as well).
    static const std::map<QString, QStringList> moved = {
        {u"frmMadFish"_s,
         {u"lblCatch"_s, u"lbl1s"_s, u"lblH"_s, u"lblSit"_s, u"picFL"_s, u"picFR"_s}},
        {u"frmAr"_s, {u"C1"_s, u"P1"_s, u"T1"_s, u"T2"_s}},
        {u"frmRuletka"_s, {u"lblNum"_s}},
        {u"frmRuletka2"_s, {u"imgPict1"_s, u"imgPict2"_s, u"imgPict3"_s}},
        {u"frmHakerstvo"_s, {u"lblPercent"_s}},
        {u"frmInterAnek"_s, {u"lblPercent"_s, u"lblcm"_s}},
        {u"frmInterComp"_s, {u"lblcm"_s}},
    };
    PlayValues values;
    const GameState& s = game.state;
    values[u"FishTotal"_s] = QString::number(s.FishTotal);
    values[u"JokesBaseLoaded"_s] = QString::number(s.JokesBaseLoaded);
    values[u"lblHours"_s] = s.lblHours;
    values[u"lblDay"_s] = s.lblDay;
    for (const FormCore* form : game.windows()) {
        const auto names = moved.find(form->formName());
        if (names == moved.end())
            continue;
        const bool reels = form->formName() == u"frmRuletka2";
        for (const QString& name : names->second) {
            const QWidget* control = form->window()->findChild<QWidget*>(name);
            QString value;
            if (const auto* label = qobject_cast<const QLabel*>(control))
                value = label->text();
            else if (const auto* box = qobject_cast<const QLineEdit*>(control))
                value = box->text();
            else if (const auto* picture = qobject_cast<const Picture*>(control))
                value = reels ? picture->pictureName()
                              : u"%1 %2"_s.arg(Twips::get(picture, Twips::Edge::Left))
                                    .arg(Twips::get(picture, Twips::Edge::Top));
            values[form->formName() + u'.' + name] = value;
        }
    }
    return values;
}

QString pausedPlayProblem(const PlayValues& before, const PlayValues& after) {
    for (const auto& [name, was] : before) {
        const auto now = after.find(name);
        if (now != after.end() && now->second != was)
            return u"paused, %1 moved from \"%2\" to \"%3\""_s.arg(name, was, now->second);
    }
    return {};
}
