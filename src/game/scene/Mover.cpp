#include "game/scene/Mover.h"
#include <cmath>
#include "core/Vek.h"
#include "game/GameGlobal.h"
#include "game/scene/ContextScene.h"

namespace {

constexpr double SCREEN_WIDTH = 640.0; // the distance a move covers at `speed` in length mode off

constexpr double DEFAULT_TICK_STEP = 1.0 / 30.0; // seconds, without an engine

double tickStep() {
    const Vek* engine = Vek::get();
    return engine ? engine->tickStep : DEFAULT_TICK_STEP;
}

bool isAuto(double tx, double ty) {
    return tx == Mover::AUTO && ty == Mover::AUTO;
}

} // namespace

double Mover::formationSway() {
    const GameGlobal* game = GameGlobal::get();
    const ContextScene* scene = game ? game->getGameController() : nullptr;
    return scene ? scene->getFormationSway() : 0.0;
}

void Mover::setPosition(double newX, double newY) {
    x = x0 = x1 = newX;
    y = y0 = y1 = newY;
    vx = vy = t0x = t0y = t1x = t1y = 0.0;
    t = 1.0;
    steps.clear();
}

void Mover::addMove(double endX, double endY, double startTx, double startTy, double endTx, double endTy,
                    int32_t moveFlags) {
    MoverStep step;
    step.kind = MOVE;
    step.flags = moveFlags;
    step.x = endX;
    step.y = endY;
    step.t0x = startTx;
    step.t0y = startTy;
    step.t1x = endTx;
    step.t1y = endTy;
    step.bAutoStartTangent = isAuto(startTx, startTy);
    step.bAutoEndTangent = isAuto(endTx, endTy);
    steps.push_back(step);
}

void Mover::addWait(double seconds) {
    MoverStep step;
    step.kind = WAIT;
    step.waitTime = seconds;
    steps.push_back(step);
}

void Mover::evaluate(double at, double& outX, double& outY) const {
    const double px[4] = {x0, x0 + t0x, x1 - t1x, x1};
    const double py[4] = {y0, y0 + t0y, y1 - t1y, y1};
    double qx[4] = {px[0], px[1], px[2], px[3]};
    double qy[4] = {py[0], py[1], py[2], py[3]};
    for (int level = 3; level > 0; --level) {
        for (int i = 0; i < level; ++i) {
            qx[i] += (qx[i + 1] - qx[i]) * at;
            qy[i] += (qy[i + 1] - qy[i]) * at;
        }
    }
    outX = qx[0];
    outY = qy[0];
}

void Mover::update() {
    if (t >= STEP_END) {
        if (steps.empty()) {
            if (flags & FOLLOW_SWAY) {
                x = x1 + formationSway();
                y = y1;
            }
            return;
        }
        startNextStep();
    }
    t += dt;
    if (kind == MOVE) advanceMove();
    if (t >= STEP_END) finishStep();
}

void Mover::startNextStep() {
    const MoverStep step = steps.front();
    steps.pop_front();
    t = 0.0;
    kind = step.kind;
    flags = step.flags;
    if (kind == MOVE)
        startMove(step);
    else
        startWait(step);
    bFinished = false;
}

void Mover::startMove(const MoverStep& step) {
    // An automatic start tangent continues the previous segment smoothly; an automatic end
    // tangent points from here to the end point.
    if (!step.bAutoStartTangent) {
        t0x = step.t0x;
        t0y = step.t0y;
    } else {
        t0x = t1x;
        t0y = t1y;
    }
    if (step.bAutoEndTangent) {
        const double angle = std::atan2(step.y - y, step.x - x);
        t1x = AUTO_TANGENT_LENGTH * std::cos(angle);
        t1y = AUTO_TANGENT_LENGTH * std::sin(angle);
    } else {
        t1x = step.t1x;
        t1y = step.t1y;
    }
    x0 = x;
    y0 = y;
    x1 = step.x;
    y1 = step.y;
    // The control polygon's length stands in for the arc length.
    const double length = std::hypot(t0x, t0y) +
                          std::hypot((x1 - t1x) - (x0 + t0x), (y1 - t1y) - (y0 + t0y)) + std::hypot(t1x, t1y);
    if (bLengthMode && length < 1.0) {
        dt = 1.0; // nowhere to go: done in this frame, scaled or not
        return;
    }
    dt = (bLengthMode ? speed / length : speed / SCREEN_WIDTH) * (bFrameRateScaling ? FRAME_RATE_SCALE : 1.0);
}

void Mover::startWait(const MoverStep& step) {
    dt = step.waitTime > 0.0 ? tickStep() / step.waitTime : 1.0;
}

void Mover::advanceMove() {
    const double previousX = x;
    const double previousY = y;
    evaluate(t, x, y);
    if (flags & FOLLOW_SWAY)
        x += formationSway() * t;
    else if (flags & FADE_SWAY)
        x += formationSway() * (1.0 - t);
    vx = x - previousX;
    vy = y - previousY;
}

void Mover::finishStep() {
    if (kind == MOVE) {
        x = x1 + ((flags & FOLLOW_SWAY) ? formationSway() : 0.0);
        y = y1;
    }
    if (!steps.empty()) return;
    bFinished = true;
    onStepDone();
}
