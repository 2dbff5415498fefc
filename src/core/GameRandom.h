#pragma once
#include <cstdint>

/// The one process-wide random generator. Gameplay, sound pitch and archive writing all
/// step the same state, so a seeded run is reproducible.
class GameRandom {
public:
    void setSeed(uint32_t seed) { state = seed; }
    uint32_t getState() const { return state; }
    /// Steps the state; 0 to 65535.
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>(state >> 16);
    }
    /// 0 to 65535/65536.
    double fraction() { return next() / 65536.0; }
    /// A draw reduced to 0 .. n-1; n must be positive.
    int below(int n) { return next() % n; }

private:
    uint32_t state = 0;
};

extern GameRandom gameRandom;
