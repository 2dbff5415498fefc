#pragma once
#include <arpa/inet.h>
#include <net/if.h>
#include <netdb.h>
#include <poll.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

/// A name server that reads every query and never answers, for checks of what waits on a name
/// lookup. It lives in a child process with a network and a mount namespace of its own (which
/// takes root), where /etc/resolv.conf names only it, with the system's default timeouts.
class SilentNameServer {
  public:
    /// A name that no hosts file holds, so that looking it up asks the name server.
    static constexpr char NAME[] = "scores.silent-name-server.test";

    struct Outcome {
        std::string skipped;  // "SKIPPED: " and why the machine does not allow it; empty when the probe ran
        std::string report;  // what the probe returned
    };

    /// Runs `probe` in the child and returns what it returned, or why it could not run.
    static Outcome run(const std::function<std::string(SilentNameServer&)>& probe) {
        int channel[2];
        if (pipe(channel) != 0) return {skip("no pipe", errno), ""};
        const pid_t child = fork();
        if (child < 0) return {skip("no child process", errno), ""};
        if (child == 0) {
            close(channel[0]);
            SilentNameServer server;
            const std::string problem = server.setUp();
            std::string message(1, problem.empty() ? 'R' : 'S');
            message += problem.empty() ? probe(server) : problem;
            for (std::size_t at = 0; at < message.size();) {
                const ssize_t written = write(channel[1], message.data() + at, message.size() - at);
                if (written <= 0) break;
                at += static_cast<std::size_t>(written);
            }
            _exit(0);  // a lookup may still wait on a thread; nothing of the test's process runs at exit
        }
        close(channel[1]);
        std::string message;
        char buffer[512];
        for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) != 0;) {
            if (got > 0) message.append(buffer, static_cast<std::size_t>(got));
            else if (errno != EINTR) break;
        }
        close(channel[0]);
        waitpid(child, nullptr, 0);
        if (message.empty()) return {"SKIPPED: the child process ended without a word", ""};
        if (message[0] == 'S') return {message.substr(1), ""};
        return {"", message.substr(1)};
    }

    /// True once a query has arrived since the last call, waiting up to `limit`.
    bool waitForQuery(std::chrono::milliseconds limit) {
        pollfd ready{socket, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(limit.count())) != 1) return false;
        char datagram[512];
        while (recv(socket, datagram, sizeof datagram, MSG_DONTWAIT) >= 0) {
        }
        return true;
    }

    ~SilentNameServer() {
        if (socket >= 0) close(socket);
    }

  private:
    SilentNameServer() = default;

    static std::string skip(const char* what, int error) {
        return std::string("SKIPPED: ") + what + " for a silent name server (" + std::strerror(error) + ")";
    }

    // Empty once the child's lookups go to the silent socket; else why they cannot.
    std::string setUp() {
        if (unshare(CLONE_NEWNET | CLONE_NEWNS) != 0)
            return skip("no private network and mount namespace", errno);
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return skip("no private mounts", errno);
        if (!bringLoopbackUp()) return skip("no loopback interface", errno);
        socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(53);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (socket < 0 || bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            return skip("no port 53 on loopback", errno);
        if (!nameOnlyThisServer()) return skip("no /etc/resolv.conf to replace", errno);
        // A lookup on a thread of its own shows that the system's lookups ask the name server at all.
        std::thread([] {
            addrinfo* found = nullptr;
            if (getaddrinfo(NAME, nullptr, nullptr, &found) == 0) freeaddrinfo(found);
        }).detach();
        if (!waitForQuery(std::chrono::seconds(2)))
            return "SKIPPED: the system's name lookup does not ask the name server of /etc/resolv.conf";
        return "";
    }

    static bool bringLoopbackUp() {
        const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        ifreq request{};
        std::strcpy(request.ifr_name, "lo");
        bool bUp = control >= 0 && ioctl(control, SIOCGIFFLAGS, &request) == 0;
        request.ifr_flags |= IFF_UP;
        bUp = bUp && ioctl(control, SIOCSIFFLAGS, &request) == 0;
        if (control >= 0) close(control);
        return bUp;
    }

    // Mounts a resolv.conf naming 127.0.0.1 alone over the system's, in this mount namespace only.
    static bool nameOnlyThisServer() {
        char path[] = "/tmp/vek-resolv-XXXXXX";
        const int file = mkstemp(path);
        if (file < 0) return false;
        const std::string text = "nameserver 127.0.0.1\n";
        const bool bWritten = write(file, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(file);
        const bool bMounted = bWritten && mount(path, "/etc/resolv.conf", nullptr, MS_BIND, nullptr) == 0;
        unlink(path);
        return bMounted;
    }

    int socket = -1;
};
