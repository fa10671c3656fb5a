// The engine's Ui port as the desktop shows it: progress in the modal progress panel, questions
// and reports in alerts over the list window, redraws of the two lists. While an edit or a
// rescan runs, the redraws it asks for are held and made once when it ends: one edit's scans ask
// for several, and the user sees only the last.
#pragma once

#include <QString>
#include <functional>

#include "app/Alerts.h"
#include "core/Ui.h"

namespace slotsmith {

struct Interface;

class DesktopUi : public Ui {
 public:
  // redraw draws one list (and its summary) from the tables as they are now.
  DesktopUi(Interface& interface, std::function<void(SlotList)> redraw);

  Alerts& alerts() { return alerts_; }

  // Holds the redraws asked for until the returned guard goes; then each list asked for is
  // redrawn once. Guards nest: the outermost one redraws.
  class HeldRedraws {
   public:
    explicit HeldRedraws(DesktopUi& ui);
    ~HeldRedraws();
    HeldRedraws(const HeldRedraws&) = delete;
    HeldRedraws& operator=(const HeldRedraws&) = delete;

   private:
    DesktopUi& ui_;
  };
  // The redraws held so far are not wanted after all (a look at the disk found nothing new).
  void forgetHeldRedraws() { soundsWanted_ = modelsWanted_ = false; }
  // Whether redraws are held now (an edit or a rescan is running).
  bool redrawsHeld() const { return holds_ > 0; }

  void setDropDisabled() override;
  void setDropEnabled() override;
  void openProgress() override;
  void setProgressText(const std::string& text) override;
  void setProgressMaximum(int maximum) override;
  void setProgressPosition(int position) override;
  void closeProgress() override;
  int ask(const Question& question) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  void reportProblem(Problem problem, const std::string& title, const std::string& summary,
                     const std::string& details) override;
  void redrawList(SlotList list) override;

 private:
  void releaseRedraws();

  Interface& interface_;
  Alerts alerts_;
  std::function<void(SlotList)> redraw_;
  int holds_ = 0;
  bool soundsWanted_ = false;
  bool modelsWanted_ = false;
};

}  // namespace slotsmith
