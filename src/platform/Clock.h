#pragma once

namespace platform {

/// A monotonic time source in seconds and a way to wait for a moment on the same scale.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
    /// Returns once `deadline` has come; at once when it has passed already.
    virtual void waitUntil(double deadline) = 0;
};

}  // namespace platform
