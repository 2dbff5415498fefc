#pragma once
#include <cstdint>
#include <optional>
#include <vector>
#include "core/WideString.h"

/// What the command line asks for. "-safe" is read where it acts (the graphics); every
/// argument is logged.
struct CommandLineOptions {
    int frames = 0;           ///< "--frames N": quit after N engine frames; 0 = run until closed
    bool bFixedStep = false;  ///< "--fixed-step": every frame advances exactly one tick step and
                              ///< time moves only with the frames (nothing sleeps; random numbers start from 0)
    bool bHelp = false;       ///< "--help": print the usage and do nothing else
    std::optional<uint32_t> seed; ///< "--seed N": the random generator's seed (0 to 4294967295)
    bool bNoDraw = false;         ///< "--no-draw": frames tick and move everything but draw nothing
    int playWave = 0;    ///< "--play W[:P]": straight into a game at wave W (1 to 110); 0 = menus
    int playPlayers = 1; ///< ... with P players (1 or 2) joined
    bool bAutopilot = false;    ///< "--autopilot": the game flies itself
    bool bInvulnerable = false; ///< "--invulnerable": the fighters keep their lives
};

/// Nullopt, with the reason in `error`, for an unknown switch or a malformed value ("--frames"
/// without a positive whole number, "--seed" without a whole number that fits 32 bits, "--play"
/// without a wave of 1 to 110 and optionally ":1" or ":2").
std::optional<CommandLineOptions> parseCommandLine(const std::vector<WideString>& arguments,
                                                   WideString& error);

/// "usage: <program> [switch]..." and a line per switch.
WideString commandLineUsage(WideStringView program);
