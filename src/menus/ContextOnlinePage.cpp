#include "menus/ContextOnlinePage.h"
#include "core/ByteBuffer.h"
#include "core/Language.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "core/WebHost.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "menus/Label.h"
#include "menus/MenuBackButton.h"
#include "menus/MessageViewer.h"

namespace {

constexpr int BUTTON_WIDTH = 160;
constexpr float CORNER_INSET = 80.f;  // corner buttons stand this far in from the layout's half-width
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr char16_t BYTE_ORDER_MARK = 0xFEFF;
constexpr char16_t REPLACEMENT_CHARACTER = 0xFFFD;

bool isShowable(char16_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c != 0x7F && c != REPLACEMENT_CHARACTER);
}

} // namespace

ContextOnlinePage::ContextOnlinePage(StringId title, std::initializer_list<StringId> introLines) {
    deleteWhenClosed = true;
    pPreObject = Global::get()->menuBackground;
    pPostObject = Global::get()->snowfall;
    const auto x0 = static_cast<float>(originX);
    const auto y0 = static_cast<float>(originY);
    auto* label = new Label(0.f, y0, 0.f, text(title), Global::get()->fontLarge, WHITE);
    label->textFlags |= FontQuad::TEXT_MIDDLE;
    addChild(label);
    pViewer = new MessageViewer();
    pViewer->position = {0.f, -pViewer->lineStep * static_cast<float>(pViewer->maxLines) / 2.f, 0.f};
    addChild(pViewer);
    for (const StringId line : introLines)
        addMessage(line);
    pCancel = new MenuBackButton(CORNER_INSET - x0, -y0, 0.f, text(STR_CANCEL), {});
    pCancel->setWidth(BUTTON_WIDTH);
    addMenuChild(pCancel);
    pNext = new MenuButton(x0 - CORNER_INSET, -y0, 0.f, text(STR_NEXT), {});
    pNext->setWidth(BUTTON_WIDTH);
    addMenuChild(pNext);
}

// The uploader's destructor stops a request that still runs before its worker lets go of it.
ContextOnlinePage::~ContextOnlinePage() = default;

bool ContextOnlinePage::isTextReply(const ByteBuffer& reply) {
    const WideString decoded = reply.toWideString();
    for (std::size_t i = 0; i < decoded.size(); ++i)
        if (!isShowable(decoded[i]) && !(i == 0 && decoded[i] == BYTE_ORDER_MARK)) return false;
    return true;
}

WideString ContextOnlinePage::text(StringId id) {
    return Vek::get()->getLanguage().getString(id);
}

void ContextOnlinePage::addMessage(WideStringView message) {
    pViewer->addMessage(message);
}

void ContextOnlinePage::addReplyLines(const ByteBuffer& reply) {
    for (const WideString& line : splitLines(reply.toWideString()))
        addMessage(line);
}

std::unique_ptr<HttpUploader> ContextOnlinePage::makeUploader(WideStringView path) {
    auto uploader = std::make_unique<HttpUploader>(webHost(), path);
    uploader->addStandardFields();
    return uploader;
}

int ContextOnlinePage::takeOutcome() {
    if (!pUploader) return HttpUploader::IDLE;
    const int outcome = pUploader->state.load(std::memory_order_acquire);
    if (outcome == HttpUploader::FAILED || outcome == HttpUploader::DONE) pUploader->state = HttpUploader::IDLE;
    return outcome;
}

bool ContextOnlinePage::reportUpload(int outcome) {
    if (outcome != HttpUploader::FAILED && outcome != HttpUploader::DONE) return false;
    const bool bText = outcome == HttpUploader::DONE && isTextReply(pUploader->reply());
    if (!bText) {
        addMessage(outcome == HttpUploader::FAILED ? pUploader->errorText()
                                                   : WideString(u"The server's answer is not text."));
        addMessage(STR_CHECKCONNECTION);
        addMessage(STR_FAILED);
        return false;
    }
    addMessage(STR_CONNECTED);
    addReplyLines(pUploader->reply());
    addMessage(STR_DONEDOT);
    pNext->caption = text(STR_FINISH);
    pNext->disabled = false;
    bFinished = true;
    return true;
}
