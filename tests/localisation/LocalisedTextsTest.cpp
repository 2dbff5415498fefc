#include "localisation/LocalisedTexts.h"
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>
#include "LanguageRowsSupport.h"
#include "core/StringUtil.h"

namespace {

std::string keyName(StringId id) {
    const char16_t* key = findStringKey(id);
    return key ? toUtf8(key) : "<id " + std::to_string(id) + " without key>";
}

std::vector<StringId> familyKeyIds(const StringFamily& family) {
    std::vector<StringId> ids;
    for (const StringKey& entry : STRING_KEYS)
        if (entry.id >= family.first && entry.id <= family.last) ids.push_back(entry.id);
    return ids;
}

/// What is wrong with one language's texts of one family, or nothing.
std::string familyProblems(const StringFamily& family, std::span<const LocalisedText> texts) {
    std::vector<StringId> written;
    for (const LocalisedText& entry : texts)
        if (entry.id >= family.first && entry.id <= family.last) written.push_back(entry.id);
    const std::vector<StringId> expected = familyKeyIds(family);
    if (written == expected) return {};

    std::string report;
    const std::multiset<StringId> have(written.begin(), written.end());
    for (StringId id : expected)
        if (!have.count(id)) report += " missing " + keyName(id) + ";";
    std::set<StringId> seen;
    for (StringId id : written)
        if (!seen.insert(id).second) report += " twice " + keyName(id) + ";";
    if (report.empty()) report = " keys not in the order of the key file;";
    return report;
}

} // namespace

TEST(LocalisedTexts, EveryLanguageListsExactlyTheKeysOfEachFamilyInOrder) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = localisedTexts(row);
        for (const StringFamily& family : STRING_FAMILIES) {
            const std::string problems = familyProblems(family, texts);
            EXPECT_TRUE(problems.empty()) << ROW_NAMES[row] << "/" << family.name << ".inc:" << problems;
        }
        StringId previous = -1;
        for (const LocalisedText& entry : texts) {
            EXPECT_GT(entry.id, previous) << ROW_NAMES[row] << ": " << keyName(entry.id) << " out of order";
            EXPECT_NE(entry.text, nullptr) << ROW_NAMES[row] << ": " << keyName(entry.id);
            previous = entry.id;
        }
    }
}

TEST(LocalisedTexts, TheCompleteTableHasEveryKey) {
    EXPECT_EQ(std::size(STRING_KEYS), 798u);
    const auto language = std::make_unique<Language>();
    EXPECT_EQ(language->getKeyMap().size(), 798u);
    const std::pair<const char16_t*, StringId> samples[] = {{u"COUNTRYNONE", 199},
                                                            {u"CONFIRM", 440},
                                                            {u"ORIGINALMUSICHINT", 515},
                                                            {u"GAMEOVER", 834},
                                                            {u"STEAM_PRESENSESINGLEPLAYER", 900}};
    for (const auto& [key, id] : samples)
        EXPECT_EQ(language->findKey(key), id) << toUtf8(key);
    for (StringId id = 0; id < STRING_ID_COUNT; ++id)
        EXPECT_EQ(findStringKey(id) != nullptr, !isUnassignedStringId(id)) << "id " << id;
}

TEST(LocalisedTexts, EverySlotHoldsATextAndOnlyTheListedOnesAreEmpty) {
    const auto language = std::make_unique<Language>();
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        for (StringId id = 0; id < STRING_ID_COUNT; ++id) {
            const char16_t* text = language->getRowString(row, id);
            ASSERT_NE(text, nullptr) << ROW_NAMES[row] << " " << keyName(id);
            const bool bEmpty = isUnassignedStringId(id) || id == STR_NULL || id == STR_DIK_NONE ||
                                (row != 0 && id == STR_ORIGINALMUSICHINT);
            EXPECT_EQ(WideStringView(text).empty(), bEmpty) << ROW_NAMES[row] << " " << keyName(id);
        }
    }
}
