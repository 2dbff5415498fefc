// webhost: the game's web pages on 127.0.0.1, for trying and checking the online screens.
// Stops after its lifetime, or on SIGINT or SIGTERM.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include "HttpServer.h"
#include "WebHost.h"

namespace {

struct Options {
    std::string folder;
    long port = 0;
    long lifetime = 600;
    std::string portFile;
    webhost::WebHost::Fault fault = webhost::WebHost::Fault::None;
    std::string masterServer = "127.0.0.1:23006";
    std::string message = "Hello from the test host.";
    std::string answerFile;
};

const std::map<std::string, webhost::WebHost::Fault> FAULTS{
    {"none", webhost::WebHost::Fault::None},       {"500", webhost::WebHost::Fault::ServerError},
    {"garbage", webhost::WebHost::Fault::Garbage}, {"reset", webhost::WebHost::Fault::Reset},
    {"slow", webhost::WebHost::Fault::Slow},       {"cut-head", webhost::WebHost::Fault::CutHead},
    {"short-body", webhost::WebHost::Fault::ShortBody}};

bool parseNumber(const char* text, long low, long high, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return *text && !*end && out >= low && out <= high;
}

// False on an unknown switch, a missing value or a bad number.
bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc) return false;
        const char* value = argv[i + 1];
        if (name == "--folder") options.folder = value;
        else if (name == "--port-file") options.portFile = value;
        else if (name == "--master-server") options.masterServer = value;
        else if (name == "--message") options.message = value;
        else if (name == "--answer") options.answerFile = value;
        else if (name == "--port") { if (!parseNumber(value, 0, 65535, options.port)) return false; }
        else if (name == "--lifetime") { if (!parseNumber(value, 1, 86400, options.lifetime)) return false; }
        else if (name == "--fault") {
            const auto found = FAULTS.find(value);
            if (found == FAULTS.end()) return false;
            options.fault = found->second;
        } else return false;
    }
    return !options.folder.empty();
}

// Waits until the lifetime has passed or a stop signal arrives.
void waitForStop(const webhost::HttpServer& server, long lifetime) {
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    const timespec slice{0, 200'000'000};
    for (long ticks = 0; ticks < lifetime * 5 && server.isRunning(); ++ticks)
        if (sigtimedwait(&stopSignals, nullptr, &slice) > 0) return;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s --folder DIR [--port N] [--port-file FILE] [--lifetime SECONDS]\n"
                     "       [--fault none|500|garbage|reset|slow|cut-head|short-body]\n"
                     "       [--master-server A.B.C.D:PORT] [--message TEXT] [--answer FILE]\n",
                     argv[0]);
        return 2;
    }
    // The stop signals are taken by waitForStop, on every thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    webhost::WebHost host(options.folder);
    host.setFault(options.fault);
    if (!options.answerFile.empty()) {
        std::ifstream answer(options.answerFile, std::ios::binary);
        if (!answer) {
            std::fprintf(stderr, "Could not read %s.\n", options.answerFile.c_str());
            return 2;
        }
        host.setUploadAnswer(std::string(std::istreambuf_iterator<char>(answer), {}));
    }
    host.setNetTestAnswer(webhost::WebHost::framedAnswer(options.masterServer, options.message));
    webhost::HttpServer server([&host](const webhost::Request& request) { return host.handle(request); },
                               static_cast<uint16_t>(options.port), std::chrono::seconds(options.lifetime));
    if (!server.isListening()) {
        std::fprintf(stderr, "Could not listen on 127.0.0.1:%ld.\n", options.port);
        return 1;
    }
    std::printf("Serving http://%s for %ld s, keeping uploads in %s\n", server.host().c_str(), options.lifetime,
                options.folder.c_str());
    std::fflush(stdout);
    if (!options.portFile.empty()) {
        const std::string temporary = options.portFile + ".part";  // appears whole, never half written
        std::ofstream(temporary) << server.port() << "\n";
        std::rename(temporary.c_str(), options.portFile.c_str());
    }
    waitForStop(server, options.lifetime);
    return 0;
}
