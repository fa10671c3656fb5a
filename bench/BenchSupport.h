// What every benchmark needs: a Ui that confirms everything and shows nothing, and full demo
// databases in temporary folders (a pristine one made once per run, and fresh copies for benchmarks
// that change the database).
#pragma once

#include <cstddef>
#include <string>

#include "core/Ui.h"

namespace slotsmith::bench {

class QuietUi : public Ui {
 public:
  void setDropDisabled() override {}
  void setDropEnabled() override {}
  void openProgress() override {}
  void setProgressText(const std::string&) override {}
  void setProgressMaximum(int) override {}
  void setProgressPosition(int) override {}
  void closeProgress() override {}
  int ask(const Question& question) override { return question.confirmingAnswer; }
  void showMessage(const std::string&, const std::string&, const std::string&) override {}
  void redrawList(SlotList) override {}
};

// How many times operator new has been called in this process so far.
std::size_t allocationCount();

// A full demo database (1000 sounds, 1000 models), written once per run and removed at exit.
const std::string& pristineFullDatabase();

// A fresh copy of the pristine database in a new temporary folder; removed at exit or by
// removeDatabaseCopy.
std::string copyOfFullDatabase();
void removeDatabaseCopy(const std::string& path);

}  // namespace slotsmith::bench
