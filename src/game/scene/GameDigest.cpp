#include "game/scene/GameDigest.h"
#include "core/GameRandom.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/GameGlobal.h"
#include "game/scene/ContextScene.h"

void GameDigest::addBytes(const void* data, std::size_t size) {
    md5Update(context, data, size);
}

void GameDigest::addInt(int64_t value) {
    addBytes(&value, sizeof value);
}

void GameDigest::addNumber(double value) {
    addBytes(&value, sizeof value);
}

void GameDigest::addText(WideStringView text) {
    addInt(static_cast<int64_t>(text.size()));
    addBytes(text.data(), text.size() * sizeof(char16_t));
}

std::string GameDigest::finish() {
    static constexpr char HEX[] = "0123456789abcdef";
    std::string hex;
    for (const uint8_t byte : md5Final(context)) {
        hex += HEX[byte >> 4];
        hex += HEX[byte & 15];
    }
    return hex;
}

std::string GameDigest::ofRunningGame() {
    GameDigest digest;
    digest.addInt(gameRandom.getState());
    if (const Vek* engine = Vek::get()) digest.addInt(engine->renderedFrames);
    if (const GameGlobal* game = GameGlobal::get())
        if (const ContextScene* scene = game->getGameController()) scene->addToDigest(digest);
    return digest.finish();
}

void GameDigest::log(WideStringView moment) {
    VEK_LOG(u"Game digest at %s: %s", moment, fromUtf8(ofRunningGame()));
}
