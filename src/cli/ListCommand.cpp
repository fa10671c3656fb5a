#include <cstdio>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "core/SlotCells.h"

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

// A cell of the text list. Names are free bytes, but a TAB or a line break inside one would
// split the line that scripts read as exactly one slot with fixed columns; those print as spaces.
std::string textCell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

class ListCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "list",
                  "Print the 1000 slots of a bank: sounds as NNN<TAB>name<TAB>model1<TAB>model2, "
                  "models as NNN<TAB>name<TAB>status");
    addDatabaseArgument();
    addBankArgument();
    subcommand()->add_flag("--json", json_, "Print a JSON array of objects instead");
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    const SlotTables& tables = opened->database.tables();
    if (json_) console.out << "[\n";
    for (int n = 0; n < kSlotCount; ++n) {
      if (bank() == Bank::Sounds) {
        printSound(console.out, tables, n);
      } else {
        printModel(console.out, tables, n);
      }
      if (json_) console.out << (n + 1 < kSlotCount ? ",\n" : "\n");
    }
    if (json_) console.out << "]\n";
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
};

}  // namespace

std::unique_ptr<Command> makeListCommand() {
  return std::make_unique<ListCommand>();
}

}  // namespace slotsmith::cli
