// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Picture.h"

#include "ui/Language.h"

#include <QAccessibleWidget>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace Pictures {

namespace {
QString resourcePath(const QString& name) {
    return u":/assets/"_s + name + u".svg"_s;
}

// A piece of art with words drawn in has a twin for each other language, named with its code
// ("first_en"): the art of the player's language, or the art itself.
QString drawn(const QString& name) {
    if (currentLanguage() == Language::Russian)
        return name;
    const QString twin = name + u'_' + languageCode(currentLanguage());
    static std::map<QString, bool> exists;
    const auto known = exists.find(twin);
    const bool found = known != exists.end()
                           ? known->second
                           : exists.emplace(twin, QFile::exists(resourcePath(twin))).first->second;
    return found ? twin : name;
}

QSvgRenderer* renderer(const QString& name) {
    // One parsed document per picture for the whole run; pictures are few and small.
    static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    auto& svg = renderers[name];
    if (!svg)
        svg = std::make_unique<QSvgRenderer>(resourcePath(name));
    return svg.get();
}
} // namespace

QSize naturalSize(const QString& art) {
    const QString name = drawn(art);
    // A window's layout asks for every picture's size before the window is shown: the size is
    // read from the root element's plain width and height, and the whole document is parsed
    // only when the picture is first drawn (or when the size is written otherwise).
    static std::map<QString, QSize> sizes;
    auto known = sizes.find(name);
    if (known != sizes.end())
        return known->second;
    QSize size;
    QFile file(resourcePath(name));
    if (file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        if (xml.readNextStartElement() && xml.name() == u"svg") {
            bool wide = false, high = false;
            const int width = xml.attributes().value(QLatin1String("width")).toInt(&wide);
            const int height = xml.attributes().value(QLatin1String("height")).toInt(&high);
            if (wide && high && width > 0 && height > 0)
                size = QSize(width, height);
        }
    }
    if (size.isEmpty()) {
        QSvgRenderer* svg = renderer(name);
        size = svg->isValid() ? svg->defaultSize() : QSize(160, 120);
    }
    sizes.emplace(name, size);
    return size;
}

QPixmap pixmap(const QString& art, QSize logicalSize, qreal devicePixelRatio) {
    const QString name = drawn(art);
    const QSize device = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    if (name.isEmpty() || device.isEmpty())
        return {};
    // The same device size at another ratio is another pixmap: it carries its ratio, which
    // sets how big it is drawn.
    const QString key = u"pic:%1:%2x%3@%4"_s.arg(name, QString::number(device.width()),
                                                 QString::number(device.height()),
                                                 QString::number(devicePixelRatio));
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    QPixmap image(device);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer(name)->render(&painter);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, image);
    return image;
}

QIcon icon(const QString& name, QSize logicalSize) {
    QIcon result;
    for (qreal ratio : {1.0, 2.0})
        result.addPixmap(pixmap(name, logicalSize, ratio));
    return result;
}

} // namespace Pictures

namespace {

// A picture the keyboard can reach is one the player opens something with (a place of the
// main window): a screen reader shows it as a button, named by its accessible name, that its
// press action clicks as the mouse would.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    // Asked each time: the picture becomes one that clicks after it is made.
    QAccessible::Role role() const override {
        return widget()->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Button;
    }

    QStringList actionNames() const override {
        if (role() != QAccessible::Button)
            return QAccessibleWidget::actionNames();
        return {pressAction()};
    }

    void doAction(const QString& action) override {
        if (action != pressAction() || role() != QAccessible::Button)
            return QAccessibleWidget::doAction(action);
        const QPointF centre = QRectF(widget()->rect()).center();
        const QPointF global = widget()->mapToGlobal(centre);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, centre, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(widget(), &click);
        }
    }
};

QAccessibleInterface* accessiblePicture(const QString& className, QObject* object) {
    if (className == u"Picture" && object && object->isWidgetType())
        return new AccessiblePicture(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

Picture::Picture(const QString& pictureName, QWidget* parent)
    : QWidget(parent)
    , pictureName_(pictureName) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessiblePicture);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void Picture::setPicture(const QString& name) {
    if (name == pictureName_)
        return;
    pictureName_ = name;
    updateGeometry();
    update();
}

QSize Picture::sizeHint() const {
    return pictureName_.isEmpty() ? QSize(32, 32) : Pictures::naturalSize(pictureName_);
}

int Picture::heightForWidth(int width) const {
    const QSize natural = sizeHint();
    return natural.width() > 0 ? width * natural.height() / natural.width() : width;
}

void Picture::paintEvent(QPaintEvent*) {
    if (pictureName_.isEmpty())
        return;
    // Keep the art's proportions and centre it in the control.
    const QSize fitted = Pictures::naturalSize(pictureName_).scaled(size(), Qt::KeepAspectRatio);
    const QPixmap image = Pictures::pixmap(pictureName_, fitted, devicePixelRatioF());
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.35);
    const QPoint at((width() - fitted.width()) / 2, (height() - fitted.height()) / 2);
    painter.drawPixmap(at, image);
    if (hasFocus()) {
        // A picture that opens a place shows the keyboard focus as a button does.
        painter.setOpacity(1);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}
