#pragma once
#include <chrono>
#include <optional>
#include <string>

namespace platform {

/// Why the PulseAudio server that the sound library would use cannot play: it refuses, does
/// not answer within `bound`, or has no output; nothing when it can. Asked before SDL uses
/// that server, since SDL 2.26 copies the server's default output and input names without
/// checking that there are any, and crashes on a server that has none. Any thread; may start
/// the user's server, as SDL would.
std::optional<std::string> findPulseServerFault(std::chrono::milliseconds bound);

}  // namespace platform
