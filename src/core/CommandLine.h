#pragma once
#include <optional>
#include <vector>
#include "core/WideString.h"

/// The test and benchmark switches of the command line. Other arguments ("-safe", which the
/// graphics reads, or anything unknown) are left alone; all of them are logged.
struct CommandLineOptions {
    int frames = 0;           ///< "--frames N": quit after N engine frames; 0 = run until closed
    bool bFixedStep = false;  ///< "--fixed-step": every frame advances exactly one tick step and
                              ///< time moves only with the frames (nothing sleeps; random numbers start from 0)
};

/// Nullopt when a switch is malformed ("--frames" without a positive whole number).
std::optional<CommandLineOptions> parseCommandLine(const std::vector<WideString>& arguments);
