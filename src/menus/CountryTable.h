#pragma once
#include <array>

/// One country: its ISO 3166-1 two-letter code ("--" for none) and a point of it on the
/// globe, degrees north and east.
struct CountryRow {
    const char16_t* code;
    float latitude;
    float longitude;
};

constexpr int COUNTRY_ROWS = 241;

/// The countries in the order of their names' string ids (COUNTRYNONE first), so that row r
/// is named by string id STR_COUNTRYNONE + r.
extern const std::array<CountryRow, COUNTRY_ROWS> countryTable;
