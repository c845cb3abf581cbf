// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QVariant>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr char CaptionProperty[] = "captionLabel";
constexpr QStringView AnnouncerName = u"announcer";

QString captioned(const QString& caption, const QString& value) {
    const QString said = spokenCaption(caption);
    return value.isEmpty() ? said : said + u": "_s + value;
}

AnnouncementWatcher watcher = nullptr;

QLabel* captionOf(const QObject* value) {
    return value->property(CaptionProperty).value<QPointer<QLabel>>();
}

// A figure read with its caption. Its text changes as the game goes: the name is made each time
// it is asked for.
class AccessibleFigure : public QAccessibleWidget {
public:
    explicit AccessibleFigure(QLabel* value)
        : QAccessibleWidget(value, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* value = static_cast<const QLabel*>(widget());
        QLabel* caption = captionOf(value);
        if (kind == QAccessible::Value)
            return value->text();
        if (kind != QAccessible::Name || !caption || !value->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return captioned(caption->text(), value->text());
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        if (QLabel* caption = captionOf(widget()); caption && (match & QAccessible::Label))
            related.prepend({QAccessible::queryAccessibleInterface(caption), QAccessible::Label});
        return related;
    }
};

// The window's notification: its name is the last thing said.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* window)
        : QWidget(window) {
        setObjectName(AnnouncerName.toString());
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Nothing to see: it stands in the window's corner at no size at all.
        setGeometry(0, 0, 0, 0);
    }
    QString said;
};

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->said;
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleOfGame(const QString& className, QObject* object) {
    if (className == u"QLabel" && object->property(CaptionProperty).isValid())
        return new AccessibleFigure(static_cast<QLabel*>(object));
    if (className == u"QWidget" && object->objectName() == AnnouncerName &&
        dynamic_cast<Announcer*>(object))
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    return nullptr;
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleOfGame);
        return true;
    }();
    Q_UNUSED(installed);
}

// A label's interface may have been made (and kept) before it became a figure, as its text was
// first set: that one is let go of, and the next one asked for is the figure's.
void forgetInterface(QObject* object) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object);
        made && !dynamic_cast<AccessibleFigure*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

QString spokenCaption(const QString& caption) {
    QString said = caption;
    said.remove(u'&');
    said = said.trimmed();
    while (said.endsWith(u':'))
        said.chop(1);
    return said.trimmed();
}

void relateToCaption(QLabel* value, QLabel* caption) {
    installFactory();
    value->setProperty(CaptionProperty, QVariant::fromValue(QPointer<QLabel>(caption)));
    forgetInterface(value);
}

void announce(QWidget* source, const QString& text) {
    installFactory();
    QWidget* window = source->window();
    auto* announcer = dynamic_cast<Announcer*>(
        window->findChild<QWidget*>(AnnouncerName.toString(), Qt::FindDirectChildrenOnly));
    // A screen reader reads a notification that shows, as it reads the desktop's. The first one
    // of a window shows as it is made (Qt says so itself); the next ones show again under their
    // new name.
    const bool first = !announcer;
    if (first)
        announcer = new Announcer(window);
    announcer->said = text;
    if (first)
        announcer->show();
    if (!first || !announcer->isVisible()) {
        QAccessibleEvent named(announcer, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    if (watcher)
        watcher(announcer, text);
}

AnnouncementWatcher watchAnnouncements(AnnouncementWatcher newWatcher) {
    return std::exchange(watcher, newWatcher);
}

void announceChange(QWidget* source, const QString& caption, const QString& before,
                    const QString& now) {
    if (now != before)
        announce(source, captioned(caption, now));
}

void announceFigure(QLabel* value) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(value);
    announce(value, accessible ? accessible->text(QAccessible::Name) : value->text());
}
