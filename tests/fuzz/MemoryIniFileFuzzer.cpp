// Parses fuzzed settings text; what it writes must read back to the same text.
#include "core/MemoryIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    MemoryIniFile ini = MemoryIniFile::fromUtf8Bytes({data, size});
    ini.hasKey(u"Language", u"languageMask");
    ini.setString(u"Vek", u"defaultLanguage", u"-2");
    const WideString text = ini.toText();
    const MemoryIniFile again(text);
    if (again.toText() != text) __builtin_trap();
    if (again.getString(u"vek", u"DEFAULTLANGUAGE") != u"-2") __builtin_trap();
    return 0;
}
