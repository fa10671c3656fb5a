// The one interface through which the database logic reaches a front end. The desktop
// application implements it with real dialogs and list views, the command-line tool with
// terminal prompts and a progress line, and the tests with a scripted fake. Nothing in core or
// ops knows which one it talks to.
//
// The port only shows and asks; it never supplies an edit's inputs. What an edit works on (the
// database root, the slots, the destination) comes in with the edit's request, so the same edit
// runs the same way from a row drop, a command line or a test.
#pragma once

#include <string>

namespace slotsmith {

// The answer of an alert, by button position: the default button answers 1, the alternate 0
// and the third ("other") button -1.
enum AlertAnswer : int { kAlertDefault = 1, kAlertAlternate = 0, kAlertOther = -1 };

struct AlertButtons {
  std::string defaultButton;    // always shown; answer 1
  std::string alternateButton;  // empty: not shown; answer 0
  std::string otherButton;      // empty: not shown; answer -1
};

// A question with what its answers mean. The labels are for people; the roles are for front
// ends that answer on the user's behalf (the command line's --yes) or need to know which answer
// is the safe one (Escape, closing the dialog): they never look at a label.
struct Question {
  std::string message = {};
  std::string informative = {};
  AlertButtons buttons = {};
  int confirmingAnswer = kAlertDefault;   // carries out what the request asked for
  int decliningAnswer = kAlertAlternate;  // changes nothing
  // A consequence the user must see even when the answer is given for them: a front end that
  // confirms on its own still shows it.
  bool isWarning = false;
  // The answer Return gives is the declining one: carrying out the request costs the user
  // something a glance may miss (sounds left referring to an empty model slot, slots pushed out
  // of the bank), so confirming takes a deliberate choice.
  bool declineByDefault = false;
};

enum class SlotList { Sounds, Models };

class Ui {
 public:
  virtual ~Ui() = default;

  // Refuse and accept again dropped database folders while an edit runs.
  virtual void setDropDisabled() = 0;
  virtual void setDropEnabled() = 0;

  // The progress display of every long operation. openProgress() alone keeps the previous text,
  // maximum and position.
  virtual void openProgress() = 0;
  virtual void setProgressText(const std::string& text) = 0;
  virtual void setProgressMaximum(int maximum) = 0;
  virtual void setProgressPosition(int position) = 0;
  virtual void closeProgress() = 0;
  // Text, maximum, position 0, then open.
  void openProgressWithText(const std::string& text, int maximum) {
    setProgressText(text);
    setProgressMaximum(maximum);
    setProgressPosition(0);
    openProgress();
  }

  // A modal question; returns the AlertAnswer of the button chosen.
  virtual int ask(const Question& question) = 0;
  // A modal message with one button; returns when the user has dismissed it.
  virtual void showMessage(const std::string& message, const std::string& button,
                           const std::string& informative) = 0;

  // A problem the user must know about: an edit refused before it changed anything, or one that
  // failed part-way. summary says what happened in one sentence; details (which may be empty)
  // the rest. A front end shows it as a warning, not as information; by default it is a message.
  enum class Problem { Refused, Failed };
  virtual void reportProblem(Problem problem, const std::string& title, const std::string& summary,
                             const std::string& details) {
    static_cast<void>(problem);
    showMessage(title, "Ok", details.empty() ? summary : summary + "\n" + details);
  }

  // Asks a list to redraw from the slot tables.
  virtual void redrawList(SlotList list) = 0;
};

// A Ui nobody looks at: no progress, no messages, no lists, and every question answered the same
// way. For work without a user: a database only read (which declines any question), a benchmark
// (which confirms every one).
class SilentUi : public Ui {
 public:
  enum class Answer { Confirm, Decline };
  explicit SilentUi(Answer answer) : answer_(answer) {}

  void setDropDisabled() override {}
  void setDropEnabled() override {}
  void openProgress() override {}
  void setProgressText(const std::string&) override {}
  void setProgressMaximum(int) override {}
  void setProgressPosition(int) override {}
  void closeProgress() override {}
  int ask(const Question& question) override {
    return answer_ == Answer::Confirm ? question.confirmingAnswer : question.decliningAnswer;
  }
  void showMessage(const std::string&, const std::string&, const std::string&) override {}
  void redrawList(SlotList) override {}

 private:
  Answer answer_;
};

}  // namespace slotsmith
