#include "platform/SdlAudioDevice.h"
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include "ScopedEnvironment.h"
#include "TempDataHome.h"

namespace {

// A sound server's socket at `path` that takes connections and never answers; closed by the caller.
int listenSilently(const std::filesystem::path& path) {
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(listen(server, 4), 0);
    return server;
}

}  // namespace

// Runs under SDL's dummy driver (set for every test), which pulls frames in real time.
TEST(SdlAudioDevice, PullsFramesUntilClosed) {
    platform::SdlAudioDevice device;
    std::atomic<int> frames{0};
    ASSERT_TRUE(device.open(22050, [&frames](float* out, int count) {
        std::fill(out, out + 2 * count, 0.0f);
        frames += count;
    })) << device.getError();
    EXPECT_GT(device.getFrequency(), 0);
    EXPECT_FALSE(device.isSilent());
    for (int i = 0; i < 200 && frames == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(frames.load(), 0);
    device.close();
    const int afterClose = frames;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(frames.load(), afterClose);
    EXPECT_EQ(device.getFrequency(), 0);
}

TEST(SdlAudioDevice, RefusesRatesThatNoOutputPlays) {
    platform::SdlAudioDevice device;
    const auto silence = [](float* out, int count) { std::fill(out, out + 2 * count, 0.0f); };
    const std::pair<int, bool> cases[] = {{0, false},     {1000, false}, {11024, false}, {48001, false},
                                          {96000, false}, {11025, true}, {48000, true}};
    for (const auto& [frequency, bOpens] : cases) {
        EXPECT_EQ(device.open(frequency, silence), bOpens) << frequency;
        EXPECT_EQ(device.getFrequency() != 0, bOpens) << frequency;
        if (!bOpens) {
            EXPECT_EQ(device.getError(), "no output at " + std::to_string(frequency) + " Hz");
        }
        device.close();
    }
}

// The systems that SDL_AUDIODRIVER lists are tried in turn until one starts, and the error
// names each that did not with its reason; a PulseAudio server is asked first, with a bound,
// whether it plays.
TEST(SdlAudioDevice, TriesTheListedSystemsInTurnAndNamesWhyEachDoesNotPlay) {
    TempDataHome folder;
    const int silent = listenSilently(folder.path() / "silent");
    const std::string silentServer = "unix:" + (folder.path() / "silent").string();
    const std::string noServer = "unix:" + (folder.path() / "none").string();
    const auto silence = [](float* out, int count) { std::fill(out, out + 2 * count, 0.0f); };
    struct Case {
        const char* systems;
        std::string server;
        const char* playing;  // empty for none
        std::string error;
    };
    const Case cases[] = {
        {"dummy", noServer, "dummy", ""},
        {"no-such,Dummy", noServer, "dummy", ""},
        {"no-such", noServer, "", "no-such: Audio target 'no-such' not available"},
        {"pulseaudio", noServer, "", "pulseaudio: Connection refused"},
        {"Pulse", noServer, "", "Pulse: Connection refused"},
        {"pulseaudio,dummy", silentServer, "dummy", ""},
        {"pulseaudio", silentServer, "", "pulseaudio: the server did not answer within 1000 ms"},
    };
    for (const auto& [systems, server, playing, error] : cases) {
        ScopedEnvironment chosen("SDL_AUDIODRIVER", systems);
        ScopedEnvironment pulse("PULSE_SERVER", server.c_str());
        platform::SdlAudioDevice device;
        EXPECT_EQ(device.open(22050, silence), *playing != 0) << systems << " at " << server;
        EXPECT_EQ(device.getSystem(), playing) << systems << " at " << server;
        EXPECT_EQ(device.getError(), error) << systems << " at " << server;
    }
    close(silent);
}
