#pragma once
#include <functional>
#include <memory>
#include "TempDataHome.h"
#include "core/MediaServices.h"
#include "core/Vek.h"
#include "platform/FixedStepClock.h"

/// The engine root on a clock the test moves by hand, in a scratch user-data home; with media
/// only when the test makes them.
struct TestEngine {
    using MediaFactory = std::function<std::unique_ptr<MediaServices>()>;

    explicit TestEngine(bool bFixedStep = true, double start = 0.0, MediaFactory createMedia = {}) {
        Vek::Options options;
        options.bFixedStep = bFixedStep;
        auto clock = std::make_unique<platform::FixedStepClock>(start);
        pClock = clock.get();
        options.pClock = std::move(clock);
        options.createMedia = std::move(createMedia);
        vek = std::make_unique<Vek>(std::move(options));
    }

    TempDataHome home;
    platform::FixedStepClock* pClock = nullptr;
    std::unique_ptr<Vek> vek;
};
