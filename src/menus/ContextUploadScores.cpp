#include "menus/ContextUploadScores.h"
#include "core/Format.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"
#include "menus/ScoreUploadData.h"

namespace {

constexpr char16_t PAGE[] = u"/zv2/highscoreupload.php";
constexpr char16_t PART_NAME[] = u"HSTfile";

} // namespace

ContextUploadScores::ContextUploadScores()
    : ContextOnlinePage(STR_UPLOADSCORES, {STR_UPLOADTEXT1, STR_UPLOADTEXT2, STR_UPLOADTEXT3}) {
    if (!Vek::get()->bRelease)
        addMessage(stringf(u"Debug: sizeof(ScoreUploadData)=%d, mod8=%d", sizeof(ScoreUploadData),
                           sizeof(ScoreUploadData) % 8));
}

void ContextUploadScores::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    reportUpload(takeOutcome());
    if (!takeClick(*pNext)) return;
    if (!pUploader) startUpload();
    else if (bFinished) closed = true;
}

void ContextUploadScores::startUpload() {
    pNext->disabled = true;
    const ScoreUploadData record = ScoreUploadData::fromConfiguration(Global::get()->configuration);
    addMessage(STR_STARTINGDOTS);
    pUploader = makeUploader(PAGE);
    pUploader->addPart(&record, sizeof record, PART_NAME, GameConfiguration::getFileName());
    pUploader->start();
}
