#pragma once
#include <utility>

/// The keyboard scan codes below 256 that name no key, as ranges of first and last code.
inline constexpr std::pair<int, int> UNNAMED_SCAN_CODES[] = {
    {84, 85},   {89, 99},   {103, 111}, {113, 114}, {116, 120}, {122, 122}, {124, 124}, {127, 140}, {142, 143},
    {152, 152}, {154, 155}, {158, 159}, {163, 163}, {165, 173}, {175, 175}, {177, 177}, {180, 180}, {182, 182},
    {185, 196}, {198, 198}, {202, 202}, {204, 204}, {206, 206}, {212, 218}, {224, 226}, {228, 228}, {238, 255}};
