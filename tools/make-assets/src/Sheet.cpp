#include "Sheet.h"
#include <algorithm>
#include "core/Format.h"
#include "core/MemoryIniFile.h"
#include "core/StringUtil.h"

namespace {

// Cairo keeps premultiplied alpha; pictures keep straight alpha.
uint32_t unpremultiplied(uint32_t pixel) {
    const uint32_t a = pixel >> 24;
    if (a == 0) return 0;
    if (a == 255) return pixel;
    auto channel = [&](int shift) { return std::min<uint32_t>(255, (((pixel >> shift) & 0xFF) * 255 + a / 2) / a); };
    return a << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

// A frame is painted alone, then copied, so nothing a painter draws can reach a neighbour.
void paintFrameInto(MemoryImageFile& image, const FrameRect& rect, int index, const FramePainter& painter) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, rect.width, rect.height);
    cairo_t* cr = cairo_create(surface);
    painter(cr, index, rect.width, rect.height);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < rect.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < rect.width; ++x) image.at(rect.x + x, rect.y + y) = unpremultiplied(row[x]);
    }
    cairo_surface_destroy(surface);
}

}  // namespace

TexturePicture paintSheet(const std::vector<FrameRect>& sizes, const FramePainter& painter, int maxWidth) {
    TexturePicture picture;
    int x = 0, y = 0, rowHeight = 0, width = 1;
    for (const FrameRect& size : sizes) {
        if (x > 0 && x + size.width > maxWidth) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        picture.frames.push_back(FrameRect{x, y, size.width, size.height, size.originX, size.originY});
        x += size.width;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, size.height);
    }
    picture.image = MemoryImageFile(width, std::max(1, y + rowHeight));
    picture.image.bHasAlpha = true;
    for (std::size_t i = 0; i < picture.frames.size(); ++i)
        paintFrameInto(picture.image, picture.frames[i], static_cast<int>(i), painter);
    return picture;
}

TexturePicture paintFrames(int count, int width, int height, const FramePainter& painter) {
    return paintSheet(std::vector<FrameRect>(static_cast<std::size_t>(count), FrameRect{0, 0, width, height}), painter);
}

TexturePicture paintPicture(int width, int height, const FramePainter& painter) {
    return paintSheet({FrameRect{0, 0, width, height}}, painter, width);
}

std::string frameListText(const std::vector<FrameRect>& frames) {
    MemoryIniFile ini;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const WideString section = stringf(u"Skin %d", static_cast<int>(i));
        ini.setString(section, u"x", stringf(u"%d", frames[i].x));
        ini.setString(section, u"y", stringf(u"%d", frames[i].y));
        ini.setString(section, u"width", stringf(u"%d", frames[i].width));
        ini.setString(section, u"height", stringf(u"%d", frames[i].height));
        if (frames[i].originX != 0) ini.setString(section, u"originX", stringf(u"%d", frames[i].originX));
        if (frames[i].originY != 0) ini.setString(section, u"originY", stringf(u"%d", frames[i].originY));
    }
    return toUtf8(ini.toText());
}

std::string frameListPath(const std::string& picturePath) {
    const std::size_t dot = picturePath.rfind('.');
    const std::size_t slash = picturePath.rfind('/');
    const bool bHasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (bHasExtension ? picturePath.substr(0, dot) : picturePath) + ".ini";
}
