#include "media/AudioFiles.h"
#include <fstream>
#include <iterator>
#include "core/ErrorManager.h"
#include "core/StringUtil.h"

std::shared_ptr<const std::vector<uint8_t>> readAudioFile(const WideString& path) {
    std::ifstream in(toUtf8(path), std::ios::binary);
    if (!in) VEK_ERROR(u"Could not open file '%s'.", path);
    auto bytes = std::make_shared<std::vector<uint8_t>>(std::istreambuf_iterator<char>(in),
                                                        std::istreambuf_iterator<char>());
    if (in.bad()) VEK_ERROR(u"Could not read file '%s'.", path);
    return bytes;
}

void verifyAudioFile(const WideString& path) {
    if (!std::ifstream(toUtf8(path))) VEK_ERROR(u"Could not open file '%s'.", path);
}
