#pragma once
#include "menus/ContextOnlinePage.h"

/// Sends the local high-score table, signed, to the web host's score-upload page and shows
/// the page's answer. One upload per visit.
class ContextUploadScores : public ContextOnlinePage {
  public:
    ContextUploadScores();

    void tickContents(double t, double dt) override;

  private:
    void startUpload();
};
