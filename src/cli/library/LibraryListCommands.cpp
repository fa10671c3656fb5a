// `library list create|add|remove|move|rename|show|delete`: the user's lists of sounds
// (src/library/Lists.h), ordered and kept by identity, from which `library place` builds a block of
// a bank.
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "cli/library/LibraryCommand.h"
#include "library/Lists.h"
#include "ops/QuestionText.h"

namespace slotsmith::cli {
namespace {

constexpr TextTemplate kListGroupHelp =
    USER_TEXT("cli library list", "Your lists of sounds, from which `library place` builds banks");

// A list subcommand: the list's name comes first, and the command either is done or says why not.
class LibraryListCommand : public LibraryCommand {
 protected:
  void addListSubcommand(CLI::App& app, const std::string& name, const std::string& help) {
    addLibrarySubcommand(app, "list", userText(kListGroupHelp), name, help);
    subcommand()
        ->add_option("NAME", list_, userText(USER_TEXT("cli library list", "The list's name")))
        ->required();
  }

  // A list is not a bank: it may hold more than 1000 sounds, so its positions go past 999. The
  // bound keeps what a range like 1-999999999 makes in memory small.
  static constexpr int kPositionEnd = 1'000'000;

  void addPositionsArgument() {
    subcommand()
        ->add_option_function<std::string>(
            "POSITIONS",
            [this](const std::string& text) { positions_ = *parseSlotList(text, kPositionEnd); },
            userText(USER_TEXT("cli library list", "The positions: 2, 2,5 or 3-6,9")))
        ->check(CLI::Validator(
            [](std::string& text) -> std::string {
              return parseSlotList(text, kPositionEnd)
                         ? std::string()
                         : userText(USER_TEXT("cli library list",
                                              "expected positions from 1 and "
                                              "ranges like 2,5-7"));
            },
            "POSITIONS"))
        ->required();
  }

  int report(const Status& status, Console& console) {
    if (status.isOk()) return kExitDone;
    console.err << status.message() << '\n';
    return kExitRefused;
  }

  std::string list_;
  std::vector<int> positions_;
};

class ListCreateCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(
        app, "create",
        userText(USER_TEXT("cli library list create", "Make a new, empty list of sounds")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const int status = report(createList(*library, list_), console);
    if (status == kExitDone) {
      console.out << userText(USER_TEXT("cli library list create", "Made the list {name}."),
                              {{"name", textCell(list_)}})
                  << '\n';
    }
    return status;
  }
};

class ListDeleteCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(app, "delete",
                      userText(USER_TEXT("cli library list delete",
                                         "Delete a list (its sounds stay where they lie)")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const int status = report(deleteList(*library, list_), console);
    if (status == kExitDone) {
      console.out << userText(USER_TEXT("cli library list delete", "Deleted the list {name}."),
                              {{"name", textCell(list_)}})
                  << '\n';
    }
    return status;
  }
};

class ListAddCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(
        app, "add",
        userText(USER_TEXT("cli library list add",
                           "Add to the end of a list the sounds the library records in slots of a "
                           "source")));
    subcommand()
        ->add_option("SOURCE", source_,
                     userText(USER_TEXT("cli library list add", "A source of the library")))
        ->required();
    addSlotsArgument("SLOTS", slots_,
                     userText(USER_TEXT("cli library list add",
                                        "The sounds' slots in SOURCE: 3, 3,5 or 5-7,9")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    ListAddition addition;
    const int status = report(addToList(*library, list_, source_, slots_, addition), console);
    if (status != kExitDone) return status;
    console.out << userText(USER_TEXT_N("cli library list add", "Added {n} sound(s) to {name}."),
                            {{"name", textCell(list_)}}, addition.added)
                << '\n';
    if (!addition.alreadyListed.empty()) {
      console.out << userText(USER_TEXT("cli library list add",
                                        "Already in the list: {slots} of {source}."),
                              {{"slots", slotsText(addition.alreadyListed)},
                               {"source", textCell(sourcePathOf(source_))}})
                  << '\n';
    }
    return status;
  }

 private:
  std::string source_;
  std::vector<int> slots_;
};

class ListRemoveCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(
        app, "remove",
        userText(USER_TEXT("cli library list remove",
                           "Remove items from a list by their positions (from 1, as `list show` "
                           "prints them); the later ones move up")));
    addPositionsArgument();
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const int status = report(removeFromList(*library, list_, positions_), console);
    if (status == kExitDone) {
      console.out << userText(USER_TEXT_N("cli library list remove",
                                          "Removed {n} sound(s) from {name}."),
                              {{"name", textCell(list_)}},
                              static_cast<long long>(positions_.size()))
                  << '\n';
    }
    return status;
  }
};

class ListMoveCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(
        app, "move",
        userText(USER_TEXT("cli library list move",
                           "Move items of a list, in their order, before another position (from 1, "
                           "as `list show` prints them)")));
    addPositionsArgument();
    subcommand()
        ->add_option("--before", before_,
                     userText(USER_TEXT(
                         "cli library list move",
                         "The position they go before, as the list is now (one past the last: the "
                         "end)")))
        ->required()
        ->check(CLI::PositiveNumber);
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const int status = report(moveInList(*library, list_, positions_, before_), console);
    if (status == kExitDone) {
      console.out << userText(USER_TEXT_N("cli library list move", "Moved {n} sound(s) in {name}."),
                              {{"name", textCell(list_)}},
                              static_cast<long long>(positions_.size()))
                  << '\n';
    }
    return status;
  }

 private:
  int before_ = 0;
};

class ListRenameCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(app, "rename",
                      userText(USER_TEXT("cli library list rename", "Give a list a new name")));
    subcommand()
        ->add_option("NEW", newName_,
                     userText(USER_TEXT("cli library list rename", "The list's new name")))
        ->required();
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const int status = report(renameList(*library, list_, newName_), console);
    if (status == kExitDone) {
      console.out << userText(
                         USER_TEXT("cli library list rename", "Renamed the list {name} to {new}."),
                         {{"name", textCell(list_)}, {"new", textCell(newName_)}})
                  << '\n';
    }
    return status;
  }

 private:
  std::string newName_;
};

// A slot as the lists print it, "007".
std::string slotNumber(int slot) {
  char text[8];
  std::snprintf(text, sizeof text, "%03d", slot);
  return text;
}

void writePlaceJson(std::ostream& out, const ListPlace& place) {
  out << "{\"source\": ";
  writeJsonText(out, place.source);
  out << ", \"kind\": \"" << sourceKindName(place.kind) << "\", \"slot\": " << place.slot
      << ", \"name\": ";
  writeJsonText(out, place.name);
  out << '}';
}

class ListShowCommand : public LibraryListCommand {
 public:
  void configure(CLI::App& app) override {
    addListSubcommand(
        app, "show",
        userText(USER_TEXT("cli library list show",
                           "Print a list: position<TAB>id<TAB>name, then each place it can be "
                           "taken from now as <TAB>NNN path")));
    subcommand()->add_flag(
        "--json", json_,
        userText(USER_TEXT("cli library list show", "Print a JSON array of objects instead")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    std::vector<ListItem> items;
    if (const int status = report(listItems(*library, list_, items), console);
        status != kExitDone) {
      return status;
    }
    if (json_) console.out << "[\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
      const ListItem& item = items[i];
      if (json_) {
        console.out << "  {\"position\": " << item.position << ", \"id\": \""
                    << hexOf(item.identity) << "\", \"name\": ";
        writeJsonText(console.out, item.name);
        console.out << ", \"places\": [";
      } else {
        console.out << item.position << '\t' << hexOf(item.identity) << '\t' << textCell(item.name);
      }
      bool first = true;
      for (const ListPlace& place : item.places) {
        if (!isInReach(place)) continue;
        if (json_) {
          console.out << (first ? "" : ", ");
          writePlaceJson(console.out, place);
        } else {
          console.out << '\t' << slotNumber(place.slot) << ' ' << textCell(place.source);
        }
        first = false;
      }
      console.out << (json_ ? (i + 1 < items.size() ? "]},\n" : "]}\n") : "\n");
    }
    if (json_) console.out << "]\n";
    return kExitDone;
  }

 private:
  bool json_ = false;
};

}  // namespace

std::unique_ptr<Command> makeLibraryListCreateCommand() {
  return std::make_unique<ListCreateCommand>();
}
std::unique_ptr<Command> makeLibraryListAddCommand() {
  return std::make_unique<ListAddCommand>();
}
std::unique_ptr<Command> makeLibraryListRemoveCommand() {
  return std::make_unique<ListRemoveCommand>();
}
std::unique_ptr<Command> makeLibraryListMoveCommand() {
  return std::make_unique<ListMoveCommand>();
}
std::unique_ptr<Command> makeLibraryListRenameCommand() {
  return std::make_unique<ListRenameCommand>();
}
std::unique_ptr<Command> makeLibraryListShowCommand() {
  return std::make_unique<ListShowCommand>();
}
std::unique_ptr<Command> makeLibraryListDeleteCommand() {
  return std::make_unique<ListDeleteCommand>();
}

}  // namespace slotsmith::cli
