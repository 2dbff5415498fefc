#pragma once
#include <cstdint>
#include <string>
#include "core/Md5.h"
#include "core/WideString.h"

/// An MD5 over a fixed-order dump of the game's state, to tell runs apart: the same seed and
/// the same input give the same digest on the same build. Numbers go in as their bytes, texts
/// as their UTF-16 units after their length. Main thread only.
class GameDigest {
  public:
    void addInt(int64_t value);
    void addNumber(double value);
    void addText(WideStringView text);
    /// 32 lower-case hex digits of everything added; nothing may be added afterwards.
    std::string finish();

    /// The running program's digest: the random generator's state, the rendered-frame count,
    /// then the running game (the scene in the game root's `gameController`, which adds its
    /// players and every object of its lists). Outside a game only the first two count.
    static std::string ofRunningGame();
    /// Writes `ofRunningGame` to the log, saying when ("wave 12", "exit").
    static void log(WideStringView moment);

  private:
    void addBytes(const void* data, std::size_t size);

    Md5Context context;
};
