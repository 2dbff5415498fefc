#pragma once

/// Sound decoded while it plays (music streams). The mixer calls it on the audio thread,
/// asking only for the frames of the buffer it is filling; `read` and `rewind` allocate
/// nothing there (a source makes its buffers when it is made).
class PcmSource {
public:
    virtual ~PcmSource() = default;
    virtual int getChannels() const = 0;
    virtual int getFrequency() const = 0;
    /// Up to `frames` interleaved frames into `out`; 0 at the end (or on a decoding error).
    virtual int read(float* out, int frames) = 0;
    /// Back to the start; false when the source cannot go back.
    virtual bool rewind() = 0;
};
