#include "menus/CountryList.h"
#include <cmath>
#include <cstring>
#include <numbers>
#include "core/Language.h"
#include "core/Format.h"
#include "core/StringKeys.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/VekInput.h"
#include "game/GameInput.h"

std::array<int, COUNTRY_ROWS> CountryList::countryOrder{};

namespace {

char16_t lowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

const CountryRow& rowAt(std::size_t position) {
    return countryTable[static_cast<std::size_t>(CountryList::countryOrder[position])];
}

/// Position 0 keeps the "none" row; the rest by code, the first of equal codes first.
void sortCountryOrder() {
    std::array<int, COUNTRY_ROWS>& order = CountryList::countryOrder;
    for (std::size_t p = 0; p < order.size(); ++p)
        order[p] = static_cast<int>(p);
    for (std::size_t p = 1; p + 1 < order.size(); ++p) {
        std::size_t smallest = p;
        for (std::size_t q = p + 1; q < order.size(); ++q)
            if (WideStringView(rowAt(q).code) < WideStringView(rowAt(smallest).code)) smallest = q;
        std::swap(order[p], order[smallest]);
    }
}

} // namespace

CountryList::CountryList(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                         int32_t* target)
    : ChoiceButtonBase(x, y, z, itemCaption, itemHint, target, 0, COUNTRY_ROWS - 1, 1) {
    setWidth(WIDTH);
    sortCountryOrder();
}

int CountryList::findByLetter(int from, char16_t letter) {
    for (int i = 1; i < COUNTRY_ROWS; ++i) {
        const int position = (from + i) % COUNTRY_ROWS;
        if (lowerAscii(rowAt(static_cast<std::size_t>(position)).code[0]) == letter) return position;
    }
    return -1;
}

void CountryList::tick(double t, double dt) {
    ChoiceButtonBase::tick(t, dt);
    const VekInput* input = GameInput::getInput();
    if (hovered && input && input->typedChar != 0) {
        const int hit = findByLetter(clampedValue(), input->typedChar);
        if (hit >= 0) *value = hit;
        clicked = true;
    }
    if (clicked) storeSelection();
}

const CountryRow& CountryList::selectedRow() const {
    return rowAt(static_cast<std::size_t>(clampedValue()));
}

void CountryList::storeSelection() const {
    GameConfiguration& configuration = Global::get()->configuration;
    const CountryRow& row = selectedRow();
    // The code is two ASCII letters (or "--"), so each UTF-16 unit is its one UTF-8 byte.
    configuration.countryCode[0] = static_cast<char>(row.code[0]);
    configuration.countryCode[1] = static_cast<char>(row.code[1]);
    const std::array<float, 3> vector = globeVector(row.latitude, row.longitude);
    std::memcpy(configuration.countryVector, vector.data(), sizeof configuration.countryVector);
}

std::array<float, 3> CountryList::globeVector(float latitude, float longitude) {
    // (0, 0, -1) turned about the x axis by the latitude, then about the y axis by minus the
    // longitude.
    const double north = latitude / 90.0 * std::numbers::pi / 2.0;
    const double east = longitude / 180.0 * std::numbers::pi;
    return {static_cast<float>(std::cos(north) * std::sin(east)), static_cast<float>(std::sin(north)),
            static_cast<float>(-std::cos(north) * std::cos(east))};
}

void CountryList::drawValue(float x, float y, float z) {
    const CountryRow& row = selectedRow();
    const auto rowNumber = static_cast<StringId>(&row - countryTable.data());
    const WideString text =
        stringf(u"%s (%s)", Vek::get()->getLanguage().getString(STR_COUNTRYNONE + rowNumber), row.code);
    drawValueText(text, {x, y, z}, valueFitFactor(text));
}
