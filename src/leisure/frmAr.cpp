#include "leisure/frmAr.h"

#include "state/NumberText.h"
#include "ui/Game.h"
#include "ui/Kit.h"
#include "ui/PlayPanel.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Twips::Edge;

void place(QWidget* control, int left, int top, int width, int height) {
    Twips::remember(control, Edge::Left, left);
    Twips::remember(control, Edge::Top, top);
    Twips::remember(control, Edge::Width, width);
    Twips::remember(control, Edge::Height, height);
}

const QColor Floor(0x10, 0x1c, 0x3a);
const QColor Wall(0x5a, 0x78, 0xb4);

using Choice = std::initializer_list<std::pair<QRadioButton*, Picture*>>;

} // namespace

void Sprite::paintEvent(QPaintEvent*) {}

PaddleView::PaddleView(QWidget* parent)
    : QWidget(parent)
    , glide_(new QVariantAnimation(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    glide_->setStartValue(0.0);
    glide_->setEndValue(1.0);
    glide_->setDuration(Paddle::TickMs);
    connect(glide_, &QVariantAnimation::valueChanged, this, &PaddleView::frame);
}

QSize PaddleView::sizeHint() const {
    return {Twips::toPixels(Paddle::FieldWidth), Twips::toPixels(Paddle::FieldHeight)};
}

int PaddleView::heightForWidth(int width) const {
    return width * Paddle::FieldHeight / Paddle::FieldWidth;
}

void PaddleView::glideFrom(QPoint from) {
    from_ = from;
    glide_->stop();
    glide_->start();
    update();
}

void PaddleView::stopGliding() {
    glide_->stop();
    update();
}

void PaddleView::frame() {
    update();
}

void PaddleView::paintEvent(QPaintEvent*) {
    if (!scene)
        return;
    Scene now = scene();
    if (glide_->state() == QAbstractAnimation::Running) {
        const double t = glide_->currentValue().toDouble();
        const QPointF to = now.ball;
        now.ball = QPointF(from_) + (to - QPointF(from_)) * t;
    }
    QPainter painter(this);
    paint(painter, rect(), devicePixelRatioF(), now, palette().window());
}

void PaddleView::paint(QPainter& painter, const QRect& area, qreal dpr, const Scene& scene,
                       const QBrush& surround) {
    const Paddle::Field& f = scene.field;
    const double s =
        std::min(double(area.width()) / f.fieldWidth, double(area.height()) / f.fieldHeight);
    const QSizeF size(f.fieldWidth * s, f.fieldHeight * s);
    const QPointF origin(area.x() + (area.width() - size.width()) / 2,
                         area.y() + (area.height() - size.height()) / 2);
    const QRectF field(origin, size);
    painter.save();
    // Every pixel is painted once: the margins the field's proportions leave, then the field.
    const QRect inside = field.toAlignedRect();
    for (const QRect& margin : QRegion(area).subtracted(QRegion(inside)))
        painter.fillRect(margin, surround);
    painter.fillRect(field, Floor);
    painter.setPen(QPen(Wall, 2));
    painter.drawRect(field.adjusted(-1, -1, 1, 1));
    painter.setClipRect(field);

    // The art is made once at the paddle's full width; a shrunk paddle squeezes it, which
    // keeps a frame to one scaled blit instead of a fresh picture every tick.
    const QPixmap paddle = Pictures::pixmap(
        scene.paddleArt,
        QSize(int(std::lround(Paddle::StartWidth * s)), int(std::lround(Paddle::PaddleHeight * s))),
        dpr);
    const QRectF paddleAt(origin.x() + f.paddleLeft * s, origin.y() + Paddle::PaddleTop * s,
                          f.paddleWidth * s, Paddle::PaddleHeight * s);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(paddleAt, paddle, QRectF(paddle.rect()));

    const QPixmap ball = Pictures::pixmap(
        scene.ballArt, QSize(int(std::lround(f.ballWidth * s)), int(std::lround(f.ballHeight * s))),
        dpr);
    painter.drawPixmap(QPointF(origin.x() + scene.ball.x() * s, origin.y() + scene.ball.y() * s),
                       ball);
    painter.restore();
}

frmAr::frmAr(Game& game)
    : CasinoMachine(game, Name) {
    setWindowTitle(u"Арканоид"_s);

    Picture1 = named<PaddleView>("Picture1", this);
    Twips::remember(Picture1, Edge::Width, Paddle::FieldWidth);
    Twips::remember(Picture1, Edge::Height, Paddle::FieldHeight);
    C1 = named<Sprite>("C1", u"leisure/paddle1"_s, Picture1);
    place(C1, Paddle::PaddleStartLeft, Paddle::PaddleTop, Paddle::StartWidth, Paddle::PaddleHeight);
    P1 = named<Sprite>("P1", u"leisure/ball1"_s, Picture1);
    place(P1, 0, 0, Paddle::BallSize, Paddle::BallSize);
    for (Sprite* sprite : {C1, P1}) {
        sprite->setAttribute(Qt::WA_TransparentForMouseEvents);
        sprite->resize(0, 0);
    }
    Picture1->scene = [this] {
        return scene();
    };

    r1 = named<Picture>("r1", u"leisure/paddle1"_s, this);
    r2 = named<Picture>("r2", u"leisure/paddle2"_s, this);
    r3 = named<Picture>("r3", u"leisure/paddle3"_s, this);
    m1 = named<Picture>("m1", u"leisure/ball1"_s, this);
    m2 = named<Picture>("m2", u"leisure/ball2"_s, this);
    m3 = named<Picture>("m3", u"leisure/ball3"_s, this);
    for (Picture* art : {r1, r2, r3, m1, m2, m3})
        art->hide();
    T1 = named<QLineEdit>("T1", u"100"_s, this);
    T2 = named<QLineEdit>("T2", u"100"_s, this);
    T1->hide();
    T2->hide();

    Frame2 = named<QGroupBox>("Frame2", u"Выбор ракетки"_s, this);
    auto* paddles = new QVBoxLayout(Frame2);
    o1 = named<QRadioButton>("o1", Frame2);
    o2 = named<QRadioButton>("o2", Frame2);
    o3 = named<QRadioButton>("o3", Frame2);
    const QSize paddleIcon(64, 16);
    for (auto [option, art] : Choice{{o1, r1}, {o2, r2}, {o3, r3}}) {
        option->setIcon(Pictures::icon(art->pictureName(), paddleIcon));
        option->setIconSize(paddleIcon);
        paddles->addWidget(option);
    }
    o1->setChecked(true);

    Frame3 = named<QGroupBox>("Frame3", u"Мяч"_s, this);
    auto* balls = new QHBoxLayout(Frame3);
    b1 = named<QRadioButton>("b1", Frame3);
    b2 = named<QRadioButton>("b2", Frame3);
    b3 = named<QRadioButton>("b3", Frame3);
    const QSize ballIcon(18, 18);
    for (auto [option, art] : Choice{{b1, m1}, {b2, m2}, {b3, m3}}) {
        option->setIcon(Pictures::icon(art->pictureName(), ballIcon));
        option->setIconSize(ballIcon);
        balls->addWidget(option);
    }
    b1->setChecked(true);

    Frame4 = named<QGroupBox>("Frame4", u"Управление"_s, this);
    auto* modes = new QVBoxLayout(Frame4);
    optKnopki = named<QRadioButton>("optKnopki", u"Кнопки"_s, Frame4);
    optKlaviatura = named<QRadioButton>("optKlaviatura", u"Клавиатура"_s, Frame4);
    modes->addWidget(optKnopki);
    modes->addWidget(optKlaviatura);
    optKnopki->setChecked(true);

    cmdNew = named<QPushButton>("cmdNew", u"Начать игру"_s, this);
    Command3 = named<QPushButton>("Command3", u"◀"_s, this);
    Command2 = named<QPushButton>("Command2", u"▶"_s, this);
    for (QPushButton* arrow : {Command3, Command2}) {
        arrow->setMinimumSize(72, 36);
        // Held, not clicked: the keyboard focus stays on the field, where the arrows go.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setStyleSheet(u"QPushButton { background: #2b6fd6; color: white; font-size: 18px; "
                             u"border-radius: 4px; }"
                             "QPushButton:pressed { background: #1b4f9e; }"
                             "QPushButton:disabled { background: #9fb3d1; color: #e8eef8; }"_s);
    }

    Label1 = named<QLabel>(
        "Label1",
        u"Игровые правила. Что бы начать игру нажмите кнопку <Начать игру>. Управление "
        "осуществляется при помощи синих кнопок со стрелками или при помощи "
        "клавиатуры(кнопки вправо и влево). Если мячик касается пола тогда вы теряете 20$ и у "
        "вас ухудшается настроение. Если же вы продержитесь и не дадите коснуться пола мячику, "
        "тогда вы получаете 35$ и у вас сильно улучшается настроение."_s,
        this);
    Label1->setWordWrap(true);

    Timer1 = new Timer(
        *this, u"Timer1"_s, [this] { Timer1_Timer(); }, true);
    Timer2 = new Timer(
        *this, u"Timer2"_s, [this] { Timer2_Timer(); }, true);
    Timer3 = new Timer(
        *this, u"Timer3"_s, [this] { Timer3_Timer(); }, true);

    auto* arrows = new QHBoxLayout;
    auto* play = new PlayPanel(*this, this, {Command3, Command2});
    play->layout()->setSpacing(12);
    play->coverWhilePaused(Picture1);
    arrows->addStretch(1);
    arrows->addWidget(play);
    arrows->addStretch(1);
    auto* field = new QVBoxLayout;
    field->addWidget(Picture1, 1);
    field->addLayout(arrows);

    auto* settings = new QVBoxLayout;
    settings->addWidget(Frame2);
    settings->addWidget(Frame3);
    settings->addWidget(Frame4);
    settings->addStretch(1);
    settings->addWidget(cmdNew);

    auto* top = new QHBoxLayout;
    top->addLayout(field, 1);
    top->addSpacing(8);
    top->addLayout(settings);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Label1);
    cmdBack = addBackButton(layout);
    setMinimumWidth(640);

    onClick(cmdNew, &frmAr::cmdNew_Click);
    onMouseDown(Command2, &frmAr::Command2_MouseDown);
    onMouseUp(Command2, &frmAr::Command2_MouseUp);
    onMouseDown(Command3, &frmAr::Command3_MouseDown);
    onMouseUp(Command3, &frmAr::Command3_MouseUp);
    for (auto [option, art] : Choice{{o1, r1}, {o2, r2}, {o3, r3}}) {
        route(option, ControlEvent::Click, [this, art = art] {
            C1->copyPicture(*art);
            Picture1->update();
        });
    }
    for (auto [option, art] : Choice{{b1, m1}, {b2, m2}, {b3, m3}}) {
        route(option, ControlEvent::Click, [this, art = art] {
            P1->copyPicture(*art);
            Picture1->update();
        });
    }
    routeKeyDown(this, [this](int key) { Form_KeyDown(key); });
    // A pause lets go of an arrow button held down: it comes back disabled, and its release
    // never reaches the game.
    connect(&game, &Game::pauseChanged, this, [this] {
        if (this->game().paused())
            dispatch([this] {
                Command2_MouseUp();
                Command3_MouseUp();
            });
    });
    // The arrows move the paddle from the start, without flipping an option button on the way.
    Picture1->setFocus(Qt::OtherFocusReason);
}

Paddle::Field frmAr::field() const {
    Paddle::Field f;
    f.ballLeft = Twips::get(P1, Edge::Left);
    f.ballTop = Twips::get(P1, Edge::Top);
    f.ballWidth = Twips::get(P1, Edge::Width);
    f.ballHeight = Twips::get(P1, Edge::Height);
    f.h = qint16(Val(T1->text()));
    f.v = qint16(Val(T2->text()));
    f.paddleLeft = Twips::get(C1, Edge::Left);
    f.paddleWidth = Twips::get(C1, Edge::Width);
    f.fieldWidth = Twips::get(Picture1, Edge::Width);
    f.fieldHeight = Twips::get(Picture1, Edge::Height);
    return f;
}

void frmAr::store(const Paddle::Field& f) {
    Twips::remember(P1, Edge::Left, f.ballLeft);
    Twips::remember(P1, Edge::Top, f.ballTop);
    Twips::remember(C1, Edge::Left, f.paddleLeft);
    Twips::remember(C1, Edge::Width, f.paddleWidth);
    const QString h = QString::number(f.h), v = QString::number(f.v);
    if (T1->text() != h)
        T1->setText(h);
    if (T2->text() != v)
        T2->setText(v);
    Picture1->update();
}

PaddleView::Scene frmAr::scene() const {
    const Paddle::Field f = field();
    return {f, QPointF(f.ballLeft, f.ballTop), C1->pictureName(), P1->pictureName()};
}

void frmAr::lockSettings() {
    // The arrow keys go to the window whatever has the focus; the field keeps it off the
    // option buttons, which the arrows would otherwise flip.
    Picture1->setFocus(Qt::OtherFocusReason);
    for (QWidget* control : std::initializer_list<QWidget*>{cmdNew, cmdBack, o1, o2, o3, b1, b2, b3,
                                                            optKnopki, optKlaviatura})
        control->setEnabled(false);
    if (optKlaviatura->isChecked()) {
        Command2->setEnabled(false);
        Command3->setEnabled(false);
    }
}

void frmAr::unlockSettings() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             cmdNew, cmdBack, o1, o2, o3, b1, b2, b3, optKnopki, optKlaviatura, Command2, Command3})
        control->setEnabled(true);
}

void frmAr::cmdNew_Click() {
    Timer3->setInterval(Paddle::TickMs);
    lockSettings();
}

void frmAr::Timer3_Timer() {
    Paddle::Field f = field();
    const QPoint from(f.ballLeft, f.ballTop);
    const Paddle::Outcome outcome = Paddle::tick(f);
    store(f);
    Picture1->glideFrom(from);
    if (outcome == Paddle::Outcome::Playing)
        return;
    Picture1->stopGliding();
    // While the question is open this timer's ticks are skipped, so a game ends only once.
    const bool again = Paddle::finish(game().state, outcome, effects());
    f = field();
    Paddle::reset(f);
    store(f);
    Timer1->setInterval(0);
    Timer2->setInterval(0);
    if (again) {
        lockSettings();
    } else {
        Timer3->setInterval(0);
        unlockSettings();
    }
}

void frmAr::Form_KeyDown(int key) {
    // The pause holds play: the arrow keys move nothing.
    if (game().paused())
        return;
    Paddle::Field f = field();
    if (key == Qt::Key_Right)
        Paddle::keyRight(f);
    else if (key == Qt::Key_Left)
        Paddle::keyLeft(f);
    else
        return;
    store(f);
}

void frmAr::Command2_MouseDown() {
    Timer1->setInterval(1);
}

void frmAr::Command2_MouseUp() {
    Timer1->setInterval(0);
}

void frmAr::Command3_MouseDown() {
    Timer2->setInterval(1);
}

void frmAr::Command3_MouseUp() {
    Timer2->setInterval(0);
}

void frmAr::Timer1_Timer() {
    Paddle::Field f = field();
    if (!Paddle::buttonRight(f))
        Timer1->setInterval(0);
    store(f);
}

void frmAr::Timer2_Timer() {
    Paddle::Field f = field();
    if (!Paddle::buttonLeft(f))
        Timer2->setInterval(0);
    store(f);
}

void frmAr::cmdBack_Click() {
    // The frame and Escape come here too; a game in play is not left halfway.
    if (Timer3->running())
        return;
    CasinoMachine::cmdBack_Click();
}
