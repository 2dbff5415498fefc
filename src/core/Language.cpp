#include "core/Language.h"
#include "core/ErrorManager.h"
#include "core/Format.h"

namespace {

const char16_t EMPTY_TEXT[] = u"";

/// The scan code named by each key from STR_DIK_ESCAPE to STR_DIK_MEDIASELECT, in id order.
constexpr uint8_t KEYBOARD_SCAN_CODES[] = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10,
    0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20,
    0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30,
    0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40,
    0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50,
    0x51, 0x52, 0x53, 0x56, 0x57, 0x58, 0x64, 0x65, 0x66, 0x70, 0x73, 0x79, 0x7B, 0x7D, 0x7E, 0x8D,
    0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x99, 0x9C, 0x9D, 0xA0, 0xA1, 0xA2, 0xA4, 0xAE,
    0xB0, 0xB2, 0xB3, 0xB5, 0xB7, 0xB8, 0xC5, 0xC7, 0xC8, 0xC9, 0xCB, 0xCD, 0xCF, 0xD0, 0xD1, 0xD2,
    0xD3, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE3, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED,
};
static_assert(std::size(KEYBOARD_SCAN_CODES) == STR_DIK_MEDIASELECT - STR_DIK_ESCAPE + 1);

/// Joystick n's names carry the prefix "(n) " in every language.
constexpr const char16_t* JOYSTICK_NAME_FORMATS[MAX_JOYSTICKS] = {u"(1) %s", u"(2) %s", u"(3) %s", u"(4) %s"};

}  // namespace

Language::Language(WideString mask) : languageMask(std::move(mask)) {
    currentLanguage = -1;
    rightToLeft = 0;
    strings.fill(nullptr);
    initKeyMap();
    initEnglish();
    initFrench();
    initGerman();
    initItalian();
    initSpanish();
    initJapanese();
    initKorean();
    initPolish();
    const int slot = findNullSlot(strings);
    if (slot >= 0) {
        const StringId id = slot % STRING_ID_COUNT;
        const char16_t* english = strings[id] ? strings[id] : EMPTY_TEXT;
        VEK_ERROR(u"String %d ('%s') is missing from language %d.", id, english, slot / STRING_ID_COUNT);
    }
}

int Language::findNullSlot(std::span<const char16_t* const> table) {
    for (std::size_t slot = 0; slot < table.size(); ++slot)
        if (!table[slot]) return static_cast<int>(slot);
    return -1;
}

void Language::initKeyMap() {
    for (const StringKey& entry : STRING_KEYS)
        addKey(keyMap, entry.key, entry.id);
}

void Language::addKey(KeyMap& map, WideStringView key, StringId id) {
    map.emplace(WideString(key), id);
}

void Language::fillRow(int row, std::span<const LocalisedText> texts) {
    const char16_t** slots = &strings[static_cast<std::size_t>(row) * STRING_ID_COUNT];
    for (StringId id = 0; id < STRING_ID_COUNT; ++id)
        slots[id] = findStringKey(id) ? nullptr : EMPTY_TEXT;
    for (const LocalisedText& entry : texts)
        slots[entry.id] = entry.text;
}

const char16_t* Language::getString(StringId id) const {
    return getRowString(currentLanguage < 0 ? 0 : currentLanguage, id);
}

const char16_t* Language::getRowString(int row, StringId id) const {
    VEK_ASSERT(row >= 0 && row < LANGUAGE_COUNT && id >= 0 && id < STRING_ID_COUNT);
    return strings[static_cast<std::size_t>(row) * STRING_ID_COUNT + id];
}

StringId Language::findKey(WideStringView key) const {
    const auto found = keyMap.find(WideString(key));
    return found != keyMap.end() ? found->second : -1;
}

bool Language::isLanguageEnabled(int row) const {
    if (row < 0 || row >= LANGUAGE_COUNT) return false;
    if (languageMask.empty()) return true;
    return static_cast<std::size_t>(row) < languageMask.size() && languageMask[row] == u'1';
}

void Language::setLanguage(int row) {
    currentLanguage = isLanguageEnabled(row) ? row : 0;
    rightToLeft = WideStringView(getString(STR_LANGUAGEREADINGORDER)) == u"RTL" ? 1 : 0;
    applyKeyNames();
}

void Language::applyKeyNames() {
    if (!pKeyNames) return;
    KeyNameTable& names = *pKeyNames;
    const char16_t* unknown = getString(STR_DIK_UNKNOWN);
    for (KeyCode code = 0; code < KEY_CODE_COUNT; ++code)
        formatInto(names[code], u"%s-%d", unknown, code);
    names[0].clear();
    for (StringId id = STR_DIK_ESCAPE; id <= STR_DIK_MEDIASELECT; ++id)
        names[KEYBOARD_SCAN_CODES[id - STR_DIK_ESCAPE]] = getString(id);
    for (int joystick = 0; joystick < MAX_JOYSTICKS; ++joystick) {
        const KeyCode base = FIRST_JOYSTICK_CODE + CODES_PER_JOYSTICK * joystick;
        const char16_t* format = JOYSTICK_NAME_FORMATS[joystick];
        for (int direction = 0; direction < JOYSTICK_DIRECTIONS; ++direction)
            formatInto(names[base + direction], format, getString(STR_DIK_JOYUP + direction));
        for (int button = 0; button < JOYSTICK_BUTTONS; ++button)
            formatInto(names[base + JOYSTICK_BUTTON_OFFSET + button], format,
                       getString(STR_DIK_JOYBUTTON0 + button));
    }
    for (int mouse = 0; mouse < MOUSE_CODES; ++mouse)
        names[FIRST_MOUSE_CODE + mouse] = getString(STR_DIK_MOUSEUP + mouse);
}
