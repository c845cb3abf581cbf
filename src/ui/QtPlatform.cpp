#include "ui/QtPlatform.h"

#include "ui/Timer.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class QtTimerEngine : public TimerEngine {
public:
    QtTimerEngine(Timer& timer, bool precise) {
        timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
        QObject::connect(&timer_, &QTimer::timeout, &timer, &Timer::fire);
    }
    void start(int intervalMs) override { timer_.start(intervalMs); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

QWidget* ownerFor(QWidget* over) {
    // A message over a hidden window (the main window while the start window waits) would sit
    // behind everything; show it over whatever the player sees instead.
    if (over && over->isVisible())
        return over;
    return QApplication::activeWindow();
}

} // namespace

QtPlatform::QtPlatform() {
    randomize();
}

MsgResult QtPlatform::message(QWidget* over, const QString& text, const QString& title,
                              MsgIcon icon, MsgButtons buttons) {
    QMessageBox box(ownerFor(over));
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MsgResult::Ok;
}

QString QtPlatform::qtFilter(const QString& filter, int filterIndex, QString* selected) {
    // The game writes filters as "description|pattern|description|pattern".
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        QString description = parts[i];
        if (!description.contains(u'('))
            description += u" ("_s + pattern + u')';
        filters << description;
    }
    if (selected)
        *selected = filters.value(filterIndex > 0 ? filterIndex - 1 : 0);
    return filters.join(u";;"_s);
}

std::optional<QString> QtPlatform::openFileName(QWidget* over, const QString& filter,
                                                int filterIndex) {
    QString selected;
    const QString qt = qtFilter(filter, filterIndex, &selected);
    const QString path = QFileDialog::getOpenFileName(ownerFor(over), {}, {}, qt, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::saveFileName(QWidget* over, const QString& filter,
                                                int filterIndex) {
    QString selected;
    const QString qt = qtFilter(filter, filterIndex, &selected);
    const QString path = QFileDialog::getSaveFileName(ownerFor(over), {}, {}, qt, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtPlatform::randomize() {
    random_.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

float QtPlatform::rnd() {
    // 24 random bits make every float in [0, 1) that a draw can give, and never 1.
    return float(random_() >> 8) / float(1 << 24);
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

void QtPlatform::showWindow(QWidget* window, bool modal) {
    if (window->isVisible() && modal == window->isModal()) {
        window->raise();
        window->activateWindow();
        return;
    }
    if (window->isVisible())
        window->hide(); // modality can only change while hidden
    window->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    window->show();
    window->raise();
    window->activateWindow();
}

std::unique_ptr<TimerEngine> QtPlatform::createTimerEngine(Timer& timer, bool precise) {
    return std::make_unique<QtTimerEngine>(timer, precise);
}

void QtPlatform::quit() {
    QCoreApplication::quit();
}
