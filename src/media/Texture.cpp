#include "media/Texture.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"
#include "core/MemoryIniFile.h"
#include "core/SettingsValue.h"
#include "core/StringUtil.h"
#include "media/VekGraphics.h"
#include "platform/RenderDevice.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Texture, VekBase, u"Texture")

namespace {

WideString frameListPath(const WideString& path) {
    const std::size_t dot = path.find_last_of(u'.');
    const std::size_t slash = path.find_last_of(u'/');
    const bool hasExtension = dot != WideString::npos && (slash == WideString::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + u".ini";
}

VekGraphics& runningGraphics() {
    VekGraphics* graphics = VekGraphics::get();
    VEK_ASSERT(graphics != nullptr);
    return *graphics;
}

// The key's whole number, `fallback` when absent; false when present but not a number.
bool readNumber(const MemoryIniFile& ini, const WideString& section, WideStringView key, int fallback,
                int& out) {
    const std::optional<WideString> text = ini.findString(section, key);
    if (!text) {
        out = fallback;
        return true;
    }
    const std::optional<int> value = parseSettingInt(*text);
    if (!value) return false;
    out = *value;
    return true;
}

} // namespace

bool Texture::parseFrames(const MemoryIniFile& ini, int imageWidth, int imageHeight,
                          std::vector<Frame>& frames, WideString& error) {
    frames.clear();
    for (int index = 0;; ++index) {
        const WideString section = stringf(u"Skin %d", index);
        if (!ini.hasKey(section, u"width")) return true;
        int x = 0, y = 0, width = 0, height = 0, originX = 0, originY = 0;
        if (!readNumber(ini, section, u"x", 0, x) || !readNumber(ini, section, u"y", 0, y) ||
            !readNumber(ini, section, u"width", 0, width) ||
            !readNumber(ini, section, u"height", 0, height) ||
            !readNumber(ini, section, u"originX", 0, originX) ||
            !readNumber(ini, section, u"originY", 0, originY)) {
            error = stringf(u"[%s] holds a value that is not a whole number", section);
            return false;
        }
        // Compared in 64 bits: x + width must not wrap for huge values.
        if (width <= 0 || height <= 0 || x < 0 || y < 0 || int64_t{x} + width > imageWidth ||
            int64_t{y} + height > imageHeight) {
            error = stringf(u"[%s] frame %d,%d %dx%d does not fit the %dx%d picture", section, x, y, width,
                            height, imageWidth, imageHeight);
            return false;
        }
        Frame frame;
        frame.rect = Rect{static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + width),
                          static_cast<float>(y + height)};
        frame.origin = Vector3{static_cast<float>(originX), static_cast<float>(originY), 0.f};
        frames.push_back(frame);
    }
}

Texture::Picture Texture::loadPicture(VekGraphics& graphics, const WideString& path) {
    FileManager* files = FileManager::get();
    VEK_ASSERT(files != nullptr);
    Source source{path, files->findArchive(path), {}};
    if (const Texture* twin = findTwin(graphics, source, nullptr, false))
        return Picture{twin->width, twin->height, loadFrames(path, twin->width, twin->height), std::move(source),
                       nullptr};
    // Decoded now, so that a broken picture stops the loading; uploaded when first drawn, so that
    // pictures a run never shows take no device memory.
    const std::optional<std::vector<uint8_t>> bytes = files->open(path);
    if (!bytes) VEK_ERROR(u"Could not open texture %s.", files->describe(path));
    std::string reason;
    std::optional<MemoryImageFile> image = MemoryImageFile::decode(*bytes, reason, graphics.getMaxTextureSize());
    if (!image) VEK_ERROR(u"Could not read texture %s: %s", files->describe(path), fromUtf8(reason));
    return Picture{image->width, image->height, loadFrames(path, image->width, image->height), std::move(source),
                   nullptr};
}

std::vector<Texture::Frame> Texture::loadFrames(const WideString& path, int imageWidth, int imageHeight) {
    FileManager* files = FileManager::get();
    const WideString listPath = frameListPath(path);
    if (!files->exists(listPath)) return {};
    const std::optional<std::vector<uint8_t>> listBytes = files->open(listPath);
    if (!listBytes) VEK_ERROR(u"Could not open the frame list %s.", files->describe(listPath));
    std::vector<Frame> frames;
    WideString error;
    if (!parseFrames(MemoryIniFile::fromUtf8Bytes(*listBytes), imageWidth, imageHeight, frames, error))
        VEK_ERROR(u"Bad frame list %s: %s.", files->describe(listPath), error);
    return frames;
}

const Texture* Texture::findTwin(const VekGraphics& graphics, const Source& source, const Texture* except,
                                 bool bOnDevice) {
    if (!source.encoded.empty()) return nullptr;
    for (const Texture* texture : graphics.getTextures()) {
        if (texture != except && (texture->pDeviceTexture || !bOnDevice) && texture->source.path == source.path &&
            texture->source.pArchive == source.pArchive)
            return texture;
    }
    return nullptr;
}

Texture::Texture(const WideString& path, int textureFlags)
    : Texture(runningGraphics(), loadPicture(runningGraphics(), path), textureFlags) {}

Texture::Texture(VekGraphics& device, MemoryImageFile picture, const std::vector<Frame>& frames,
                 int textureFlags)
    : Texture(device,
              Picture{picture.width, picture.height, frames, Source{{}, nullptr, picture.encodeTga()},
                      device.createDeviceTexture(picture)},
              textureFlags) {}

Texture::Texture(VekGraphics& device, Picture picture, int textureFlags)
    : graphics(device), source(std::move(picture.source)), width(picture.width), height(picture.height),
      flags(textureFlags), pDeviceTexture(std::move(picture.device)) {
    graphics.addTexture(*this);
    createSkins(picture.frames);
}

Texture::~Texture() {
    graphics.removeTexture(*this);
}

void Texture::createSkins(const std::vector<Frame>& frames) {
    if (frames.empty()) {
        const Rect whole{0.f, 0.f, static_cast<float>(width), static_cast<float>(height)};
        createSkins({Frame{whole, Vector3{}}});
        return;
    }
    for (const Frame& frame : frames) {
        auto* skin = new TextureSkin(*this, frame.rect, frame.origin);
        addChild(skin);
        skins.push_back(skin);
    }
}

MemoryImageFile Texture::readSource() const {
    const std::optional<std::vector<uint8_t>> bytes =
        source.encoded.empty() ? FileManager::openIn(source.pArchive, source.path) : source.encoded;
    std::string reason = "it is gone";
    std::optional<MemoryImageFile> image;
    if (bytes) image = MemoryImageFile::decode(*bytes, reason, graphics.getMaxTextureSize());
    if (!image) VEK_ERROR(u"Could not read texture '%s' again: %s", source.path, fromUtf8(reason));
    return std::move(*image);
}

const platform::DeviceTexture* Texture::getDeviceTexture() const {
    if (!pDeviceTexture) {
        const Texture* twin = findTwin(graphics, source, this, true);
        pDeviceTexture = twin ? twin->pDeviceTexture : graphics.createDeviceTexture(readSource());
    }
    return pDeviceTexture.get();
}

void Texture::releaseDeviceTexture() {
    pDeviceTexture.reset();
}
