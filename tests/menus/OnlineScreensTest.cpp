#include <gtest/gtest.h>
#include <chrono>
#include <cstring>
#include "FileTestSupport.h"
#include "MenuTestSupport.h"
#include "WebHost.h"
#include "core/Language.h"
#include "core/StaticSettings.h"
#include "game/ContextManager.h"
#include "media/VekGraphics.h"
#include "menus/ContextCrashReport.h"
#include "menus/ContextHelp.h"
#include "menus/ContextHighscoreOptions.h"
#include "menus/ContextNetworkConfig.h"
#include "menus/ContextNetworkWizard1.h"
#include "menus/ContextUploadScores.h"
#include "menus/CountryList.h"
#include "menus/GameMenuScreens.h"
#include "menus/MenuButton.h"
#include "menus/MessageViewer.h"
#include "menus/ScoreUploadData.h"

using namespace std::chrono_literals;
using webhost::WebHost;
using Answer = WebHost::NetTestAnswer;

namespace {

/// A game root with a context stack whose web host is a live WebHost on the loopback address.
struct OnlineRig {
    MenuFixture f{std::make_unique<GameMenuScreens>()};
    WebHost host{f.engine.home.path() / "host"};
    webhost::HttpServer server{[this](const webhost::Request& r) { return host.handle(r); }, 0, 60s};
    ContextManager* stack = nullptr;
    GameConfiguration& configuration = f.game->configuration;

    OnlineRig() {
        f.addTexture(u"gui-game-editbox", 2);
        f.addTexture(u"gui-game-button", 3);
        f.addTexture(u"mousePointer", 1);
        f.game->contextManager = stack = new ContextManager();
        useHost(server.host());
    }
    static void useHost(const std::string& address) {
        Vek::get()->getStaticSettings().webHost = fromUtf8("http://" + address);
    }
    template <class Screen> Screen* open() {
        auto* screen = new Screen();
        stack->addContext(screen);
        tick();
        return screen;
    }
    void tick() { stack->tickContext(1.0, 1.0 / 30.0); }
    /// The screens go as the program's end takes them: with their stack, without being closed.
    void quit() {
        stack->destroy();
        f.game->contextManager = stack = new ContextManager();
    }
    /// Clicks the top screen's button with this caption and runs one frame.
    void click(StringId caption) {
        MenuButton* button = find<MenuButton>([caption](MenuButton* b) { return b->caption == text(caption); });
        ASSERT_NE(button, nullptr) << toUtf8(text(caption));
        button->activate();
        tick();
    }
    /// Frames until the top screen's log ends in one of `endings` (10 s at most).
    bool runUntil(std::initializer_list<StringId> endings) {
        for (auto until = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < until;) {
            tick();
            for (const StringId ending : endings)
                if (!lines().empty() && lines().back() == toUtf8(text(ending))) return true;
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        if (auto* viewer = find<MessageViewer>([](MessageViewer*) { return true; }))
            for (const WideString& line : viewer->getLines())
                out.push_back(toUtf8(line));
        return out;
    }
    bool shows(const std::string& line) {
        const auto all = lines();
        return std::find(all.begin(), all.end(), line) != all.end();
    }
    template <class T, class Test> T* find(Test test) {
        for (VekBase* child = stack->getTopContext()->getChildren().getHead(); child; child = child->getNext())
            if (auto* typed = dynamic_cast<T*>(child); typed && test(typed)) return typed;
        return nullptr;
    }
    static WideString text(StringId id) { return Vek::get()->getLanguage().getString(id); }
};

NetAddress addressOf(const char* text) {
    return *ContextNetworkWizard1::parseMasterServer(fromUtf8(text));
}

std::filesystem::path crashPath(const WideString& path) {
    return toUtf8(path);
}

constexpr WideString (*CRASH_FILES[])() = {getCrashLogPath, getCrashMiniDumpPath, getCrashScreenshotPath,
                                           getCrashNetTrafficPath};

} // namespace

TEST(NetworkWizard, ReadsEveryKindOfTestReplyAndClearsTheMasterServerUnlessAFrameNamesAValidOne) {
    using Form = Answer::Form;
    using Damage = WebHost::FrameDamage;
    struct Case {
        const char* name;
        Answer answer;
        WebHost::Fault fault;
        bool bSuccess;
        const char* shown;      // a line the player sees, or ""
        const char* server;     // the master server afterwards (it was 9.9.9.9:99 before)
        const char* logged;     // a log line, or ""
    };
    const Case cases[] = {
        {"framed", WebHost::framedAnswer("10.1.2.3:4000", "Hi"), WebHost::Fault::None, true, "Hi", "10.1.2.3:4000", ""},
        {"empty frame", {Form::Framed, ""}, WebHost::Fault::None, true, "", "0.0.0.0:0", ""},
        {"bad magic", {Form::Framed, "message=x", false, Damage::Magic}, WebHost::Fault::None, false, "", "0.0.0.0:0",
         "Received unprintable reply!"},
        {"length", {Form::Framed, "message=x", false, Damage::Length}, WebHost::Fault::None, false, "", "0.0.0.0:0",
         "Could not decode reply!"},
        {"digest", {Form::Framed, "message=x", false, Damage::Digest}, WebHost::Fault::None, false, "", "0.0.0.0:0",
         "Could not decode reply!"},
        {"short", {Form::Framed, "message=x", false, Damage::Short}, WebHost::Fault::None, false, "", "0.0.0.0:0",
         "Could not decode reply!"},
        {"bad octet", WebHost::framedAnswer("10.256.2.3:80", "m"), WebHost::Fault::None, true, "m", "0.0.0.0:0", ""},
        {"bad port", WebHost::framedAnswer("10.1.2.3:65536", "m"), WebHost::Fault::None, true, "m", "0.0.0.0:0", ""},
        {"port 0", WebHost::framedAnswer("10.1.2.3:0", "m"), WebHost::Fault::None, true, "m", "0.0.0.0:0", ""},
        {"host name", WebHost::framedAnswer("localhost:80", "m"), WebHost::Fault::None, true, "m", "0.0.0.0:0", ""},
        {"utf-16", {Form::Framed, "masterServer=1.2.3.4:5\nmessage=Gr\xC3\xBC\xC3\x9F" "e", true}, WebHost::Fault::None,
         true, "Gr\xC3\xBC\xC3\x9F" "e", "1.2.3.4:5", ""},
        {"plain text", {Form::PlainText, "OK"}, WebHost::Fault::None, true, "OK", "0.0.0.0:0", ""},
        {"a control later", {Form::PlainText, "OKAY\x01\xFF"}, WebHost::Fault::None, true, "OKAY\xEF\xBF\xBD\xEF\xBF\xBD",
         "0.0.0.0:0", ""},
        {"a control in the message", WebHost::framedAnswer("1.2.3.4:5", "a\x02"), WebHost::Fault::None, true,
         "a\xEF\xBF\xBD", "1.2.3.4:5", ""},
        {"empty", {Form::PlainText, ""}, WebHost::Fault::None, true, "", "0.0.0.0:0", ""},
        {"colour codes", WebHost::framedAnswer("1.2.3.4:5", "^FF0000RED|x"), WebHost::Fault::None, true,
         "^FF0000RED|x", "1.2.3.4:5", ""},
        {"binary", {Form::Binary, "x"}, WebHost::Fault::None, false, "", "0.0.0.0:0", "Received unprintable reply!"},
        {"500", {}, WebHost::Fault::ServerError, false, "Failed with status code: 500", "0.0.0.0:0", ""},
        {"garbage", {}, WebHost::Fault::Garbage, false, "", "0.0.0.0:0", ""},
        {"reset", {}, WebHost::Fault::Reset, false, "", "0.0.0.0:0", ""},
    };
    OnlineRig rig;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.host.setNetTestAnswer(c.answer);
        rig.host.setFault(c.fault);
        rig.configuration.masterServer = addressOf("9.9.9.9:99");
        rig.configuration.fullScreen = false;
        rig.open<ContextNetworkWizard1>();
        rig.click(STR_NEXT);
        ASSERT_TRUE(rig.runUntil({STR_DONEDOT, STR_NETTESTFAIL1}));
        EXPECT_EQ(rig.shows(toUtf8(OnlineRig::text(STR_NETTESTSUCCESS))), c.bSuccess);
        EXPECT_TRUE(!*c.shown || rig.shows(c.shown));
        EXPECT_EQ(toUtf8(rig.configuration.masterServer.toString()), c.server);
        EXPECT_TRUE(!*c.logged || rig.f.engine.log().find(std::string("tickContents(): ") + c.logged) != std::string::npos);
        rig.click(STR_NEXT); // on to the country whatever the outcome
        EXPECT_NE(dynamic_cast<ContextNetworkConfig*>(rig.stack->getTopContext()), nullptr);
        rig.click(STR_NEXT);
        EXPECT_TRUE(rig.configuration.networkConfigured);
    }
}

TEST(NetworkWizard, RunsAFullScreenTestInAWindowAndReturnsToFullScreenOnceWhenLeft) {
    OnlineRig rig;
    VekGraphics& graphics = *rig.f.engine.graphics.graphics;
    graphics.changePresentationParameters(-1, -1, true, true, true, false);
    rig.host.setFault(WebHost::Fault::Slow);
    rig.configuration.fullScreen = true;
    rig.configuration.masterServer = addressOf("9.9.9.9:99");
    auto* wizard = rig.open<ContextNetworkWizard1>();
    rig.click(STR_NEXT);
    EXPECT_FALSE(graphics.getSettings().bFullScreen); // the first NEXT only leaves full screen
    EXPECT_EQ(rig.configuration.masterServer.toString(), u"0.0.0.0:0"); // and forgets the old server
    EXPECT_FALSE(rig.server.waitForRequest(50ms));
    rig.click(STR_NEXT);
    ASSERT_TRUE(rig.server.waitForRequest(5s));
    const auto start = std::chrono::steady_clock::now();
    rig.click(STR_CANCEL); // while the slow reply is awaited
    EXPECT_TRUE(rig.configuration.fullScreen);
    rig.configuration.fullScreen = false; // a later change is not undone when the wizard goes
    rig.tick();
    EXPECT_NE(rig.stack->getTopContext(), wizard);
    EXPECT_FALSE(rig.configuration.fullScreen);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s); // the request was stopped, not awaited
}

TEST(NetworkWizard, TheTestWindowIsNeverThePlayersChoiceHoweverTheWizardGoes) {
    enum class Way { Cancel, Escape, Next, ProgramEnd };
    const std::pair<const char*, Way> cases[] = {
        {"CANCEL", Way::Cancel}, {"Escape", Way::Escape}, {"NEXT", Way::Next}, {"the program's end", Way::ProgramEnd}};
    for (const auto& [name, way] : cases) {
        SCOPED_TRACE(name);
        OnlineRig rig;
        VekGraphics& graphics = *rig.f.engine.graphics.graphics;
        const auto settle = [&] { // as the engine does between frames
            if (graphics.needsRestart()) graphics.restartDevice();
        };
        graphics.changePresentationParameters(-1, -1, true, true, true, false);
        settle();
        rig.configuration.fullScreen = true;
        auto* wizard = rig.open<ContextNetworkWizard1>();
        rig.click(STR_NEXT);
        settle();
        EXPECT_FALSE(graphics.bFullScreen); // the test runs in a window
        EXPECT_TRUE(graphics.isFullScreenChosen());
        EXPECT_TRUE(rig.configuration.fullScreen); // what a save now keeps
        rig.click(STR_NEXT);
        ASSERT_TRUE(rig.runUntil({STR_DONEDOT, STR_NETTESTFAIL1}));
        EXPECT_FALSE(graphics.bFullScreen);
        if (way == Way::Cancel) rig.click(STR_CANCEL);
        if (way == Way::Escape) wizard->closed = true;
        if (way == Way::Next) rig.click(STR_NEXT);
        if (way == Way::ProgramEnd) rig.quit();
        rig.tick();
        settle();
        EXPECT_TRUE(graphics.bFullScreen);
        EXPECT_TRUE(graphics.isFullScreenChosen());
        EXPECT_TRUE(rig.configuration.fullScreen);
    }
}

TEST(NetworkWizard, OffersTheHelpAndKeepsBothCountryArrowsOnTheScreen) {
    OnlineRig rig;
    rig.open<ContextNetworkWizard1>();
    rig.click(STR_HELP);
    EXPECT_NE(dynamic_cast<ContextHelp*>(rig.stack->getTopContext()), nullptr);
    rig.open<ContextNetworkConfig>();
    auto* list = rig.find<CountryList>([](CountryList*) { return true; });
    ASSERT_NE(list, nullptr);
    for (const int arrow : {0, 1}) {
        const float x = list->getFocusPoint(arrow).x;
        EXPECT_TRUE(x >= 0.f && x < 640.f) << arrow << " at " << x;
    }
}

TEST(CrashReport, SendsTheFilesByBaseNameAndDeletesThemOnlyWhenDeliveredOrDeclined) {
    struct Case {
        const char* name;
        WebHost::Fault fault;
        bool bConfigured;
        StringId leaveBy; // STR_FINISH: upload and finish; STR_CANCEL: cancel; 0: quit the game
        bool bKept;
    };
    const Case cases[] = {
        {"delivered", WebHost::Fault::None, true, STR_FINISH, false},
        {"server error", WebHost::Fault::ServerError, true, 0, true},
        {"garbage", WebHost::Fault::Garbage, true, 0, true},
        {"cut inside the header block", WebHost::Fault::CutHead, true, 0, true},
        {"declined", WebHost::Fault::None, true, STR_CANCEL, false},
        {"declined before the wizard", WebHost::Fault::None, false, STR_CANCEL, true},
        {"slow, then the game quits", WebHost::Fault::Slow, true, 0, true},
    };
    OnlineRig rig;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.host.setFault(c.fault);
        rig.configuration.networkConfigured = c.bConfigured;
        writeText(crashPath(getCrashLogPath()), std::string(ContextCrashReport::MAXFILEBYTES, 'o') + "tail");
        writeText(crashPath(getCrashMiniDumpPath()), "dump");
        rig.open<ContextCrashReport>();
        if (c.bConfigured && c.leaveBy != STR_CANCEL) {
            rig.click(STR_NEXT);
            EXPECT_TRUE(c.fault == WebHost::Fault::Slow || rig.runUntil({STR_DONEDOT, STR_FAILED}));
            EXPECT_TRUE(rig.shows("Uploading error data (2,097,156 bytes)."));
        }
        if (c.leaveBy) rig.click(c.leaveBy);
        if (!c.leaveBy) rig.quit();
        EXPECT_EQ(std::filesystem::exists(crashPath(getCrashLogPath())), c.bKept);
        EXPECT_EQ(std::filesystem::exists(crashPath(getCrashMiniDumpPath())), c.bKept);
        if (c.leaveBy == STR_FINISH) {
            const auto report = rig.f.engine.home.path() / "host" / "crash-1";
            EXPECT_EQ(readText(report / "crash.ZV2rmBrumedemo.log"), std::string(ContextCrashReport::MAXFILEBYTES - 4, 'o') + "tail");
            EXPECT_EQ(readText(report / "crash.ZV2rmBrumedemo.mdmp"), "dump");
        }
    }
}

TEST(CrashReport, SendsOnlyFilesStandingAtTheCrashFilesNamesAndDeletesLinksAsLinks) {
    // Which crash file is the real one; links stand at the other three names.
    struct Case {
        const char* name;
        WideString (*realFile)();
        const char* received;
        bool bLinksToNothing;
    };
    const Case cases[] = {
        {"a minidump among links to a file in the home folder", getCrashMiniDumpPath,
         "crash.ZV2rmBrumedemo.mdmp", false},
        {"a log among links to nothing", getCrashLogPath, "crash.ZV2rmBrumedemo.log", true},
    };
    OnlineRig rig;
    rig.configuration.networkConfigured = true;
    const std::filesystem::path home = rig.f.engine.home.path(), secret = home / "secret.txt";
    writeText(secret, "private");
    int report = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto path : CRASH_FILES) {
            if (path == c.realFile)
                writeText(crashPath(path()), "real");
            else
                std::filesystem::create_symlink(c.bLinksToNothing ? home / "missing" : secret,
                                                crashPath(path()));
        }
        rig.open<ContextCrashReport>();
        rig.click(STR_NEXT);
        ASSERT_TRUE(rig.runUntil({STR_DONEDOT, STR_FAILED}));
        EXPECT_TRUE(rig.shows("Uploading error data (4 bytes)."));
        const auto received = rig.f.engine.home.path() / "host" / ("crash-" + std::to_string(++report));
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(received))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{c.received});
        rig.click(STR_FINISH);
        for (const auto path : CRASH_FILES)
            EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(crashPath(path()))));
        EXPECT_EQ(readText(secret), "private");
        EXPECT_FALSE(std::filesystem::exists(home / "missing"));
    }
}

TEST(ScoreUpload, SendsTheSignedRecordByteForByte) {
    OnlineRig rig;
    rig.configuration.addHighScore(123456, 7, 3, true, u"Zoë");
    std::memcpy(rig.configuration.countryCode, "DE", 2);
    const ScoreUploadData record = ScoreUploadData::fromConfiguration(rig.configuration);
    std::string bytes(reinterpret_cast<const char*>(&record), sizeof record);
    EXPECT_EQ(bytes.substr(16, 3048), std::string(reinterpret_cast<const char*>(&rig.configuration), 3048));
    EXPECT_EQ(bytes.substr(3064), std::string(8, '\0'));
    EXPECT_TRUE(WebHost::isScoreRecordSigned(bytes));
    bytes[200] ^= 1;
    EXPECT_FALSE(WebHost::isScoreRecordSigned(bytes));

    rig.configuration.networkConfigured = true;
    rig.open<ContextHighscoreOptions>();
    rig.click(STR_UPLOADSCORES);
    rig.click(STR_NEXT);
    ASSERT_TRUE(rig.runUntil({STR_DONEDOT, STR_FAILED}));
    EXPECT_TRUE(rig.shows("Received 10 scores; the best is 123456."));
    const auto stored = readBytes(rig.f.engine.home.path() / "host" / "scores-1.hst");
    EXPECT_EQ(std::string(stored.begin(), stored.end()), std::string(reinterpret_cast<const char*>(&record), sizeof record));
    rig.click(STR_FINISH);
    rig.tick();
    EXPECT_NE(dynamic_cast<ContextHighscoreOptions*>(rig.stack->getTopContext()), nullptr);
}

TEST(OnlineScreens, CountEveryReplyWithStatus200AsDeliveredAndShowWhatIsNoTextAsReplacementCharacters) {
    enum class Screen { CrashReport, ScoreUpload };
    struct Case {
        const char* name;
        Screen screen;
        std::string body;
        const char* shown; // the reply's first line as the player sees it
    };
    const Case cases[] = {
        {"latin-1", Screen::ScoreUpload, "Merci ! 10 scores re\xE7us.", "Merci ! 10 scores re\uFFFDus."},
        {"latin-1", Screen::CrashReport, "Re\xE7u.\r\nMerci", "Re\uFFFDu."},
        {"a NUL byte", Screen::CrashReport, std::string("Thanks\0!", 8), "Thanks\uFFFD!"},
        {"binary", Screen::ScoreUpload, std::string("\0\x01\x02", 3), "\uFFFD\uFFFD\uFFFD"},
        {"utf-16 mark, a lone half", Screen::ScoreUpload, std::string("\xFF\xFEO\0K\0\x3D\xD8", 8), "OK\uFFFD"},
        {"utf-8 mark, a tab", Screen::CrashReport, "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\tdir", "Gr\u00FC\u00DFe dir"},
        {"empty", Screen::CrashReport, "", ""},
        {"colour codes and a bar", Screen::ScoreUpload, "^FF0000RED^00FF00GREEN|x", "^FF0000RED^00FF00GREEN|x"},
    };
    OnlineRig rig;
    rig.configuration.networkConfigured = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.host.setUploadAnswer(c.body);
        writeText(crashPath(getCrashLogPath()), "log");
        Context* screen = c.screen == Screen::CrashReport ? static_cast<Context*>(rig.open<ContextCrashReport>())
                                                          : rig.open<ContextUploadScores>();
        rig.click(STR_NEXT);
        ASSERT_TRUE(rig.runUntil({STR_DONEDOT, STR_FAILED}));
        const std::vector<std::string> lines = rig.lines();
        const auto connected = std::find(lines.begin(), lines.end(), toUtf8(OnlineRig::text(STR_CONNECTED)));
        ASSERT_TRUE(connected != lines.end() && connected + 1 != lines.end());
        EXPECT_EQ(connected[1], c.shown);
        EXPECT_EQ(lines.back(), toUtf8(OnlineRig::text(STR_DONEDOT)));
        // The crash files are gone once delivered, so they are not sent again.
        EXPECT_EQ(std::filesystem::exists(crashPath(getCrashLogPath())), c.screen != Screen::CrashReport);
        auto* finish = rig.find<MenuButton>([](MenuButton* b) { return b->caption == OnlineRig::text(STR_FINISH); });
        ASSERT_NE(finish, nullptr);
        EXPECT_FALSE(finish->disabled);
        rig.click(STR_FINISH);
        rig.tick();
        EXPECT_NE(rig.stack->getTopContext(), screen);
    }
}

TEST(OnlineScreens, ShowTheEndOfAHugeReplyAndLogOnlyItsFirstLinesAndTheirCount) {
    const std::string megabyte(1 << 20, '\n');
    struct Case {
        const char* name;
        std::string body;
        std::string lastShown; // the reply's last line on the screen
        std::string logged;    // a log line it leaves
    };
    const Case cases[] = {
        {"line feeds", megabyte, "", "(1048556 more lines, not logged)"},
        {"words around line feeds", "first\n" + megabyte.substr(16) + "last", "last", "> first"},
        {"one unbroken line", std::string(1 << 20, 'W'), std::string(10, 'W'), "> " + std::string(200, 'W') + "\u2026"},
    };
    OnlineRig rig;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.host.setUploadAnswer(c.body);
        const std::size_t logBefore = rig.f.engine.log().size();
        rig.open<ContextUploadScores>();
        rig.click(STR_NEXT);
        ASSERT_TRUE(rig.runUntil({STR_DONEDOT, STR_FAILED}));
        const std::vector<std::string> lines = rig.lines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_TRUE(lines.end()[-2].ends_with(c.lastShown)) << lines.end()[-2];
        const std::string log = rig.f.engine.log().substr(logBefore);
        EXPECT_LT(log.size(), 16u << 10);
        EXPECT_NE(log.find(c.logged + "\n"), std::string::npos);
        rig.click(STR_FINISH);
    }
}

TEST(OnlineScreens, TellEveryFailureInThePlayersLanguageAndLeaveTheLibrarysWordsToTheLog) {
    enum class Screen { Wizard, CrashReport, ScoreUpload };
    struct Case {
        const char* name;
        Screen screen;
        WebHost::Fault fault;
        long status; // the HTTP status the player is told, 0 for none
    };
    const Case cases[] = {
        {"wizard, 500", Screen::Wizard, WebHost::Fault::ServerError, 500},
        {"wizard, garbage", Screen::Wizard, WebHost::Fault::Garbage, 0},
        {"wizard, reset", Screen::Wizard, WebHost::Fault::Reset, 0},
        {"wizard, cut head", Screen::Wizard, WebHost::Fault::CutHead, 0},
        {"crash report, 500", Screen::CrashReport, WebHost::Fault::ServerError, 500},
        {"crash report, reset", Screen::CrashReport, WebHost::Fault::Reset, 0},
        {"crash report, cut head", Screen::CrashReport, WebHost::Fault::CutHead, 0},
        {"score upload, 500", Screen::ScoreUpload, WebHost::Fault::ServerError, 500},
        {"score upload, garbage", Screen::ScoreUpload, WebHost::Fault::Garbage, 0},
        {"score upload, cut head", Screen::ScoreUpload, WebHost::Fault::CutHead, 0},
        {"score upload, short body", Screen::ScoreUpload, WebHost::Fault::ShortBody, 0},
    };
    constexpr int FRENCH = 1, JAPANESE = 5;
    OnlineRig rig;
    rig.configuration.networkConfigured = true;
    rig.configuration.fullScreen = false;
    for (const int language : {FRENCH, JAPANESE}) {
        Vek::get()->getLanguage().setLanguage(language);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " in language " + std::to_string(language));
            rig.host.setFault(c.fault);
            const std::size_t logBefore = rig.f.engine.log().size();
            StringId first = STR_STARTINGDOTS, closing = STR_FAILED;
            if (c.screen == Screen::Wizard) {
                rig.open<ContextNetworkWizard1>();
                closing = STR_NETTESTFAIL1;
            } else if (c.screen == Screen::CrashReport) {
                writeText(crashPath(getCrashLogPath()), "log");
                rig.open<ContextCrashReport>();
                first = STR_ERRORREPORTPLEASEWAIT;
            } else {
                rig.open<ContextUploadScores>();
            }
            rig.click(STR_NEXT);
            ASSERT_TRUE(rig.runUntil({closing}));
            std::vector<std::string> expected{toUtf8(OnlineRig::text(first))};
            if (c.status) expected.push_back(toUtf8(stringf(OnlineRig::text(STR_FAILEDWITHCODE), c.status)));
            expected.push_back(toUtf8(OnlineRig::text(STR_CHECKCONNECTION)));
            expected.push_back(toUtf8(OnlineRig::text(closing)));
            const std::vector<std::string> lines = rig.lines();
            ASSERT_GE(lines.size(), expected.size());
            EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(expected.size()), lines.end()),
                      expected);
            const std::string log = rig.f.engine.log().substr(logBefore);
            const std::string failed = "takeOutcome(): The request failed: ";
            const std::size_t at = log.find(failed);
            ASSERT_NE(at, std::string::npos);
            const std::string words = log.substr(at + failed.size(), log.find('\n', at) - at - failed.size());
            EXPECT_FALSE(words.empty());
            EXPECT_FALSE(rig.shows(words)) << words;
            rig.quit();
        }
    }
}

TEST(HighscoreOptions, UploadNeedsTheWizardFirstAndResetClearsTheTable) {
    OnlineRig rig;
    rig.configuration.addHighScore(999999, 1, 0, true, u"x");
    rig.f.game->highlightedScoreRow = 0;
    auto* options = rig.open<ContextHighscoreOptions>();
    rig.click(STR_UPLOADSCORES);
    EXPECT_NE(dynamic_cast<ContextNetworkWizard1*>(rig.stack->getTopContext()), nullptr);
    rig.click(STR_CANCEL);
    rig.tick();
    ASSERT_EQ(rig.stack->getTopContext(), options);
    rig.find<MenuButton>([](MenuButton* b) { return b->caption == OnlineRig::text(STR_RESETSCORES); })->clicked = true;
    rig.tick();
    EXPECT_EQ(rig.configuration.highScores[0].score, 100000);
    EXPECT_EQ(rig.f.game->highlightedScoreRow, -1);
}
