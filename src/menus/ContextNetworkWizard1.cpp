#include "menus/ContextNetworkWizard1.h"
#include <charconv>
#include <string>
#include "core/Logger.h"
#include "core/Md5.h"
#include "core/MemoryIniFile.h"
#include "core/NetConnection.h"
#include "core/StringUtil.h"
#include "game/Global.h"
#include "media/VekGraphics.h"
#include "menus/ContextHelp.h"
#include "menus/ContextNetworkConfig.h"
#include "menus/MenuButton.h"
#include "menus/MenuCheckBox.h"
#include "menus/MenuLayout.h"

namespace {

constexpr char16_t PAGE[] = u"/zv2/nettest.php";
constexpr char LOG_NAME[] = "ContextNetworkWizard1::tickContents";
constexpr std::size_t PRINTABLE_PREFIX = 4;
constexpr uint8_t FIRST_PRINTABLE = 32;
constexpr uint8_t LAST_PRINTABLE = 127;

uint32_t readU32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// A decimal number of at most `maxDigits` digits and at most `maximum`.
std::optional<uint32_t> parseDecimal(std::string_view text, std::size_t maxDigits, uint32_t maximum) {
    uint32_t value = 0;
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > maximum) return std::nullopt;
    return value;
}

GameConfiguration& configuration() {
    return Global::get()->configuration;
}

} // namespace

ContextNetworkWizard1::ContextNetworkWizard1()
    : ContextOnlinePage(STR_NETWORKWIZARD, {STR_NETTESTINTRO1}), runOnDesktop(!configuration().networkConfigured) {
    addMessage(u" ");
    for (const StringId line : {STR_NETTESTINTRO2, STR_NETTESTINTRO3, STR_NETTESTINTRO4})
        addMessage(line);
    pHelp = addBottomButton(*this, BottomSlot::Middle, STR_HELP);
    pCheckBox = addMenuItem(*this, new MenuCheckBox(bottomSlotX(*this, BottomSlot::End),
                                                    static_cast<float>(itemSpacing - originY), 0.f,
                                                    menuText(STR_RUNTESTONDESKTOP), menuText(STR_RUNTESTONDESKTOPHINT),
                                                    &runOnDesktop));
    pCheckBox->disabled = pCheckBox->hidden = !configuration().fullScreen;
}

ContextNetworkWizard1::~ContextNetworkWizard1() {
    restoreFullScreen(false);
}

bool ContextNetworkWizard1::isPrintableReply(const ByteBuffer& reply) {
    for (std::size_t i = 0; i < std::min<std::size_t>(reply.size(), PRINTABLE_PREFIX); ++i)
        if (reply.data()[i] < FIRST_PRINTABLE || reply.data()[i] > LAST_PRINTABLE) return false;
    return true;
}

std::optional<ByteBuffer> ContextNetworkWizard1::unframeReply(const ByteBuffer& reply) {
    if (reply.size() < FRAME_HEADER) return std::nullopt;
    const uint8_t* bytes = reply.data();
    const uint32_t length = reply.size() - static_cast<uint32_t>(FRAME_HEADER);
    if (readU32(bytes) != FRAME_MAGIC || readU32(bytes + 4) != length) return std::nullopt;
    const Md5Digest digest = md5Digest(bytes + FRAME_HEADER, length);
    if (!md5Equals(digest, std::span<const uint8_t, 16>(bytes + 8, 16))) return std::nullopt;
    return ByteBuffer(bytes + FRAME_HEADER, length);
}

std::optional<NetAddress> ContextNetworkWizard1::parseMasterServer(WideStringView text) {
    const std::string ascii = toUtf8(text);
    const std::size_t colon = ascii.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto port = parseDecimal(std::string_view(ascii).substr(colon + 1), 5, 65535);
    if (!port || *port == 0) return std::nullopt;
    uint32_t address = 0;
    std::string_view rest = std::string_view(ascii).substr(0, colon);
    for (int octet = 0; octet < 4; ++octet) {
        const std::size_t dot = octet < 3 ? rest.find('.') : rest.size();
        if (dot == std::string_view::npos) return std::nullopt;
        const auto value = parseDecimal(rest.substr(0, dot), 3, 255);
        if (!value) return std::nullopt;
        address = address << 8 | *value;
        rest = rest.substr(std::min(dot + 1, rest.size()));
    }
    return NetAddress(address, static_cast<uint16_t>(*port));
}

ContextNetworkWizard1::TestReply ContextNetworkWizard1::readTestReply(const ByteBuffer& reply) {
    TestReply result;
    if (reply.size() >= 4 && readU32(reply.data()) == FRAME_MAGIC) {
        const std::optional<ByteBuffer> payload = unframeReply(reply);
        if (!payload) {
            result.problem = u"Could not decode reply!";
            return result;
        }
        const MemoryIniFile settings(payload->toWideString());
        if (settings.hasKey(u"", u"masterServer"))
            result.masterServer = parseMasterServer(settings.getString(u"", u"masterServer"));
        if (settings.hasKey(u"", u"message"))
            result.text = shownText(settings.getString(u"", u"message"));
    } else if (isPrintableReply(reply)) {
        result.text = replyText(reply);
    } else {
        result.problem = u"Received unprintable reply!";
        return result;
    }
    result.bReadable = true;
    return result;
}

void ContextNetworkWizard1::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (closed) { // left by CANCEL
        restoreFullScreen(true);
        return;
    }
    reportTest(takeOutcome());
    if (takeClick(*pHelp)) openMenuScreen(new ContextHelp());
    if (!takeClick(*pNext)) return;
    if (pUploader) {
        closed = true;
        restoreFullScreen(true);
        openMenuScreen(new ContextNetworkConfig());
    } else {
        pCheckBox->disabled = pCheckBox->hidden = true;
        // Only a good reply names the master server again; whatever else comes leaves none.
        configuration().masterServer = NetAddress(0, 0);
        if (!runOnDesktop || !configuration().fullScreen || bSwitchedToWindow)
            startTest();
        else
            switchToWindow();
    }
}

void ContextNetworkWizard1::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    if (removed) restoreFullScreen(true); // left by Escape
}

void ContextNetworkWizard1::startTest() {
    pNext->disabled = true;
    addMessage(STR_STARTINGDOTS);
    // The local game port is opened for the test's duration, as a firewall would see a game.
    const NetConnection connection{NetAddress()};
    pUploader = makeUploader(PAGE);
    pUploader->start();
}

void ContextNetworkWizard1::reportTest(int outcome) {
    if (outcome != HttpUploader::FAILED && outcome != HttpUploader::DONE) return;
    pNext->disabled = false;
    const TestReply reply = outcome == HttpUploader::DONE ? readTestReply(pUploader->reply()) : TestReply{};
    if (!reply.bReadable) {
        if (outcome == HttpUploader::DONE) logMessage(LOG_NAME, reply.problem);
        addFailureLines(STR_NETTESTFAIL1);
        return;
    }
    addMessage(STR_NETTESTSUCCESS);
    if (reply.masterServer) configuration().masterServer = *reply.masterServer;
    if (reply.text) addReplyText(*reply.text);
    addMessage(STR_DONEDOT);
}

void ContextNetworkWizard1::switchToWindow() {
    // The configuration keeps the choice, so a save on any way out keeps full screen.
    if (VekGraphics* graphics = VekGraphics::get()) graphics->setTemporaryWindow(true);
    bSwitchedToWindow = true;
    Global::get()->applyConfiguration(-1, -1);
}

void ContextNetworkWizard1::restoreFullScreen(bool bApply) {
    if (!bSwitchedToWindow) return;
    bSwitchedToWindow = false;
    if (VekGraphics* graphics = VekGraphics::get()) graphics->setTemporaryWindow(false);
    if (bApply) Global::get()->applyConfiguration(-1, -1);
}
