#pragma once
#include <vector>
#include "core/StringKeys.h"
#include "menus/ChoiceButtonBase.h"

/// A choice that shows a text for each value: the text of string id `firstStringId` + value
/// in the current language, or entry value of its own list of texts. Steps by 1.
class ChoiceButton : public ChoiceButtonBase {
  public:
    ChoiceButton(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                 int32_t* target, int32_t minimumValue, int32_t maximumValue, StringId firstString);
    /// An empty list leaves nothing to choose: the item is disabled.
    ChoiceButton(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                 int32_t* target, int32_t minimumValue, int32_t maximumValue, std::vector<WideString> texts);

    void drawValue(float x, float y, float z) override;
    /// The text shown for the current value (clamped to the range and the list).
    WideString valueText() const;

    StringId firstStringId = 0;
    std::vector<WideString> valueTexts;
};
