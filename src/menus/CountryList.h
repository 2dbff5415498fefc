#pragma once
#include <array>
#include "menus/ChoiceButtonBase.h"
#include "menus/CountryTable.h"

/// A choice over the countries, ordered by code after the "none" row, that jumps to the next
/// country whose code starts with a typed letter (wrapping round). Once it was changed it
/// keeps the configuration's country code and globe vector on its country every frame.
class CountryList : public ChoiceButtonBase {
  public:
    static constexpr int WIDTH = 512;

    /// `target` holds a position in `countryOrder`.
    CountryList(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                int32_t* target);

    void tick(double t, double dt) override;
    void drawValue(float x, float y, float z) override;

    /// The position after `from` (wrapping, `from` itself last) whose code starts with `letter`
    /// in lower case; -1 when there is none.
    static int findByLetter(int from, char16_t letter);
    /// The unit vector of a point on the globe: (0, 0, -1) turned north by the latitude and
    /// east by the longitude.
    static std::array<float, 3> globeVector(float latitude, float longitude);

    /// Row numbers of `countryTable`: position 0 the "none" row, then the countries by code.
    static std::array<int, COUNTRY_ROWS> countryOrder;

  private:
    const CountryRow& selectedRow() const;
    void storeSelection() const;
};
