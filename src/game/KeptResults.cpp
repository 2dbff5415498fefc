#include "game/KeptResults.h"
#include <algorithm>
#include "core/AppEnvironment.h"
#include "core/Format.h"
#include "core/Logger.h"
#include "game/ProfileManager.h"
#include "game/RecordChecks.h"
#include "game/UserDataFile.h"

namespace {

constexpr uint32_t PLAYERS = 2;

/// How many of the rows from `begin` to `end` are `row`, byte for byte.
int timesIn(const HIGHSCOREENTRY* begin, const HIGHSCOREENTRY* end, const HIGHSCOREENTRY& row) {
    return static_cast<int>(std::count_if(
        begin, end, [&row](const HIGHSCOREENTRY& other) { return GameConfiguration::sameRow(other, row); }));
}

} // namespace

KeptResults::KeptResults() {
    load();
}

WideString KeptResults::getFileName() {
    return stringf(u"%s.res", BUILD_IDENTIFIER);
}

void KeptResults::load() {
    KeptResultsBlock block;
    if (!loadUserDataFile(&block, sizeof block, getFileName())) return;
    // Only the count can lead anywhere wrong; the rows are entered and shown as the table's are.
    if (!isWithin(block.count, 0, MAX_ROWS)) {
        VEK_LOG(u"Kept results: %d rows lie outside 0 to %d; none is kept.", block.count, MAX_ROWS);
        block = {};
    }
    static_cast<KeptResultsBlock&>(*this) = block;
    for (int index = 0; index < count; ++index)
        owners[static_cast<std::size_t>(index)] = newGame() * PLAYERS;
}

bool KeptResults::save() const {
    const KeptResultsBlock& block = *this;
    return saveUserDataFile(&block, sizeof block, getFileName());
}

std::vector<uint8_t> KeptResults::makeFile() const {
    const KeptResultsBlock& block = *this;
    return makeUserDataFile(&block, sizeof block, getFileName());
}

bool KeptResults::keep(uint32_t game, int32_t player, const HIGHSCOREENTRY& row) {
    const uint32_t owner = game * PLAYERS + static_cast<uint32_t>(player);
    const auto end = owners.begin() + count;
    const auto at = std::find(owners.begin(), end, owner);
    if (at == end) return append(owner, row);
    HIGHSCOREENTRY& kept = rows[at - owners.begin()];
    if (GameConfiguration::sameRow(kept, row)) return false;
    kept = row;
    return true;
}

bool KeptResults::takeFrom(ProfileManager& profiles) {
    bool bTaken = false;
    for (ProfileData& record : profiles.records) {
        SavegameData& result = record.savegames[0];
        if (!result.bResultPending) continue;
        const uint32_t game = newGame();
        std::vector<HIGHSCOREENTRY> taken; // the result's rows before this one
        for (int32_t player = 0; player < static_cast<int32_t>(PLAYERS); ++player) {
            if (!result.players[player].present) continue;
            const HIGHSCOREENTRY row = record.resultRow(result, player, record.resultTime);
            // The file may hold them already: a program killed before the profile file without them.
            if (timesIn(rows, rows + count, row) <= timesIn(taken.data(), taken.data() + taken.size(), row))
                keep(game, player, row);
            taken.push_back(row);
        }
        result.bResultPending = false;
        bTaken = true;
    }
    return bTaken;
}

bool KeptResults::enterInto(GameConfiguration& table) const {
    for (int index = 0; index < count; ++index) {
        const HIGHSCOREENTRY& row = rows[index];
        if (table.countHighScore(row) > timesIn(rows, rows + index, row)) continue;
        VEK_LOG(u"Entering a kept result: '%s', score %d, row %d.", row.name.get(), row.score,
                table.addHighScore(row));
    }
    return count > 0;
}

KeptResults::Noted KeptResults::note() const {
    return {{owners.begin(), owners.begin() + count}, {rows, rows + count}};
}

bool KeptResults::forget(const Noted& noted) {
    bool bForgot = false;
    for (int index = count - 1; index >= 0; --index) {
        const auto at =
            std::find(noted.owners.begin(), noted.owners.end(), owners[static_cast<std::size_t>(index)]);
        // A row changed since the table was handed over waits for the next table.
        if (at == noted.owners.end() ||
            !GameConfiguration::sameRow(noted.rows[at - noted.owners.begin()], rows[index]))
            continue;
        remove(index);
        bForgot = true;
    }
    return bForgot;
}

bool KeptResults::append(uint32_t owner, const HIGHSCOREENTRY& row) {
    if (count == MAX_ROWS) {
        // The lowest row of all, the newest of equal ones, since it goes below them in a table.
        int lowest = count - 1;
        for (int index = count - 2; index >= 0; --index)
            if (rows[index].score < rows[lowest].score) lowest = index;
        if (row.score <= rows[lowest].score) return false;
        remove(lowest);
    }
    owners[static_cast<std::size_t>(count)] = owner;
    rows[count] = row;
    ++count;
    return true;
}

void KeptResults::remove(int index) {
    std::copy(owners.begin() + index + 1, owners.begin() + count, owners.begin() + index);
    std::copy(rows + index + 1, rows + count, rows + index);
    --count;
    owners[static_cast<std::size_t>(count)] = 0;
    rows[count] = HIGHSCOREENTRY{};
}
