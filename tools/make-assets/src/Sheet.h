#pragma once
#include <cairo.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "media/MemoryImageFile.h"

/// One frame of a texture: where it lies in the picture, in pixels, and the origin adjustment
/// the engine subtracts from its vertices (y upwards; 0, 0 draws the frame centred).
struct FrameRect {
    int x = 0, y = 0, width = 0, height = 0;
    int originX = 0, originY = 0;
};

/// Draws frame `index` into a fresh transparent `width` x `height` area whose top-left corner
/// is the Cairo origin.
using FramePainter = std::function<void(cairo_t* cr, int index, double width, double height)>;

/// A texture as the engine reads it: the picture and its frame list.
struct TexturePicture {
    MemoryImageFile image{1, 1};
    std::vector<FrameRect> frames;
};

/// Frames of possibly different sizes packed row by row, in frame order, into one picture no
/// wider than `maxWidth` (a frame wider than that gets a row of its own).
TexturePicture paintSheet(const std::vector<FrameRect>& sizes, const FramePainter& painter, int maxWidth = 2048);
/// `count` frames of one size.
TexturePicture paintFrames(int count, int width, int height, const FramePainter& painter);
/// A single full picture (one frame covering it), opaque unless the painter leaves alpha.
TexturePicture paintPicture(int width, int height, const FramePainter& painter);

/// The frame list of a texture as INI text: one "Skin %d" section per frame.
std::string frameListText(const std::vector<FrameRect>& frames);
/// Where the engine looks for a picture's frame list: the picture's path ending in ".ini".
std::string frameListPath(const std::string& picturePath);
