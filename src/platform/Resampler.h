#pragma once
#include <memory>

struct SRC_STATE_tag;

namespace platform {

/// Band-limited sample-rate conversion of interleaved float frames (libsamplerate): what lies
/// above the lower of the two Nyquist frequencies is filtered out instead of folding down as
/// an alias. One voice's continuous signal per converter; one thread at a time.
class Resampler {
public:
    /// Output frames per input frame that the converter takes; ratios beyond are limited to it.
    static constexpr double MIN_RATIO = 1.0 / 256.0;
    static constexpr double MAX_RATIO = 256.0;

    struct Progress {
        long inputUsed = 0;
        long outputMade = 0;
        bool bFailed = false;
    };

    /// For `channels` (1 or 2) channels; `isValid` is false when no converter could be made.
    explicit Resampler(int channels);
    ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    bool isValid() const { return pState != nullptr; }
    /// Output frames per input frame from the next `process` on.
    void setRatio(double ratio);
    /// Converts frames of `input` into at most `outputFrames` frames of `output`; the converter
    /// keeps the filter's span of input it took but has not yet used. With `bEndOfInput` (no
    /// input after this) it drains that too; no output then means the end.
    Progress process(const float* input, long inputFrames, bool bEndOfInput, float* output, long outputFrames);

private:
    struct Delete {
        void operator()(SRC_STATE_tag* pState) const;
    };

    std::unique_ptr<SRC_STATE_tag, Delete> pState;
    double ratio = 1.0;
};

}  // namespace platform
