// Releases the drawing library's font caches once every test has run, so the leak checker of
// the sanitizer build sees only our own allocations.
#include <gtest/gtest.h>
#include "Paint.h"

namespace {

class FontCacheRelease : public ::testing::Environment {
public:
    void TearDown() override { releaseFontCaches(); }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

}  // namespace
