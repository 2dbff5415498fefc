#include "menus/ContextCrashReport.h"
#include <algorithm>
#include <filesystem>
#include "core/AppEnvironment.h"
#include "core/Format.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/FormatThousands.h"
#include "game/Global.h"
#include "menus/ContextNetworkWizard1.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuLayout.h"
#include "platform/FileIo.h"

namespace {

constexpr char16_t PAGE[] = u"/zv2/crashreport.php";

struct CrashFile {
    WideString (*path)();
    const char16_t* partName;
};
// In the order they are sent.
constexpr CrashFile CRASH_FILES[] = {{getCrashLogPath, u"crashLog"},
                                     {getCrashMiniDumpPath, u"crashMiniDump"},
                                     {getCrashScreenshotPath, u"crashScreenshot"},
                                     {getCrashNetTrafficPath, u"crashNetTraffic"}};
// In the order they are deleted.
constexpr WideString (*DELETION_ORDER[])() = {getCrashLogPath, getCrashScreenshotPath, getCrashNetTrafficPath,
                                              getCrashMiniDumpPath};

} // namespace

ContextCrashReport::ContextCrashReport()
    : ContextOnlinePage(STR_ERRORREPORTTITLE, {STR_ERRORREPORTINTRO1, STR_ERRORREPORTINTRO2, STR_ERRORREPORTINTRO3}) {
    closeOnEscape = false;
    if (isNetworkConfigured()) return;
    addMessage(u" ");
    addMessage(STR_ERRORREPORTWIZARD1);
    addMessage(STR_ERRORREPORTWIZARD2);
    pWizard = addMenuItem(
        *this, new MenuButton(0.f, -static_cast<float>(originY), 0.f, menuText(STR_NETWORKWIZARDDOTS), u""));
}

bool ContextCrashReport::isNetworkConfigured() const {
    return Global::get()->configuration.networkConfigured;
}

void ContextCrashReport::onActivate(bool first) {
    ContextMenu::onActivate(first);
    const bool bConfigured = isNetworkConfigured();
    pNext->disabled = !bConfigured || (pUploader && !bFinished);
    if (pWizard) pWizard->disabled = bConfigured;
}

void ContextCrashReport::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    if (removed && pCancel->clicked && isNetworkConfigured()) deleteCrashFiles();
}

void ContextCrashReport::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (reportUpload(takeOutcome())) deleteCrashFiles();
    if (pWizard && takeClick(*pWizard)) openMenuScreen(new ContextNetworkWizard1());
    if (takeClick(*pNext)) {
        if (!pUploader) startUpload();
        else if (bFinished) closed = true;
    }
}

void ContextCrashReport::startUpload() {
    pNext->disabled = true;
    pUploader = makeUploader(PAGE);
    uint64_t total = 0;
    for (const CrashFile& file : CRASH_FILES) {
        const WideString path = file.path();
        const std::optional<std::vector<uint8_t>> bytes = readTail(toFileName(path), MAXFILEBYTES);
        if (!bytes) continue;
        pUploader->addPart(bytes->data(), bytes->size(), file.partName, fileNamePart(path));
        total += bytes->size();
        if (!Vek::get()->bRelease) addMessage(stringf(u"DEBUG: Adding %s", file.partName));
    }
    const WideString amount = formatThousands(static_cast<int>(total), Vek::get()->getLanguage());
    addMessage(stringf(menuText(STR_ERRORREPORTUPLOADING), amount));
    addMessage(STR_ERRORREPORTPLEASEWAIT);
    pUploader->start();
}

void ContextCrashReport::deleteCrashFiles() {
    for (const auto path : DELETION_ORDER) {
        std::error_code ignored;
        std::filesystem::remove(toFileName(path()), ignored);
    }
}

std::optional<std::vector<uint8_t>> ContextCrashReport::readTail(const std::string& path, uint64_t limit) {
    std::string error;
    const auto file = platform::ReadOnlyFile::openInPlace(path, error);
    if (!file) return std::nullopt;
    const uint64_t length = std::min(file->size(), limit);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(length));
    if (!file->readAt(file->size() - length, bytes)) return std::nullopt;
    return bytes;
}
