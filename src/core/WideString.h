#pragma once
#include <string>
#include <string_view>

/// Every text, name and path of the engine: UTF-16 code units. UTF-8 only at the edges.
using WideString = std::u16string;
using WideStringView = std::u16string_view;
