// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ChartModule.h"

#include "ui/Kit.h"
#include "ui/Translation.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace {

// The chart module, beside the program (the build folder) or where an installation puts it.
struct ChartModule {
    MakeHistoryChart make = nullptr;
    QString error;
};

const ChartModule& chartModule() {
    static const ChartModule module = [] {
        ChartModule found;
        const QString here = QCoreApplication::applicationDirPath();
        const QString places[] = {here + u"/timburia-chart"_s,
                                  here + u"/../lib/timburia/modules/timburia-chart"_s};
        for (const QString& path : places) {
            QLibrary library(path);
            found.make =
                reinterpret_cast<MakeHistoryChart>(library.resolve(TIMBURIA_HISTORY_CHART_FACTORY));
            if (found.make)
                return found;
            if (found.error.isEmpty())
                found.error = library.errorString();
        }
        return found;
    }();
    return module;
}

} // namespace

DaysChart makeDaysChart(QWidget* parent, const char* name, const char* spoken) {
    DaysChart made;
    if (const ChartModule& module = chartModule(); module.make) {
        made.chart.reset(module.make(parent));
        made.widget = made.chart->widget();
        made.widget->setObjectName(QString::fromLatin1(name));
        // The window's name is its translation context.
        translatable(made.widget, "accessibleName", parent->objectName().toUtf8().constData(),
                     spoken);
    } else {
        auto* missing =
            named<QLabel>(name,
                          QCoreApplication::translate("ChartModule", "График не нарисовать: %1")
                              .arg(module.error),
                          parent);
        missing->setWordWrap(true);
        made.widget = missing;
    }
    return made;
}
