#include "app/DesktopUi.h"

#include "ui/Interface.h"
#include "ui/myDropSpace.h"

namespace slotsmith {

namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

DesktopUi::DesktopUi(Interface& interface, std::function<void(SlotList)> redraw)
    : interface_(interface), alerts_(interface.listWindow.get()), redraw_(std::move(redraw)) {}

DesktopUi::HeldRedraws::HeldRedraws(DesktopUi& ui) : ui_(ui) {
  ++ui_.holds_;
}

DesktopUi::HeldRedraws::~HeldRedraws() {
  if (--ui_.holds_ == 0) ui_.releaseRedraws();
}

void DesktopUi::releaseRedraws() {
  const bool sounds = std::exchange(soundsWanted_, false);
  const bool models = std::exchange(modelsWanted_, false);
  if (sounds) redraw_(SlotList::Sounds);
  if (models) redraw_(SlotList::Models);
}

void DesktopUi::redrawList(SlotList list) {
  if (holds_ == 0) return redraw_(list);
  (list == SlotList::Sounds ? soundsWanted_ : modelsWanted_) = true;
}

void DesktopUi::setDropDisabled() {
  interface_.mainWindow->dropSpaceView()->setDropDisabled();
}

void DesktopUi::setDropEnabled() {
  interface_.mainWindow->dropSpaceView()->setDropEnabled();
}

void DesktopUi::openProgress() {
  // The panel belongs to the window the user works in: the lists once they are up.
  ListWindow* lists = interface_.listWindow.get();
  interface_.progressWindow->setParentWindow(lists->isVisible() ? static_cast<QWidget*>(lists)
                                                                : interface_.mainWindow.get());
  interface_.progressWindow->open();
}

void DesktopUi::setProgressText(const std::string& text) {
  interface_.progressWindow->setText(fromUtf8(text));
}

void DesktopUi::setProgressMaximum(int maximum) {
  interface_.progressWindow->setSliderMax(maximum);
}

void DesktopUi::setProgressPosition(int position) {
  interface_.progressWindow->setSlider(position);
}

void DesktopUi::closeProgress() {
  interface_.progressWindow->close();
}

int DesktopUi::ask(const Question& question) {
  return alerts_.ask(fromUtf8(question.message), fromUtf8(question.informative), question.buttons,
                     question.decliningAnswer,
                     // The alert's default button answers Return, unless the question wants a
                     // deliberate choice.
                     question.declineByDefault ? question.decliningAnswer : kAlertDefault);
}

void DesktopUi::reportProblem(Problem problem, const std::string& title, const std::string& summary,
                              const std::string& details) {
  alerts_.showProblem(problem == Problem::Failed, fromUtf8(title), fromUtf8(summary),
                      fromUtf8(details));
}

void DesktopUi::showMessage(const std::string& message, const std::string& button,
                            const std::string& informative) {
  alerts_.showMessage(fromUtf8(message), fromUtf8(button), fromUtf8(informative));
}

}  // namespace slotsmith
