#include "ui/Kit.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPalette>

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

void useGamePalette() {
    QPalette palette = QApplication::palette();
    if (palette.color(QPalette::Window).lightness() > 128) {
        palette.setColor(QPalette::Link, QColor(0x1d, 0x3f, 0x72));
        QApplication::setPalette(palette);
    }
}

void markAsFigure(QWidget* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setForegroundRole(QPalette::Link);
}

QLabel* figure(const char* name, const QString& text, QWidget* parent) {
    auto* label = named<QLabel>(name, text, parent);
    markAsFigure(label);
    return label;
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
