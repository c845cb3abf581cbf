// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runner/Scenario.h"

#include "runner/ScriptedPlatform.h"
#include "state/GameState.h"
#include "state/TextCodec.h"
#include "ui/FormCore.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/Picture.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A literal star inside a pattern; a plain '*' matches any run of characters.
constexpr QChar LiteralStar = QChar(0xE000);

struct Line {
    int number = 0;
    QStringList words;
};

struct Case {
    QString name;
    int line = 0;
    std::vector<Line> lines;
};

struct Failure {
    int line;
    QString message;
};

const QStringList ActionVerbs = {u"start"_s, u"set"_s,     u"open"_s, u"hover"_s, u"click"_s,
                                 u"press"_s, u"release"_s, u"type"_s, u"paste"_s, u"key"_s,
                                 u"close"_s, u"tick"_s,    u"wait"_s, u"focus"_s};
const QStringList WorldVerbs = {u"rnd"_s, u"answer"_s, u"file"_s, u"write-file"_s};
const QStringList CheckVerbs = {u"expect"_s, u"windows"_s, u"message"_s, u"expect-file"_s,
                                u"ended"_s};

// Splits a line into words; quoted words may hold blanks and the escapes \" \\ \n \r \*.
bool splitWords(const QString& line, QStringList& words, QString& error) {
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && line[i].isSpace())
            ++i;
        if (i >= n)
            return true;
        QString word;
        if (line[i] == u'"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == u'"') {
                    closed = true;
                    break;
                }
                if (c != u'\\') {
                    word += c;
                    continue;
                }
                if (i >= n)
                    break;
                const QChar e = line[i++];
                if (e == u'"' || e == u'\\')
                    word += e;
                else if (e == u'n')
                    word += u'\n';
                else if (e == u'r')
                    word += u'\r';
                else if (e == u'*')
                    word += LiteralStar;
                else {
                    error = u"unknown escape \\%1"_s.arg(e);
                    return false;
                }
            }
            if (!closed) {
                error = u"unclosed quote"_s;
                return false;
            }
            if (i < n && !line[i].isSpace()) {
                error = u"a quoted word must be followed by a blank"_s;
                return false;
            }
        } else {
            while (i < n && !line[i].isSpace())
                word += line[i++];
        }
        words << word;
    }
}

QString plain(QString text) {
    return text.replace(LiteralStar, u'*');
}

bool matches(QStringView pattern, QStringView text) {
    // Glob with '*' only; iterative with backtracking to the last star.
    qsizetype p = 0, t = 0, star = -1, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = t;
        } else if (p < pattern.size() &&
                   (pattern[p] == text[t] || (pattern[p] == LiteralStar && text[t] == u'*'))) {
            ++p;
            ++t;
        } else if (star >= 0) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s).replace(u'\n', u"\\n"_s);
    shown.replace(u'\r', u"\\r"_s);
    return u'"' + shown + u'"';
}

QString iconName(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return u"none"_s;
    case MsgIcon::Information:
        return u"info"_s;
    case MsgIcon::Exclamation:
        return u"exclamation"_s;
    case MsgIcon::Question:
        return u"question"_s;
    }
    return {};
}

} // namespace

class CaseRun {
public:
    CaseRun(const WindowCatalog& windows, ScriptedPlatform& platform)
        : windows_(windows)
        , platform_(platform) {
        platform_.onScreen = false;
    }

    ~CaseRun() {
        game_.reset();
        ScriptedPlatform::deliverPostedEvents();
    }

    void run(const Case& c) {
        for (const Line& line : c.lines) {
            line_ = line.number;
            const QString& verb = line.words.front();
            if (ActionVerbs.contains(verb))
                requireMessagesChecked();
            perform(line.words);
        }
        line_ = c.lines.empty() ? c.line : c.lines.back().number;
        requireMessagesChecked();
        if (!platform_.draws.empty())
            fail(u"%1 queued random draw(s) were never used"_s.arg(platform_.draws.size()));
        if (!platform_.answers.empty())
            fail(u"%1 queued answer(s) were never used"_s.arg(platform_.answers.size()));
        if (!platform_.files.empty())
            fail(u"%1 queued file name(s) were never used"_s.arg(platform_.files.size()));
    }

    // One line of any kind; a failure throws.
    void perform(const QStringList& words) {
        const QString& verb = words.front();
        const QStringList args = words.mid(1);
        if (ActionVerbs.contains(verb)) {
            if (verb != u"start" && !game_)
                fail(u"the program has not started (start must come first)"_s);
            if (verb != u"start" && game_->ended())
                fail(u"the program has ended"_s);
            action(verb, args);
            ScriptedPlatform::deliverPostedEvents();
            if (!platform_.problem.isEmpty())
                fail(platform_.problem);
        } else if (WorldVerbs.contains(verb)) {
            world(verb, args);
        } else if (CheckVerbs.contains(verb)) {
            check(verb, args);
        } else {
            fail(u"unknown verb %1"_s.arg(verb));
        }
    }

    Game* game() const { return game_.get(); }

private:
    [[noreturn]] void fail(const QString& message) { throw Failure{line_, message}; }

    void need(const QStringList& args, qsizetype least, qsizetype most = -1) {
        if (args.size() < least || (most >= 0 && args.size() > most))
            fail(u"wrong number of words"_s);
    }

    void requireMessagesChecked() {
        if (platform_.shown.empty())
            return;
        const ShownMessage& m = platform_.shown.front();
        fail(u"unchecked message %1 titled %2"_s.arg(quoted(m.text), quoted(m.title)));
    }

    // --- finding things -------------------------------------------------------------------

    FormCore* window(const QString& name) {
        if (!game_)
            fail(u"the program has not started"_s);
        FormCore* form = game_->loaded(name);
        if (!form)
            fail(u"window %1 is not open"_s.arg(name));
        return form;
    }

    QObject* control(FormCore* form, const QString& name) {
        QObject* root = form->window();
        const auto found = root->findChildren<QObject*>(name);
        for (QObject* object : found)
            if (!qobject_cast<QLayout*>(object))
                return object;
        fail(u"%1 has no control %2"_s.arg(form->formName(), name));
    }

    struct Target {
        FormCore* form = nullptr;
        QObject* object = nullptr; // nullptr: the window itself
    };

    Target target(const QString& address) {
        const qsizetype dot = address.indexOf(u'.');
        Target t;
        t.form = window(dot < 0 ? address : address.left(dot));
        if (dot >= 0)
            t.object = control(t.form, address.mid(dot + 1));
        return t;
    }

    // The player can reach a window only while it is shown and no modal window opened after
    // it is in the way.
    void requireReachable(FormCore* form) {
        if (!form->window()->isVisible())
            fail(u"window %1 is hidden"_s.arg(form->formName()));
        const auto& open = game_->windows();
        bool after = false;
        for (FormCore* other : open) {
            if (other == form) {
                after = true;
                continue;
            }
            if (after && other->window()->isVisible() && other->window()->isModal())
                fail(u"window %1 is covered by %2"_s.arg(form->formName(), other->formName()));
        }
    }

    Target reachable(const QString& address) {
        Target t = target(address);
        requireReachable(t.form);
        if (!t.object)
            return t;
        if (auto* action = qobject_cast<QAction*>(t.object)) {
            if (!action->isEnabled())
                fail(u"%1 is disabled"_s.arg(address));
            if (!action->isVisible())
                fail(u"%1 is hidden"_s.arg(address));
        } else if (auto* widget = qobject_cast<QWidget*>(t.object)) {
            if (!widget->isEnabled())
                fail(u"%1 is disabled"_s.arg(address));
            if (!widget->isVisibleTo(t.form->window()))
                fail(u"%1 is hidden"_s.arg(address));
        } else {
            fail(u"%1 is not something the player can touch"_s.arg(address));
        }
        return t;
    }

    QWidget* widgetOf(const Target& t, const QString& address) {
        if (!t.object)
            return t.form->background();
        auto* widget = qobject_cast<QWidget*>(t.object);
        if (!widget)
            fail(u"%1 is not a control on the window"_s.arg(address));
        return widget;
    }

    // --- the player's actions -------------------------------------------------------------

    // Where the pointer goes on a control: its centre, except that a check box or option
    // button takes a click only on its mark and caption, which may end well before its centre.
    static QPointF pointOn(QWidget* widget) {
        auto* box = qobject_cast<QCheckBox*>(widget);
        auto* option = qobject_cast<QRadioButton*>(widget);
        if (!box && !option)
            return QRectF(widget->rect()).center();
        auto* button = static_cast<QAbstractButton*>(widget);
        QStyleOptionButton style;
        style.initFrom(button);
        style.text = button->text();
        style.icon = button->icon();
        style.iconSize = button->iconSize();
        const QRect area = widget->style()->subElementRect(
            box ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect, &style, widget);
        return QRectF(area).center();
    }

    void mouse(QWidget* widget, QEvent::Type type) {
        const QPointF at = pointOn(widget);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }

    void sendKey(QWidget* widget, int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &release);
    }

    int count(const QStringList& args, qsizetype at) {
        if (args.size() <= at)
            return 1;
        bool ok = false;
        const int n = args[at].toInt(&ok);
        if (!ok || n < 1)
            fail(u"bad count %1"_s.arg(args[at]));
        return n;
    }

    void action(const QString& verb, const QStringList& args) {
        if (verb == u"start") {
            need(args, 0, 1);
            if (game_)
                fail(u"start must be the first action of a case"_s);
            const QString when = args.value(0, u"05.05.02"_s);
            static const QRegularExpression format(u"^(\\d\\d)\\.(\\d\\d)\\.(\\d\\d)$"_s);
            const auto m = format.match(when);
            const QDate date = m.hasMatch() ? QDate(2000 + m.captured(3).toInt(),
                                                    m.captured(2).toInt(), m.captured(1).toInt())
                                            : QDate();
            if (!date.isValid())
                fail(u"bad date %1 (DD.MM.YY)"_s.arg(when));
            platform_.date = date;
            game_ = std::make_unique<Game>(platform_, windows_);
            game_->start();
        } else if (verb == u"set") {
            need(args, 2, 2);
            setValue(args[0], plain(args[1]));
            game_->stateMayHaveChanged();
        } else if (verb == u"open") {
            need(args, 1, 1);
            if (!game_->has(args[0]))
                fail(u"the game has no window %1"_s.arg(args[0]));
            game_->open(args[0], true);
        } else if (verb == u"hover") {
            need(args, 1, 1);
            const Target t = reachable(args[0]);
            QWidget* widget = widgetOf(t, args[0]);
            mouse(widget, QEvent::MouseMove);
        } else if (verb == u"click") {
            need(args, 1, 2);
            const int times = count(args, 1);
            for (int i = 0; i < times && !game_->ended(); ++i) {
                click(args[0]);
                ScriptedPlatform::deliverPostedEvents();
            }
        } else if (verb == u"press" || verb == u"release") {
            need(args, 1, 1);
            const Target t = reachable(args[0]);
            mouse(widgetOf(t, args[0]),
                  verb == u"press" ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
        } else if (verb == u"type") {
            need(args, 2, 2);
            typeInto(args[0], plain(args[1]));
        } else if (verb == u"paste") {
            need(args, 2, 2);
            pasteInto(args[0], plain(args[1]));
        } else if (verb == u"focus") {
            need(args, 1, 1);
            focusOn(args[0]);
        } else if (verb == u"key") {
            need(args, 2, 2);
            pressKey(args[0], args[1]);
        } else if (verb == u"close") {
            need(args, 1, 1);
            if (args[0].contains(u'.'))
                fail(u"close takes a window"_s);
            const Target t = reachable(args[0]);
            t.form->window()->close();
        } else if (verb == u"tick") {
            need(args, 1, 2);
            const int times = count(args, 1);
            const Target t = target(args[0]);
            auto* timer = qobject_cast<Timer*>(t.object);
            if (!timer)
                fail(u"%1 is not a timer"_s.arg(args[0]));
            QPointer<Timer> alive(timer);
            for (int i = 0; i < times; ++i) {
                if (!alive || !alive->running())
                    fail(u"timer %1 is stopped"_s.arg(args[0]));
                alive->fire();
                ScriptedPlatform::deliverPostedEvents();
                if (game_->ended())
                    break;
            }
        } else if (verb == u"wait") {
            need(args, 1, 1);
            bool ok = false;
            const qint64 ms = args[0].toLongLong(&ok);
            if (!ok || ms < 0)
                fail(u"bad time %1"_s.arg(args[0]));
            platform_.advance(ms, [this] { return game_->ended(); });
        }
    }

    void setValue(const QString& name, const QString& value) {
        if (QString* text = game_->state.text(name)) {
            *text = value;
            return;
        }
        if (qint16* integer = game_->state.integer(name)) {
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < -32768 || n > 32767)
                fail(u"%1 takes a 16-bit integer, not %2"_s.arg(name, value));
            *integer = qint16(n);
            return;
        }
        fail(u"no game field or variable %1"_s.arg(name));
    }

    // A mouse button down and up on the control, as the player clicks it: MouseDown, MouseUp,
    // then whatever the control does with a click (a button's Click comes from the button
    // itself, so it sees the press too). A menu item has no press of its own.
    void click(const QString& address) {
        const Target t = reachable(address);
        if (!t.object)
            fail(u"click needs a control, not a window"_s);
        if (auto* action = qobject_cast<QAction*>(t.object)) {
            action->trigger();
            return;
        }
        QPointer<QWidget> widget = widgetOf(t, address);
        mouse(widget, QEvent::MouseButtonPress);
        // Between the two the event loop turns: a window that the press closed is gone.
        ScriptedPlatform::deliverPostedEvents();
        // A control that the press took away (hidden, or its window closed) is no longer under
        // the pointer when the button comes up. One that it disabled still gets the release,
        // and takes no click from it.
        if (widget && widget->isVisible())
            mouse(widget, QEvent::MouseButtonRelease);
    }

    void typeInto(const QString& address, const QString& text) {
        const Target t = reachable(address);
        QWidget* widget = widgetOf(t, address);
        auto* line = qobject_cast<QLineEdit*>(widget);
        if (!line && !qobject_cast<QTextEdit*>(widget) && !qobject_cast<QPlainTextEdit*>(widget))
            fail(u"%1 is not a text box"_s.arg(address));
        QPointer<QWidget> alive(widget);
        for (QChar c : text) {
            if (!alive)
                fail(u"%1 went away while typing"_s.arg(address));
            if (line)
                line->end(false);
            if (c == u'\n')
                sendKey(widget, Qt::Key_Return, u"\r"_s);
            else if (c.unicode() < 128 && c.isLetterOrNumber())
                sendKey(widget, c.toUpper().unicode(), QString(c));
            else if (c == u' ')
                sendKey(widget, Qt::Key_Space, QString(c));
            else
                sendKey(widget, Qt::Key_unknown, QString(c));
        }
    }

    void pasteInto(const QString& address, const QString& text) {
        const Target t = reachable(address);
        auto* line = qobject_cast<QLineEdit*>(widgetOf(t, address));
        if (!line)
            fail(u"%1 is not a text box"_s.arg(address));
        if (line->isReadOnly())
            fail(u"%1 is read-only"_s.arg(address));
        line->selectAll();
        line->insert(text);
    }

    // The player's keys go to the active window: the window a key or the focus is given to
    // becomes the active one, as a click on it would make it.
    static void activate(QWidget* window) {
        if (QApplication::activeWindow() != window)
            QApplication::setActiveWindow(window);
    }

    void focusOn(const QString& address) {
        const Target t = reachable(address);
        if (!t.object)
            fail(u"focus needs a control, not a window"_s);
        QWidget* widget = widgetOf(t, address);
        if (!(widget->focusPolicy() & Qt::TabFocus))
            fail(u"%1 cannot take the keyboard focus"_s.arg(address));
        activate(t.form->window());
        widget->setFocus(Qt::TabFocusReason);
    }

    void pressKey(const QString& address, const QString& name) {
        // The texts are what an X11 desktop sends with each key.
        static const std::map<QString, std::pair<int, QString>> keys = {
            {u"Left"_s, {Qt::Key_Left, QString()}},
            {u"Right"_s, {Qt::Key_Right, QString()}},
            {u"Up"_s, {Qt::Key_Up, QString()}},
            {u"Down"_s, {Qt::Key_Down, QString()}},
            {u"Backspace"_s, {Qt::Key_Backspace, u"\b"_s}},
            {u"Delete"_s, {Qt::Key_Delete, u"\x7f"_s}},
            {u"Enter"_s, {Qt::Key_Return, u"\r"_s}},
            {u"Space"_s, {Qt::Key_Space, u" "_s}},
            {u"Tab"_s, {Qt::Key_Tab, u"\t"_s}},
            {u"Escape"_s, {Qt::Key_Escape, u"\x1b"_s}},
        };
        std::pair<int, QString> key;
        if (const auto known = keys.find(name); known != keys.end())
            key = known->second;
        else if (name.size() == 1 && name[0] >= u'A' && name[0] <= u'Z')
            key = {Qt::Key_A + (name[0].unicode() - u'A'), name.toLower()};
        else
            fail(u"unknown key %1"_s.arg(name));
        const Target t = reachable(address);
        activate(t.form->window());
        // A key given to a window goes where the real key would: to its focused control.
        QWidget* widget = t.object ? widgetOf(t, address) : t.form->window();
        if (!t.object && widget->focusWidget())
            widget = widget->focusWidget();
        // A control that never takes the focus never hears a key.
        if (t.object && widget->focusPolicy() == Qt::NoFocus)
            fail(u"%1 cannot take the keyboard focus"_s.arg(address));
        sendKey(widget, key.first, key.second);
    }

    // --- the scripted world ---------------------------------------------------------------

    void world(const QString& verb, const QStringList& args) {
        if (verb == u"rnd") {
            need(args, 1);
            for (const QString& word : args) {
                bool ok = false;
                const double value = word.toDouble(&ok);
                if (!ok || value < 0 || value >= 1)
                    fail(u"a draw must be a number in [0, 1), not %1"_s.arg(word));
                platform_.draws.push_back(value);
            }
        } else if (verb == u"answer") {
            need(args, 1);
            for (const QString& word : args) {
                if (word != u"yes" && word != u"no")
                    fail(u"an answer is yes or no, not %1"_s.arg(word));
                platform_.answers.push_back(word == u"yes");
            }
        } else if (verb == u"file") {
            need(args, 1, 1);
            if (args[0] == u"cancel")
                platform_.files.push_back(std::nullopt);
            else
                platform_.files.push_back(plain(args[0]));
        } else if (verb == u"write-file") {
            need(args, 2, 2);
            QFile file(QDir(platform_.caseFolder).filePath(plain(args[0])));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                file.write(toCp1251(plain(args[1]))) < 0)
                fail(u"cannot write %1: %2"_s.arg(args[0], file.errorString()));
        }
    }

    // --- checks ---------------------------------------------------------------------------

    void compare(const QString& what, const QString& expected, const QString& found) {
        if (expected != found)
            fail(u"%1: expected %2, found %3"_s.arg(what, quoted(expected), quoted(found)));
    }

    static bool isWindowName(const QString& word) {
        return word.startsWith(u"frm") && !word.contains(u'.');
    }

    QString textOf(const Target& t, const QString& address) {
        if (!t.object)
            return t.form->window()->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(t.object))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(t.object))
            return button->text();
        if (auto* line = qobject_cast<QLineEdit*>(t.object))
            return line->text();
        if (auto* text = qobject_cast<QTextEdit*>(t.object))
            return text->toPlainText();
        if (auto* text = qobject_cast<QPlainTextEdit*>(t.object))
            return text->toPlainText();
        if (auto* box = qobject_cast<QGroupBox*>(t.object))
            return box->title();
        if (auto* action = qobject_cast<QAction*>(t.object))
            return action->text();
        if (auto* menu = qobject_cast<QMenu*>(t.object))
            return menu->title();
        fail(u"%1 has no text"_s.arg(address));
    }

    static QString yesNo(bool value) { return value ? u"true"_s : u"false"_s; }

    QString property(const Target& t, const QString& address, const QString& prop,
                     const QString& value) {
        auto* widget = t.object ? qobject_cast<QWidget*>(t.object) : t.form->window();
        if (prop == u"enabled") {
            if (auto* action = qobject_cast<QAction*>(t.object))
                return yesNo(action->isEnabled());
            if (widget)
                return yesNo(!widget->testAttribute(Qt::WA_Disabled));
        } else if (prop == u"visible") {
            if (auto* action = qobject_cast<QAction*>(t.object))
                return yesNo(action->isVisible());
            if (widget)
                return yesNo(t.object ? !widget->isHidden() : widget->isVisible());
        } else if (prop == u"interval") {
            if (auto* timer = qobject_cast<Timer*>(t.object))
                return QString::number(timer->interval());
        } else if (prop == u"left" || prop == u"top" || prop == u"width" || prop == u"height") {
            const Twips::Edge edge = prop == u"left"    ? Twips::Edge::Left
                                     : prop == u"top"   ? Twips::Edge::Top
                                     : prop == u"width" ? Twips::Edge::Width
                                                        : Twips::Edge::Height;
            if (widget)
                return QString::number(Twips::get(widget, edge));
        } else if (prop == u"color") {
            if (widget)
                return foreColor(widget).name();
        } else if (prop == u"picture") {
            auto* picture = qobject_cast<Picture*>(t.object);
            const Target other =
                value.contains(u'.') ? target(value) : Target{t.form, control(t.form, value)};
            auto* otherPicture = qobject_cast<Picture*>(other.object);
            if (picture && otherPicture)
                return picture->pictureName() == otherPicture->pictureName()
                           ? value
                           : u"%1 (not %2)"_s.arg(picture->pictureName(),
                                                  otherPicture->pictureName());
        } else {
            fail(u"unknown property %1"_s.arg(prop));
        }
        fail(u"%1 has no property %2"_s.arg(address, prop));
    }

    void check(const QString& verb, const QStringList& args) {
        if (verb == u"expect") {
            need(args, 2, 3);
            if (args.size() == 3) {
                if (args[1] == u"open" && isWindowName(args[0])) {
                    if (!game_)
                        fail(u"the program has not started"_s);
                    compare(args[0] + u" open"_s, args[2],
                            yesNo(game_->loaded(args[0]) != nullptr));
                    return;
                }
                const Target t = target(args[0]);
                compare(args[0] + u' ' + args[1], plain(args[2]),
                        property(t, args[0], args[1], args[2]));
                return;
            }
            if (!args[0].contains(u'.') && !isWindowName(args[0])) {
                if (!game_)
                    fail(u"the program has not started"_s);
                if (const QString* text = game_->state.text(args[0]))
                    return compare(args[0], plain(args[1]), *text);
                if (const qint16* integer = game_->state.integer(args[0]))
                    return compare(args[0], plain(args[1]), QString::number(*integer));
                fail(u"no game field or variable %1"_s.arg(args[0]));
            }
            const Target t = target(args[0]);
            compare(args[0], plain(args[1]), textOf(t, args[0]));
        } else if (verb == u"windows") {
            if (!game_)
                fail(u"the program has not started"_s);
            QStringList open;
            for (FormCore* form : game_->windows())
                open << form->formName();
            compare(u"open windows"_s, args.join(u' '), open.join(u' '));
        } else if (verb == u"message") {
            need(args, 2, 4);
            // TEXT TITLE [ICON] [BUTTONS]: the icon always comes first, so a lone word after the
            // title means one thing only.
            static const QStringList icons = {u"none"_s, u"info"_s, u"exclamation"_s,
                                              u"question"_s};
            static const QStringList buttons = {u"ok"_s, u"yesno"_s};
            if (args.size() > 2 && !icons.contains(args[2]))
                fail(u"message: %1 is not an icon (%2); the icon comes before the buttons"_s.arg(
                    args[2], icons.join(u", "_s)));
            if (args.size() > 3 && !buttons.contains(args[3]))
                fail(u"message: %1 is not buttons (%2)"_s.arg(args[3], buttons.join(u", "_s)));
            if (platform_.shown.empty())
                fail(
                    u"expected message %1, but no message was shown"_s.arg(quoted(plain(args[0]))));
            const ShownMessage m = platform_.shown.front();
            platform_.shown.pop_front();
            const QString shownButtons = m.buttons == MsgButtons::Ok ? u"ok"_s : u"yesno"_s;
            const QString found = u"%1 titled %2, %3 %4"_s.arg(quoted(m.text), quoted(m.title),
                                                               iconName(m.icon), shownButtons);
            const bool same = matches(args[0], m.text) && matches(args[1], m.title) &&
                              (args.size() <= 2 || args[2] == iconName(m.icon)) &&
                              (args.size() <= 3 || args[3] == shownButtons);
            if (!same)
                fail(u"message: expected %1 titled %2 %3, found %4"_s.arg(
                    quoted(plain(args[0])), quoted(plain(args[1])), args.mid(2).join(u' '), found));
        } else if (verb == u"expect-file") {
            need(args, 2, 2);
            QFile file(QDir(platform_.caseFolder).filePath(plain(args[0])));
            if (!file.open(QIODevice::ReadOnly))
                fail(u"file %1 cannot be read: %2"_s.arg(args[0], file.errorString()));
            const QString text = fromCp1251(file.readAll());
            if (!matches(args[1], text))
                fail(u"file %1: expected %2, found %3"_s.arg(args[0], quoted(plain(args[1])),
                                                             quoted(text)));
        } else if (verb == u"ended") {
            need(args, 1, 1);
            if (args[0] != u"true" && args[0] != u"false")
                fail(u"ended takes true or false"_s);
            compare(u"ended"_s, args[0], yesNo(game_ && game_->ended()));
        }
    }

    const WindowCatalog& windows_;
    ScriptedPlatform& platform_;
    std::unique_ptr<Game> game_;
    int line_ = 0;
};

std::vector<CaseResult> runScenarioText(const QString& text, const QString& fileName,
                                        const WindowCatalog& windows) {
    std::vector<Case> cases;
    QString parseError;
    int errorLine = 0;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString raw = lines[i];
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        // A comment is free text: it is set aside before quotes and escapes could trip on it.
        if (raw.trimmed().startsWith(u'#'))
            continue;
        QStringList words;
        QString error;
        if (!splitWords(raw, words, error)) {
            if (parseError.isEmpty()) {
                parseError = error;
                errorLine = i + 1;
            }
            continue;
        }
        if (words.isEmpty())
            continue;
        const QString& verb = words.front();
        if (verb == u"case") {
            cases.push_back({words.mid(1).join(u' '), i + 1, {}});
            continue;
        }
        if (parseError.isEmpty()) {
            if (cases.empty()) {
                parseError = u"a line before the first case"_s;
                errorLine = i + 1;
            } else if (!ActionVerbs.contains(verb) && !WorldVerbs.contains(verb) &&
                       !CheckVerbs.contains(verb)) {
                parseError = u"unknown verb %1"_s.arg(verb);
                errorLine = i + 1;
            }
        }
        if (!cases.empty())
            cases.back().lines.push_back({i + 1, words});
    }

    std::vector<CaseResult> results;
    if (!parseError.isEmpty() || cases.empty()) {
        if (cases.empty())
            cases.push_back({u"(no case)"_s, 1, {}});
        for (const Case& c : cases)
            results.push_back({fileName, c.name, false, errorLine,
                               parseError.isEmpty() ? u"the file has no case"_s : parseError});
        return results;
    }

    for (const Case& c : cases) {
        CaseResult result{fileName, c.name, true, 0, {}};
        QTemporaryDir folder;
        try {
            ScriptedPlatform platform(folder.path());
            CaseRun run(windows, platform);
            run.run(c);
        } catch (const Failure& failure) {
            result.passed = false;
            result.line = failure.line;
            result.message = failure.message;
        }
        results.push_back(result);
    }
    return results;
}

std::vector<CaseResult> runScenarioFile(const QString& path, const WindowCatalog& windows) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{path, u"(file)"_s, false, 0, u"cannot read: "_s + file.errorString()}};
    return runScenarioText(QString::fromUtf8(file.readAll()), path, windows);
}

ScenarioSession::ScenarioSession(const WindowCatalog& windows, ScriptedPlatform& platform)
    : run_(std::make_unique<CaseRun>(windows, platform)) {}

ScenarioSession::~ScenarioSession() = default;

std::optional<QString> ScenarioSession::perform(const QStringList& words) {
    try {
        run_->perform(words);
    } catch (const Failure& failure) {
        return failure.message;
    }
    return std::nullopt;
}

Game* ScenarioSession::game() const {
    return run_->game();
}

QString scenarioWord(const QString& text) {
    QString word = quoted(text);
    word.replace(u'*', u"\\*"_s);
    const bool plainWord = !text.isEmpty() && text == word.mid(1, word.size() - 2) &&
                           !text.contains(u' ') && !text.contains(u'\t') && !text.startsWith(u'#');
    return plainWord ? text : word;
}

QString scenarioIcon(MsgIcon icon) {
    return iconName(icon);
}
