#include "app/packs/ArchiveProgress.h"

#include <chrono>
#include <future>

namespace slotsmith {

Status runShowingProgress(Ui& ui, const std::string& text, const std::function<Status()>& work) {
  using namespace std::chrono_literals;
  ui.setDropDisabled();
  // A maximum of 0 makes the bar move without claiming how far the work has come.
  ui.openProgressWithText(text, 0);
  std::future<Status> done = std::async(std::launch::async, work);
  // Each position given lets the windows draw once.
  while (done.wait_for(30ms) != std::future_status::ready)
    ui.setProgressPosition(0);
  ui.closeProgress();
  ui.setDropEnabled();
  return done.get();
}

}  // namespace slotsmith
