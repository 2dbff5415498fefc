#include "menus/ContextOnlinePage.h"
#include "core/ByteBuffer.h"
#include "core/Format.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/WebHost.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuLayout.h"
#include "menus/MessageViewer.h"

namespace {

constexpr char16_t REPLACEMENT_CHARACTER = 0xFFFD;

// C0 and C1 controls and DEL.
bool isControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

char16_t shownUnit(char16_t unit) {
    if (!isControl(unit)) return unit;
    return unit == u'\t' ? u' ' : REPLACEMENT_CHARACTER;
}

// A line feed, or the carriage return before one: where `splitLines` ends a line.
bool isLineBreak(WideStringView text, std::size_t at) {
    return text[at] == u'\n' || (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n');
}

} // namespace

ContextOnlinePage::ContextOnlinePage(StringId title, std::initializer_list<StringId> introLines) {
    setUpMenuScreen(*this);
    addMenuTitle(*this, menuText(title));
    pViewer = new MessageViewer();
    pViewer->position = {0.f, -pViewer->lineStep * static_cast<float>(pViewer->maxLines) / 2.f, 0.f};
    addChild(pViewer);
    for (const StringId line : introLines)
        addMessage(line);
    pCancel = addBackButton(*this, STR_CANCEL);
    pNext = addBottomButton(*this, BottomSlot::End, STR_NEXT);
}

// The uploader's destructor stops a request that still runs before its worker lets go of it.
ContextOnlinePage::~ContextOnlinePage() = default;

WideString ContextOnlinePage::replyText(const ByteBuffer& reply) {
    WideString text = reply.toWideString();
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!isLineBreak(text, i)) text[i] = shownUnit(text[i]);
    return text;
}

WideString ContextOnlinePage::shownText(WideStringView text) {
    WideString shown(text);
    for (char16_t& unit : shown)
        unit = shownUnit(unit);
    return shown;
}

void ContextOnlinePage::addMessage(StringId id) {
    addMessage(menuText(id));
}

void ContextOnlinePage::addMessage(WideStringView message) {
    pViewer->addMessage(message);
}

void ContextOnlinePage::addReplyText(WideStringView text) {
    pViewer->addPlainText(text);
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
    if (outcome == HttpUploader::FAILED) VEK_LOG(u"The request failed: %s", pUploader->errorText());
    return outcome;
}

void ContextOnlinePage::addFailureLines(StringId closing) {
    if (const long status = pUploader->failureStatus()) addMessage(stringf(menuText(STR_FAILEDWITHCODE), status));
    addMessage(STR_CHECKCONNECTION);
    addMessage(closing);
}

bool ContextOnlinePage::reportUpload(int outcome) {
    if (outcome == HttpUploader::FAILED) addFailureLines(STR_FAILED);
    if (outcome != HttpUploader::DONE) return false;
    addMessage(STR_CONNECTED);
    addReplyText(replyText(pUploader->reply()));
    addMessage(STR_DONEDOT);
    pNext->caption = menuText(STR_FINISH);
    pNext->disabled = false;
    bFinished = true;
    return true;
}
