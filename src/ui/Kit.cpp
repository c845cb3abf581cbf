// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Kit.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>

#include <algorithm>
#include <cmath>

QAction* namedAction(QMenu* menu, const char* name, const QString& text) {
    auto* action = named<QAction>(name, text, menu);
    menu->addAction(action);
    return action;
}

QLabel* heading(const char* name, const QString& text, QWidget* parent) {
    auto* label = named<QLabel>(name, text, parent);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    label->setFont(font);
    return label;
}

namespace {
// The figures' colour comes in with the style's own palette. A palette set on the application
// instead would be one the player chose: every new window then gets a palette of its own,
// and the style's caches (the buttons' and frames' pictures, keyed by palette) grow by a set
// of entries for every window ever opened.
class GameStyle : public QProxyStyle {
public:
    using QProxyStyle::polish;
    using QProxyStyle::QProxyStyle;
    void polish(QPalette& palette) override {
        QProxyStyle::polish(palette);
        if (palette.color(QPalette::Window).lightness() > 128)
            palette.setColor(QPalette::Link, QColor(0x1d, 0x3f, 0x72));
    }
};
} // namespace

void useGamePalette() {
    QApplication::setStyle(new GameStyle(QApplication::style()->name()));
}

namespace {
double luminance(const QColor& colour) {
    const auto linear = [](float c) {
        return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// A figure is in the link colour where that reads well on the window, and in the window's text
// colour where it does not: a high-contrast palette of the player's may leave the link colour
// as a light theme has it, dark on a dark window.
void chooseFigureColour(QWidget* label) {
    const QPalette& palette = label->palette();
    const bool linkReads = contrast(palette.color(QPalette::Link),
                                    palette.color(label->backgroundRole())) >= ReadableContrast;
    const QPalette::ColorRole role = linkReads ? QPalette::Link : QPalette::WindowText;
    // A new role is a change of palette too: set only when it changes.
    if (label->foregroundRole() != role)
        label->setForegroundRole(role);
}

class FigureColour : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            chooseFigureColour(static_cast<QWidget*>(watched));
        return false;
    }
};
} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

void markAsFigure(QWidget* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    static auto* const colour = new FigureColour(qApp);
    label->installEventFilter(colour);
    chooseFigureColour(label);
}

QLabel* figure(const char* name, const QString& text, QWidget* parent) {
    auto* label = named<QLabel>(name, text, parent);
    markAsFigure(label);
    return label;
}

namespace {
class HeightInLines : public QObject {
public:
    HeightInLines(QWidget* control, int lines, int padding)
        : QObject(control)
        , lines_(lines)
        , padding_(padding) {
        control->installEventFilter(this);
        fit(control);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange)
            fit(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void fit(QWidget* control) const {
        control->setFixedHeight(control->fontMetrics().lineSpacing() * lines_ + padding_);
    }

    int lines_, padding_;
};
} // namespace

void setHeightInLines(QWidget* control, int lines, int padding) {
    new HeightInLines(control, lines, padding);
}

void reserveWidth(QLabel* label, const QStringList& texts) {
    const QString shown = label->text();
    int widest = label->sizeHint().width();
    for (const QString& text : texts) {
        label->setText(text);
        widest = std::max(widest, label->sizeHint().width());
    }
    label->setText(shown);
    label->setMinimumWidth(widest);
    // The layout takes the width reserved, whatever the text of the moment asks for.
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
}

void setForeColor(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    for (QPalette::ColorRole role :
         {control->foregroundRole(), QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, color);
    control->setPalette(palette);
}

QColor foreColor(const QWidget* control) {
    return control->palette().color(control->foregroundRole());
}
