#include "game/ContextManager.h"
#include "core/Vek.h"
#include "core/Language.h"
#include "game/GameInput.h"
#include "game/Global.h"
#include "game/MousePointer.h"
#include "core/TimeKeeper.h"
#include "media/FontQuad.h"
#include "media/VekGraphics.h"
#include "game/TransitionOverlay.h"
#include "media/PointerTracker.h"
#include "media/VekInput.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ContextManager, Context, u"ContextManager")

namespace {

constexpr int KEY_ESCAPE = 1;
constexpr int FIRE_ACTION = 4;                // keyboard bindings: left, right, up, down, fire, alt fire
constexpr int JOYSTICK_FIRE = 0;              // joystick bindings: fire, alt fire, menu
constexpr double FPS_SAMPLE_INTERVAL = 0.125; // seconds between samples of the shown frame rate
constexpr int FPS_TEXT_FLAGS = FontQuad::TEXT_RIGHT | FontQuad::TEXT_NOCACHE;
constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

ContextManager::ContextManager() {
    pointerLayer = new Context();
    mousePointer = new MousePointer();
    pointerLayer->addChild(mousePointer);
    overlayLayer = new Context();
    transitionOverlay = new TransitionOverlay();
    overlayLayer->addChild(transitionOverlay);
}

ContextManager::~ContextManager() {
    pointerLayer->destroy();
    overlayLayer->destroy();
}

void ContextManager::addContext(Context* c) {
    c->closed = false;
    addChild(c);
}

Context* ContextManager::getTopContext() {
    return static_cast<Context*>(getChildren().getTail());
}

VekBase* ContextManager::findObjectUnderPointer(const Point& point) {
    Context* top = getTopContext();
    return top ? top->findObjectUnderPointer(point) : nullptr;
}

void ContextManager::forgetHover() {
    if (PointerTracker* tracker = GameInput::getPointerTracker()) tracker->setHover(nullptr);
}

// Keys typed ahead (a burst, or keys during one long frame) were meant for the screen they
// were typed at: the new top starts with none, as it never showed before this frame.
void ContextManager::dropTyped() {
    if (VekInput* input = GameInput::getInput()) input->dropTyped();
}

void ContextManager::removeClosedTops() {
    for (Context* last = getTopContext(); last && last->closed; last = getTopContext()) {
        removeChild(last);
        last->onDeactivate(true);
        forgetHover();
        previousTop = nullptr;
        if (last->deleteWhenClosed) last->destroy();
    }
}

void ContextManager::activateNewTop() {
    currentTop = getTopContext();
    if (currentTop == previousTop) return;
    if (previousTop) previousTop->onDeactivate(false);
    forgetHover();
    dropTyped();
    currentTop->onActivate(currentTop->firstActivation);
    currentTop->firstActivation = false;
    transitionOverlay->target = 0.f;
    previousTop = currentTop;
}

void ContextManager::tickContents(double t, double dt) {
    Global::get()->reportFinishedSaves();
    removeClosedTops();
    if (getChildren().isEmpty()) {
        quitRequested = true;
        currentTop = nullptr;
        return;
    }
    activateNewTop();
    if (currentTop->pointerOverride) currentTop->pointerOverride->tick(t, dt);
    pointerLayer->tickContext(t, dt);
    overlayLayer->tickContext(t, dt);
    currentTop->tickContext(t, dt);
    handleEscape();
    handleFireClosing();
    if (confirmAnswer == 0) {
        if (auto* asking = static_cast<Context*>(currentTop->getPrev())) asking->closed = true;
        confirmAnswer = -1;
    }
}

void ContextManager::handleEscape() {
    const VekInput* input = GameInput::getInput();
    if (!input || !currentTop->closeOnEscape || !input->isKeyPressed(KEY_ESCAPE)) return;
    if (!currentTop->confirmClose) {
        currentTop->closed = true;
        return;
    }
    const Language& language = Vek::get()->getLanguage();
    addContext(Global::get()->getScreens().createQuestion(language.getString(STR_CONFIRM), language.getString(STR_YES),
                                                          language.getString(STR_NO), &confirmAnswer));
}

bool ContextManager::isFireDown(const VekInput& input) {
    const GameConfiguration& configuration = Global::get()->configuration;
    for (int player = 0; player < GameConfigurationRecord::PLAYERS; ++player) {
        if (input.isKeyPressed(configuration.keyboardBindings[FIRE_ACTION][player])) return true;
        if (input.isKeyPressed(configuration.joystickBindings[JOYSTICK_FIRE][player])) return true;
    }
    return input.isAnyTouchPressed();
}

void ContextManager::handleFireClosing() {
    const VekInput* input = GameInput::getInput();
    if (input && currentTop->closeOnFire && isFireDown(*input)) currentTop->closed = true;
}

void ContextManager::renderContents() {
    if (getChildren().isEmpty() || !currentTop) return;
    currentTop->renderContext();
    if (currentTop->showPointer && Vek::get()->bWindowActive) {
        if (currentTop->pointerOverride)
            currentTop->pointerOverride->render();
        else
            pointerLayer->renderContext();
    }
    overlayLayer->renderContext();
    if (!currentTop->hideFps && Global::get()->configuration.showFps) drawFrameRate();
}

void ContextManager::drawFrameRate() {
    Vek& engine = *Vek::get();
    const double now = engine.getTimeKeeper().getPhysicalTime() - engine.engineStartTime;
    if (now > nextFpsSample) {
        nextFpsSample = now + FPS_SAMPLE_INTERVAL;
        fpsValue = static_cast<float>(engine.measuredFrameRate);
    }
    VekGraphics* graphics = VekGraphics::get();
    FontQuad* font = Global::get()->fontSmall;
    if (!graphics || !font) return;
    const View previous = graphics->getView();
    graphics->setView(graphics->getScreenView());
    font->drawText(stringf(u"%.1lf", fpsValue), static_cast<float>(graphics->screenWidth / 2 - 2),
                   static_cast<float>(graphics->screenHeight / 2 - 2), 0.f, WHITE, FPS_TEXT_FLAGS);
    graphics->setView(previous);
}
