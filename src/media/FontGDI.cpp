#include "media/FontGDI.h"
#include "core/Language.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "platform/FontRasterizer.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(FontGDI, VekBase, u"FontGDI")

namespace {

constexpr int JAPANESE_ROW = 5;
constexpr int KOREAN_ROW = 6;

std::u32string codePointsOf(WideStringView text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out.push_back(nextCodePoint(text, i));
    return out;
}

} // namespace

FontGDI::FontGDI(int size, bool bold)
    : pRasterizer(std::make_unique<platform::FontRasterizer>()), pixelSize(size), bBold(bold) {}

FontGDI::~FontGDI() = default;

bool FontGDI::isReady() const { return pRasterizer->isReady(); }

// Han characters look different in Japanese and Korean; the language's own typeface wins.
platform::Typeface FontGDI::preferredTypeface() const {
    Vek* engine = Vek::get();
    const int row = engine ? engine->getLanguage().getCurrentLanguage() : -1;
    if (row == JAPANESE_ROW) return platform::Typeface::Japanese;
    if (row == KOREAN_ROW) return platform::Typeface::Korean;
    return platform::Typeface::Latin;
}

int FontGDI::getLineHeight() const {
    return pRasterizer->rasterizeText({}, pixelSize, bBold, preferredTypeface()).height;
}

int FontGDI::measure(WideStringView text) const {
    return rasterize(text).width;
}

MemoryImageFile FontGDI::rasterize(WideStringView text) const {
    const platform::TextBitmap bitmap =
        pRasterizer->rasterizeText(codePointsOf(text), pixelSize, bBold, preferredTypeface());
    MemoryImageFile image(bitmap.width, bitmap.height);
    image.bHasAlpha = true;
    for (std::size_t i = 0; i < bitmap.coverage.size(); ++i)
        image.pixels[i] = (uint32_t{bitmap.coverage[i]} << 24) | 0x00FFFFFFu;
    return image;
}
