#pragma once
#include <string>

/// Writes one PNG per texture into `folder`: the picture over a dark checkerboard with every
/// frame outlined, for looking at the art. False with `error` when a file could not be written.
bool writeContactSheets(const std::string& folder, std::string& error);
