#include "core/BackgroundFileWriter.h"
#include <gtest/gtest.h>
#include <memory>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/StringUtil.h"

TEST(BackgroundFileWriter, TheLastVersionStandsOnceWaitedForOrAtItsEndAndEachFailureIsHandedBackOnce) {
    struct Case {
        const char* name;
        int versions;    // handed over in a row, each while the one before may still be written
        bool bBlocked;   // a folder with something in it stands at the temporary file's name
        bool bDestroyed; // the writer goes at once instead of being waited for
    };
    constexpr std::size_t VERSION_BYTES = 64 * 1024;
    const Case cases[] = {
        {"versions in a row, waited for", 30, false, false},
        {"versions in a row, the writer gone at once", 30, false, true},
        {"one version, the writer gone at once", 1, false, true},
        {"every write fails", 3, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDataHome home;
        const std::filesystem::path file = home.path() / "profiles.pro";
        auto writer = std::make_unique<BackgroundFileWriter>(fromFileName(file.string()));
        // The first version starts the worker; the later ones find it idle or still writing.
        const std::vector<uint8_t> before = noiseBytes(VERSION_BYTES, 0);
        writer->write(before);
        writer->wait();
        if (c.bBlocked) std::filesystem::create_directories(file.string() + ".tmp/inside");
        std::vector<uint8_t> last;
        for (int version = 1; version <= c.versions; ++version) {
            last = noiseBytes(VERSION_BYTES, static_cast<uint32_t>(version));
            writer->write(last);
        }
        if (c.bDestroyed) {
            writer.reset();
        } else {
            writer->wait();
        }
        EXPECT_EQ(readBytes(file), c.bBlocked ? before : last);
        if (c.bDestroyed) continue;
        const std::vector<std::string> failures = writer->takeFailures();
        EXPECT_EQ(failures.empty(), !c.bBlocked);
        for (const std::string& failure : failures)
            EXPECT_NE(failure.find(file.string() + ".tmp"), std::string::npos) << failure;
        EXPECT_TRUE(writer->takeFailures().empty());
    }
}
