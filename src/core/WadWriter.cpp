#include "core/WadWriter.h"
#include <atomic>
#include <cstring>
#include <thread>
#include <limits>
#include "core/Format.h"
#include "core/StringUtil.h"
#include "core/WadFormat.h"
#include "platform/Compression.h"
#include "platform/FileIo.h"

bool WadWriter::addEntry(WideStringView name, std::vector<uint8_t> bytes, WideString& error) {
    std::string utf8 = toUtf8(name);
    if (!isValidWadName(utf8)) {
        error = stringf(u"'%s' is not a valid archive name", name);
        return false;
    }
    if (bytes.size() > std::numeric_limits<uint32_t>::max() || !keys.insert(wadLookupKey(utf8)).second) {
        error = stringf(u"'%s' is too large or already in the archive", name);
        return false;
    }
    pending.push_back(Pending{std::move(utf8), std::move(bytes)});
    return true;
}

std::vector<std::vector<uint8_t>> WadWriter::compressEntries() const {
    std::vector<std::vector<uint8_t>> streams(pending.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < pending.size(); i = next++)
            streams[i] = platform::compressZopfli(pending[i].bytes, iterations);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
    return streams;
}

std::vector<uint8_t> WadWriter::build(WideString& error) const {
    const WadHeader header{{WAD_MAGIC[0], WAD_MAGIC[1], WAD_MAGIC[2], WAD_MAGIC[3]}, WAD_VERSION,
                           static_cast<uint32_t>(pending.size())};
    std::vector<WadEntryRecord> table(pending.size());
    std::vector<uint8_t> data;
    const uint64_t dataStart = sizeof header + table.size() * sizeof(WadEntryRecord);
    const std::vector<std::vector<uint8_t>> streams = compressEntries();
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const std::vector<uint8_t>& stream = streams[i];
        if (dataStart + data.size() + stream.size() > std::numeric_limits<uint32_t>::max()) {
            error = u"the archive would exceed 4 GiB";
            return {};
        }
        WadEntryRecord& record = table[i];
        std::memset(&record, 0, sizeof record);
        std::memcpy(record.name, pending[i].name.data(), pending[i].name.size());
        record.offset = static_cast<uint32_t>(dataStart + data.size());
        record.compressedSize = static_cast<uint32_t>(stream.size());
        record.size = static_cast<uint32_t>(pending[i].bytes.size());
        data.insert(data.end(), stream.begin(), stream.end());
    }
    std::vector<uint8_t> archive(dataStart + data.size());
    std::memcpy(archive.data(), &header, sizeof header);
    if (!table.empty())
        std::memcpy(archive.data() + sizeof header, table.data(), table.size() * sizeof(WadEntryRecord));
    if (!data.empty()) std::memcpy(archive.data() + dataStart, data.data(), data.size());
    return archive;
}

bool WadWriter::write(const WideString& path, WideString& error) const {
    const std::vector<uint8_t> archive = build(error);
    if (archive.empty()) return false;
    std::string reason;
    if (!platform::writeFileAtomically(toUtf8(path), archive, reason)) {
        error = fromUtf8(reason);
        return false;
    }
    return true;
}
