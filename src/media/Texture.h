#pragma once
#include <memory>
#include <vector>
#include "core/Resource.h"
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/MemoryImageFile.h"
#include "media/TextureSkin.h"

class MemoryIniFile;
class VekGraphics;
class WadArchive;
namespace platform {
class DeviceTexture;
}

/// A picture on the graphics device with its frames (skins). The frames come from an INI
/// file next to the picture with the same name and the extension ".ini":
///
///     [Skin 0]        ; frames are numbered from 0; the first missing number ends the list
///     x=0             ; left edge of the frame in the picture, pixels (default 0)
///     y=0             ; top edge, pixels, downwards (default 0)
///     width=64        ; frame size in pixels, required and above 0
///     height=48
///     originX=0       ; origin adjustment in pixels, subtracted from the frame's vertices
///     originY=0       ;   (default 0; the frame is drawn centred on its origin)
///
/// A picture without that file has one frame: the whole picture. A frame reaching outside
/// the picture is an error. A picture from a file is checked when loaded and reaches the
/// device when first drawn, read again from its file; so does one a device lost (a picture
/// made in memory comes back from a run-length copy). The decoded picture is not kept.
/// Textures loaded from one file share one device copy, so a picture listed twice costs its
/// memory once. Main thread only.
class Texture : public VekBase, public Resource {
    VEK_REGISTERED_CLASS()

    /// Flag: always sampled without filtering (crisp glyph pages), whatever the filter setting.
    /// The other flag bits of the asset tables ask for nothing this device needs.
    static constexpr int TEXTURE_POINT_SAMPLED = 8;

    struct Frame {
        Rect rect; // pixels, y downwards
        Vector3 origin;
    };

    /// Loads `path` (archive first) and its frame list from the running file manager onto the
    /// running graphics device. A missing or unreadable picture or frame list is fatal.
    Texture(const WideString& path, int flags);
    /// A picture made in memory, with one frame per entry of `frames` (none: the whole picture).
    Texture(VekGraphics& graphics, MemoryImageFile image, const std::vector<Frame>& frames, int flags);
    ~Texture() override;

    /// The frames listed by a frame-list file for a picture of that size; false with a reason
    /// in `error` when an entry is malformed or outside the picture.
    static bool parseFrames(const MemoryIniFile& ini, int imageWidth, int imageHeight,
                            std::vector<Frame>& frames, WideString& error);

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    bool isPointSampled() const { return (flags & TEXTURE_POINT_SAMPLED) != 0; }
    /// The device's copy, uploaded on the first call (again after `releaseDeviceTexture`).
    const platform::DeviceTexture* getDeviceTexture() const;

    /// Lets go of the device's copy (the device lost it or is about to close).
    void releaseDeviceTexture();

    /// The frames in order, owned as children of the texture.
    std::vector<TextureSkin*> skins;

  private:
    /// Where the picture comes back from: the file `path` in `pArchive` (null: on the disk), or
    /// `encoded` for a picture made in memory.
    struct Source {
        WideString path;
        const WadArchive* pArchive = nullptr;
        std::vector<uint8_t> encoded;
    };
    struct Picture {
        int width;
        int height;
        std::vector<Frame> frames;
        Source source;
        std::shared_ptr<platform::DeviceTexture> device;
    };
    static Picture loadPicture(VekGraphics& graphics, const WideString& path);
    static std::vector<Frame> loadFrames(const WideString& path, int imageWidth, int imageHeight);
    /// Another texture of `graphics` from the same file as `source`, with a device copy when
    /// `bOnDevice`; null if none.
    static const Texture* findTwin(const VekGraphics& graphics, const Source& source, const Texture* except,
                                   bool bOnDevice);
    Texture(VekGraphics& graphics, Picture picture, int flags);
    void createSkins(const std::vector<Frame>& frames);
    MemoryImageFile readSource() const;

    VekGraphics& graphics;
    Source source;
    int width;
    int height;
    int flags;
    mutable std::shared_ptr<platform::DeviceTexture> pDeviceTexture; // null until first drawn
};
