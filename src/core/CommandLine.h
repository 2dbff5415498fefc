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
};

/// Nullopt, with the reason in `error`, for an unknown switch or a malformed value ("--frames"
/// without a positive whole number, "--seed" without a whole number that fits 32 bits).
std::optional<CommandLineOptions> parseCommandLine(const std::vector<WideString>& arguments,
                                                   WideString& error);

/// "usage: <program> [switch]..." and a line per switch.
WideString commandLineUsage(WideStringView program);
