#pragma once
// Small helpers for building windows: every control carries its name as its objectName, so
// the game, the tests and the picture code all find it by that name.

#include <QHBoxLayout>
#include <QString>
#include <QWidget>

#include <utility>

// new T(args...) named `name`.
template <class T, class... Args> T* named(const char* name, Args&&... args) {
    T* control = new T(std::forward<Args>(args)...);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A row with the widget at its right end, where the back buttons stand.
inline QHBoxLayout* atRight(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(widget);
    return row;
}

// Bold dark blue: the look of a figure the game fills in.
inline void markAsFigure(QWidget* label) {
    label->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d3f72;"));
}
