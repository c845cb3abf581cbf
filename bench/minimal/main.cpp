// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Baseline window for the start-up benchmark (bench/startup.sh).
// A QMainWindow titled "minimal" with a two-menu menu bar and 60 labels in a
// grid. Cyrillic text is used so that font loading is comparable with the game.
#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal"));

    QMenu* gameMenu = window.menuBar()->addMenu(QStringLiteral("&Игра"));
    gameMenu->addAction(QStringLiteral("&Новая игра"));
    gameMenu->addAction(QStringLiteral("&Открыть…"));
    gameMenu->addAction(QStringLiteral("&Сохранить"));
    gameMenu->addSeparator();
    QAction* quit = gameMenu->addAction(QStringLiteral("&Выход"));
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);

    QMenu* helpMenu = window.menuBar()->addMenu(QStringLiteral("&Справка"));
    helpMenu->addAction(QStringLiteral("&Правила"));
    helpMenu->addAction(QStringLiteral("&О программе"));

    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    constexpr int columns = 6;
    for (int i = 0; i < 60; ++i) {
        auto* label = new QLabel(QStringLiteral("Метка %1").arg(i + 1), central);
        grid->addWidget(label, i / columns, i % columns);
    }
    window.setCentralWidget(central);

    window.show();
    return app.exec();
}
