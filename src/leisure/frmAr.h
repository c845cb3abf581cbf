#pragma once
// The arcade machine: the paddle game. The ball, the paddle and the steps live in the controls
// the game reads and writes (C1, P1 and the hidden boxes T1 and T2, in twips and text); the field
// paints them, scaled to its size, and glides the ball between two ticks without ever moving
// it: only Timer3 moves it.

#include "leisure/CasinoMachine.h"
#include "rules/Paddle.h"
#include "ui/Picture.h"

#include <functional>

class QBrush;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QVariantAnimation;
class Timer;

// A picture the field draws itself: it keeps the control's name, art and twips, and paints
// nothing of its own.
class Sprite : public Picture {
public:
    using Picture::Picture;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The field of the paddle game.
class PaddleView : public QWidget {
public:
    explicit PaddleView(QWidget* parent = nullptr);

    // What one frame shows: the field in twips, with the ball where it is drawn.
    struct Scene {
        Paddle::Field field;
        QPointF ball;
        QString paddleArt, ballArt;
    };
    // Paints a whole frame into `area`: the field, kept in its proportions, and `surround`
    // around it.
    static void paint(QPainter& painter, const QRect& area, qreal devicePixelRatio,
                      const Scene& scene, const QBrush& surround);

    // The ball has just moved by a tick from `from`: it is drawn gliding there over one tick.
    void glideFrom(QPoint from);
    // The ball jumped (a new game): it is drawn where it is at once.
    void stopGliding();

    // The scene as the controls hold it now; set by the window.
    std::function<Scene()> scene;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void frame();

    QVariantAnimation* glide_;
    QPoint from_;
};

class frmAr : public CasinoMachine {
public:
    static constexpr QStringView Name = u"frmAr";
    explicit frmAr(Game& game);

    PaddleView* Picture1;
    Sprite *C1, *P1;
    Picture *r1, *r2, *r3, *m1, *m2, *m3;
    QLineEdit *T1, *T2;
    QGroupBox *Frame2, *Frame3, *Frame4;
    QRadioButton *o1, *o2, *o3, *b1, *b2, *b3, *optKnopki, *optKlaviatura;
    QPushButton *cmdNew, *Command2, *Command3, *cmdBack;
    QLabel* Label1;
    Timer *Timer1, *Timer2, *Timer3;

protected:
    void cmdBack_Click() override;

private:
    void cmdNew_Click();
    void Form_KeyDown(int key);
    void Command2_MouseDown();
    void Command2_MouseUp();
    void Command3_MouseDown();
    void Command3_MouseUp();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // The game as the controls hold it, and back.
    Paddle::Field field() const;
    void store(const Paddle::Field& field);

    void lockSettings();
    void unlockSettings();
    PaddleView::Scene scene() const;
};
