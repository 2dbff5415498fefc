#include "platform/PulseServerProbe.h"
#include <pulse/pulseaudio.h>
#include <memory>

namespace platform {

namespace {

struct Probe {
    bool bAnswered = false;
    std::optional<std::string> fault;
};

void onServerInfo(pa_context*, const pa_server_info* info, void* data) {
    auto& probe = *static_cast<Probe*>(data);
    probe.bAnswered = true;
    if (!info || !info->default_sink_name) {
        probe.fault = "the server has no output";
    } else if (!info->default_source_name) {
        probe.fault = "the server has no input";
    }
}

void onStateChange(pa_context* context, void* data) {
    auto& probe = *static_cast<Probe*>(data);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        pa_operation_unref(pa_context_get_server_info(context, onServerInfo, data));
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        probe.bAnswered = true;
        probe.fault = pa_strerror(pa_context_errno(context));
        break;
    default:
        break;
    }
}

struct LoopFree {
    void operator()(pa_mainloop* loop) const { pa_mainloop_free(loop); }
};
struct ContextFree {
    void operator()(pa_context* context) const {
        pa_context_set_state_callback(context, nullptr, nullptr);  // the probe may be gone
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
};

// Runs the loop until the probe has its answer or the deadline passes; false at the deadline.
bool runUntilAnswered(pa_mainloop* loop, const Probe& probe, std::chrono::steady_clock::time_point deadline) {
    using std::chrono::microseconds;
    while (!probe.bAnswered) {
        const auto left = std::chrono::duration_cast<microseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        if (pa_mainloop_prepare(loop, static_cast<int>(left.count())) < 0 || pa_mainloop_poll(loop) < 0 ||
            pa_mainloop_dispatch(loop) < 0)
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> findPulseServerFault(std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    std::unique_ptr<pa_mainloop, LoopFree> loop(pa_mainloop_new());
    if (!loop) return "no memory for a connection";
    std::unique_ptr<pa_context, ContextFree> context(pa_context_new(pa_mainloop_get_api(loop.get()), "probe"));
    if (!context) return "no memory for a connection";
    Probe probe;
    pa_context_set_state_callback(context.get(), onStateChange, &probe);
    if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return pa_strerror(pa_context_errno(context.get()));
    if (!runUntilAnswered(loop.get(), probe, deadline))
        return "the server did not answer within " + std::to_string(bound.count()) + " ms";
    return probe.fault;
}

}  // namespace platform
