#include "core/FileManager.h"
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/MemoryFile.h"
#include "core/StringUtil.h"
#include "core/WadWriter.h"
#include "platform/Paths.h"

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

/// Writes an archive whose entries hold their own name followed by `tag`.
WideString writeArchive(const std::filesystem::path& file, std::initializer_list<const char16_t*> names,
                        const std::string& tag) {
    WadWriter writer(1);
    WideString error;
    for (const char16_t* name : names) EXPECT_TRUE(writer.addEntry(name, bytesOf(toUtf8(name) + tag), error));
    const WideString path = fromUtf8(file.string());
    EXPECT_TRUE(writer.write(path, error)) << toUtf8(error);
    return path;
}

std::string contentOf(const FileManager& files, const char16_t* path) {
    const auto bytes = files.open(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
}

}  // namespace

TEST(FileManager, SearchesTheArchiveUsedLastFirstAndHq2xSelectsTheDoubledOnes) {
    TempDataHome home;
    const WideString main = writeArchive(home.path() / "game.dat", {u"a.txt", u"shared.txt"}, "@main");
    const WideString language =
        writeArchive(home.path() / "game.dat.language.v2", {u"flags.tga", u"shared.txt"}, "@language");
    writeArchive(home.path() / "game.dat.hq2x", {u"a.txt"}, "@hq2x");
    FileManager files;
    EXPECT_EQ(FileManager::get(), &files);
    files.useWad(main);
    files.useWad(language);
    EXPECT_EQ(contentOf(files, u"shared.txt"), "shared.txt@language");
    EXPECT_EQ(contentOf(files, u"a.txt"), "a.txt@main");  // older archives stay mounted
    EXPECT_EQ(contentOf(files, u"FLAGS.TGA"), "flags.tga@language");
    files.useWad(main);  // using it again brings it to the front
    EXPECT_EQ(contentOf(files, u"shared.txt"), "shared.txt@main");
    EXPECT_EQ(contentOf(files, u"missing.txt"), "<none>");
    EXPECT_TRUE(files.exists(u"flags.tga"));
    EXPECT_FALSE(files.exists(u"missing.txt"));
    files.setHq2x(2);
    files.useWad(main);
    EXPECT_EQ(contentOf(files, u"a.txt"), "a.txt@hq2x");
}

TEST(FileManager, ReadsTheDiskWhenArchivesAreOffOrForcedAsideAlsoForMemoryFiles) {
    TempDataHome home;
    writeArchive(home.path() / "game.dat", {u"both.txt"}, "@archive");
    writeText(home.path() / "both.txt", "disk");
    const auto onDisk = fromUtf8((home.path() / "both.txt").string());
    EXPECT_EQ(MemoryFile(onDisk).getSize(), 4u);  // no file manager: the disk
    FileManager files;
    files.useWad(fromUtf8((home.path() / "game.dat").string()));
    EXPECT_TRUE(files.exists(u"both.txt"));
    EXPECT_FALSE(files.exists(onDisk));  // archive mode does not look at the disk
    EXPECT_FALSE(MemoryFile(onDisk).isLoaded());
    const MemoryFile fromArchive(u"both.txt");
    EXPECT_EQ(std::string(fromArchive.getBytes().begin(), fromArchive.getBytes().end()), "both.txt@archive");
    files.forceDisk = true;
    EXPECT_EQ(contentOf(files, onDisk.c_str()), "disk");
    EXPECT_EQ(MemoryFile(onDisk).getSize(), 4u);
    EXPECT_FALSE(files.exists(u"both.txt"));  // relative: the program folder
    EXPECT_FALSE(MemoryFile(u"nothing.bin").isLoaded());
    files.forceDisk = false;
    files.bUseWad = false;
    EXPECT_EQ(contentOf(files, onDisk.c_str()), "disk");

    EXPECT_TRUE(FileManager::existsDisk(onDisk));
    EXPECT_FALSE(FileManager::existsDisk(fromUtf8((home.path() / "gone.txt").string())));
    EXPECT_FALSE(FileManager::existsDisk(fromUtf8(home.path().string())));  // a folder is no file
    EXPECT_EQ(FileManager::diskPath(u"a/b.txt"), fromUtf8((platform::executableFolder() / "a/b.txt").string()));
    EXPECT_EQ(FileManager::diskPath(u"/abs/b.txt"), u"/abs/b.txt");
    FileManager::verifyFileDisk(onDisk);
}

TEST(FileManagerDeathTest, FatalErrorsNameTheFile) {
    TempDataHome home;
    const std::string gone = (home.path() / "gone.dat").string();
    const std::string cwd = platform::currentFolder();
    EXPECT_EXIT(FileManager::verifyFileDisk(fromUtf8(gone)), testing::ExitedWithCode(1),
                literalPattern("Error: File " + gone + " verification failed (errno " +
                               std::to_string(ENOENT) + ":" + std::strerror(ENOENT) + ", cwd " + cwd +
                               ")\n Function: FileManager::verifyFileDisk()"));
    EXPECT_EXIT(FileManager().useWad(fromUtf8(gone)), testing::ExitedWithCode(1),
                literalPattern("Could not use the archive '" + gone + "': Could not open " + gone));
    writeText(home.path() / "junk.dat", "this is no archive");
    const std::string junk = (home.path() / "junk.dat").string();
    EXPECT_EXIT(FileManager().useWad(fromUtf8(junk)), testing::ExitedWithCode(1),
                literalPattern("Could not use the archive '" + junk + "': not a WAD archive."));
    EXPECT_EXIT(MemoryFile(u"/no/such/file", MemoryFile::MEMORYFILE_REQUIRED), testing::ExitedWithCode(1),
                literalPattern("Could not open the file '/no/such/file'."));

    const WideString archive = writeArchive(home.path() / "game.dat", {u"a.txt"}, "@main");
    auto bytes = readBytes(toUtf8(archive));
    bytes[bytes.size() - 3] ^= 0xFF;
    writeBytes(toUtf8(archive), bytes);
    EXPECT_EXIT(
        {
            FileManager files;
            files.useWad(archive);
            files.open(u"a.txt");
        },
        testing::ExitedWithCode(1),
        literalPattern("Could not read from the archive '" + toUtf8(archive) +
                       "': entry 'a.txt' does not inflate to its 10 bytes."));
}
