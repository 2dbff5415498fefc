#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "menus/ContextOnlinePage.h"

/// Offers the crash files that the previous run left behind for upload to the web host.
/// Uploading needs a configured network; until then the screen offers the network wizard.
/// The crash files go only when they have been delivered, or when the player declines with
/// a configured network; closing the program on this screen keeps them for the next start.
class ContextCrashReport : public ContextOnlinePage {
  public:
    /// At most this much of each crash file is sent: its newest part (a log grows at its end).
    static constexpr uint64_t MAXFILEBYTES = 2 << 20;

    ContextCrashReport();

    void onActivate(bool first) override;
    /// Leaving by CANCEL with a configured network declines the report: the files go.
    void onDeactivate(bool removed) override;
    void tickContents(double t, double dt) override;

    /// Deletes the crash files (log, screenshot, network traffic, minidump); failures are ignored.
    /// A link at a crash file's name is deleted itself, never what it points to.
    static void deleteCrashFiles();
    /// The last `limit` bytes of the crash file (all of it when shorter); nullopt unless a regular
    /// file stands at `path` itself: a link there may point anywhere, and is not sent.
    static std::optional<std::vector<uint8_t>> readTail(const std::string& path, uint64_t limit);

  private:
    void startUpload();
    bool isNetworkConfigured() const;

    MenuButton* pWizard = nullptr;  ///< null when the network was configured at construction
};
