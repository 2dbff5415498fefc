#include "media/FontGDI.h"
#include <algorithm>
#include "core/Language.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"
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

int currentLanguage() {
    Vek* engine = Vek::get();
    return engine ? engine->getLanguage().getCurrentLanguage() : -1;
}

} // namespace

FontGDI::FontGDI(int size, bool bold)
    : pRasterizer(std::make_unique<platform::FontRasterizer>()), pixelSize(size), bBold(bold) {}

FontGDI::~FontGDI() = default;

bool FontGDI::isReady() const {
    return pRasterizer->isReady();
}

bool FontGDI::hasGlyph(char32_t codePoint) const {
    return pRasterizer->hasGlyph(codePoint);
}

// Han characters look different in Japanese and Korean; the language's own typeface wins.
platform::Typeface FontGDI::preferredTypeface() const {
    const int row = currentLanguage();
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

const Texture* FontGDI::textureOf(WideStringView text) {
    VekGraphics* graphics = VekGraphics::get();
    if (!graphics) return nullptr;
    if (texturesLanguage != currentLanguage()) {
        textures.clear();
        texturesLanguage = currentLanguage();
    }
    ++useCount;
    auto found =
        std::find_if(textures.begin(), textures.end(), [&](const TextTexture& t) { return t.text == text; });
    if (found != textures.end()) {
        found->lastUse = useCount;
        return found->pTexture.get();
    }
    MemoryImageFile image = rasterize(text);
    if (image.width == 0 || image.height == 0) return nullptr;
    if (textures.size() >= MAX_TEXTURES) {
        textures.erase(std::min_element(
            textures.begin(), textures.end(),
            [](const TextTexture& a, const TextTexture& b) { return a.lastUse < b.lastUse; }));
    }
    auto texture = std::make_unique<Texture>(*graphics, std::move(image), std::vector<Texture::Frame>{},
                                             Texture::TEXTURE_POINT_SAMPLED);
    textures.push_back({WideString(text), std::move(texture), useCount});
    return textures.back().pTexture.get();
}
