#include <cstdio>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "core/SlotCells.h"
#include "core/SlotFilter.h"

namespace slotsmith::cli {
namespace {

// Names are the bytes the database stores; JSON gets them as Latin-1 code points so that any
// byte survives the trip.
void writeJsonString(std::ostream& out, const std::string& text) {
  out << '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else if (c >= 0x20 && c < 0x7f) {
      out << c;
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out << escape;
    }
  }
  out << '"';
}

class ListCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "list",
        userText(USER_TEXT(
            "cli list",
            "Print the 1000 slots of a bank: sounds as NNN<TAB>name<TAB>model1<TAB>model2, "
            "models as NNN<TAB>name<TAB>status")));
    addDatabaseArgument();
    addBankArgument();
    subcommand()->add_flag(
        "--json", json_, userText(USER_TEXT("cli list", "Print a JSON array of objects instead")));
    subcommand()
        ->add_option_function<std::string>(
            "--match",
            // The validator below has already refused text that does not parse.
            [this](const std::string& text) {
              static_cast<void>(SlotFilter::parse(text, filter_));
            },
            userText(USER_TEXT("cli list",
                               "Print only the slots that match every word of TEXT (see below)")))
        ->type_name("TEXT")
        ->check(CLI::Validator(
            [](std::string& text) {
              SlotFilter filter;
              const Status parsed = SlotFilter::parse(text, filter);
              return parsed.isOk() ? std::string() : parsed.message();
            },
            "TEXT"));
    subcommand()->footer(userText(USER_TEXT(
        "cli list",
        "--match words (a slot must match all of them):\n"
        "  TEXT      the name holds TEXT, any case; quote a phrase: --match '\"warm pad\"'\n"
        "  model:N   sounds: a reference to model N, switched on or off; models: slot N\n"
        "  unused    sounds: playing no model; models: no sound refers to it (!!UNUSED!!)\n"
        "  disabled  sounds: a switched-off reference to a model; models: in use - disabled\n"
        "  empty     empty slots (every other word matches only slots holding something)")));
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    const SlotTables& tables = opened->database.tables();
    const std::vector<int> slots = filter_.matchingSlots(tables, bank());
    if (json_) console.out << "[\n";
    for (std::size_t i = 0; i < slots.size(); ++i) {
      if (bank() == Bank::Sounds) {
        printSound(console.out, tables, slots[i]);
      } else {
        printModel(console.out, tables, slots[i]);
      }
      if (json_) console.out << (i + 1 < slots.size() ? ",\n" : "\n");
    }
    if (json_) console.out << "]\n";
    noteDoctorFindings(*opened, console, databasePath_);
    return kExitDone;
  }

 private:
  void printSound(std::ostream& out, const SlotTables& tables, int n) const {
    const SoundSlot& sound = tables.soundSlots[n];
    const std::string model1 = modelReferenceText(tables, sound.sModel1, sound.sModelOn1);
    const std::string model2 = modelReferenceText(tables, sound.sModel2, sound.sModelOn2);
    char number[8];
    std::snprintf(number, sizeof number, "%03d", n);
    if (!json_) {
      out << number << '\t' << textCell(sound.sSoundName) << '\t' << textCell(model1) << '\t'
          << textCell(model2) << '\n';
      return;
    }
    out << "  {\"slot\": " << n
        << ", \"occupied\": " << (sound.sIsUsed == kSoundOccupied ? "true" : "false")
        << ", \"name\": ";
    writeJsonString(out, sound.sSoundName);
    out << ", \"model1\": " << sound.sModel1 << ", \"switch1\": " << sound.sModelOn1
        << ", \"model2\": " << sound.sModel2 << ", \"switch2\": " << sound.sModelOn2
        << ", \"model1Text\": ";
    writeJsonString(out, model1);
    out << ", \"model2Text\": ";
    writeJsonString(out, model2);
    out << '}';
  }

  void printModel(std::ostream& out, const SlotTables& tables, int n) const {
    const ModelSlot& model = tables.modelSlots[n];
    const std::string status = modelStatusText(model.sIsUsed);
    char number[8];
    std::snprintf(number, sizeof number, "%03d", n);
    if (!json_) {
      out << number << '\t' << textCell(model.sModelName) << '\t' << status << '\n';
      return;
    }
    out << "  {\"slot\": " << n << ", \"name\": ";
    writeJsonString(out, model.sModelName);
    out << ", \"use\": " << model.sIsUsed << ", \"status\": ";
    writeJsonString(out, status);
    out << '}';
  }

  bool json_ = false;
  SlotFilter filter_;  // without --match: every slot
};

}  // namespace

std::unique_ptr<Command> makeListCommand() {
  return std::make_unique<ListCommand>();
}

}  // namespace slotsmith::cli
