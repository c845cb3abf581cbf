// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// timburia-render-icon SVG FOLDER NAME SIZE...: renders the game's icon to
// FOLDER/SIZExSIZE/apps/NAME.png for each size, the hicolor theme's layout, at build time.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: timburia-render-icon SVG FOLDER NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[0]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    for (const QString& text : args.mid(3)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "not a size: %s\n", qPrintable(text));
            return 2;
        }
        const QString folder = u"%1/%2x%2/apps"_s.arg(args[1]).arg(size);
        QDir().mkpath(folder);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString path = folder + u'/' + args[2] + u".png"_s;
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
