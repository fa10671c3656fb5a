// What every `library` subcommand shares (cli/library/LibraryCommand.h).
#include "cli/library/LibraryCommand.h"

#include <cstdio>
#include <ctime>
#include <map>

#include "core/NameFolding.h"
#include "library/LibraryFile.h"

namespace slotsmith::cli {
namespace {

// A command that only holds subcommands (`library`, `library list`), made by whichever of them
// is configured first.
CLI::App& groupIn(CLI::App& parent, const std::string& name, const std::string& help) {
  for (CLI::App* existing : parent.get_subcommands({})) {
    if (existing->get_name() == name) return *existing;
  }
  CLI::App* group = parent.add_subcommand(name, help);
  listHelpFlagWithOptions(*group);
  group->require_subcommand(1);
  return *group;
}

CLI::App& libraryGroup(CLI::App& app) {
  return groupIn(app, "library",
                 userText(USER_TEXT("cli library",
                                    "Your sound library: every sound of your "
                                    "databases, where each one lies")));
}

}  // namespace

// A time as UTC, "2026-12-10T01:40:00Z".
std::string utcText(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
#if defined(_WIN32)
  gmtime_s(&parts, &time);
#else
  gmtime_r(&time, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

// Text that is UTF-8 (paths are taken as UTF-8, a byte that is none as Latin-1) as a JSON string.
void writeJsonText(std::ostream& out, const std::string& text) {
  out << '"';
  for (const char c : nameAsUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out << escape;
    } else {
      out << c;
    }
  }
  out << '"';
}

void LibraryCommand::addLibrarySubcommand(CLI::App& app, const std::string& name,
                                          const std::string& help) {
  addSubcommand(libraryGroup(app), name, help);
  addLibraryOption();
}

void LibraryCommand::addLibrarySubcommand(CLI::App& app, const std::string& group,
                                          const std::string& groupHelp, const std::string& name,
                                          const std::string& help) {
  addSubcommand(groupIn(libraryGroup(app), group, groupHelp), name, help);
  addLibraryOption();
}

void LibraryCommand::addLibraryOption() {
  subcommand()->add_option(
      "--library", libraryFile_,
      userText(USER_TEXT("cli library",
                         "The library file (default: SLOTSMITH_LIBRARY, else library.sqlite "
                         "in your data folder)")));
}

std::unique_ptr<Library> LibraryCommand::openLibrary(Console& console) {
  std::unique_ptr<Library> library;
  const std::string path = libraryFile_.empty() ? libraryPath() : libraryFile_;
  if (Status opened = Library::open(path, library); !opened.isOk()) {
    console.err << opened.message() << '\n';
    return nullptr;
  }
  return library;
}

bool LibraryCommand::reportRefresh(Library& library, const std::vector<RefreshOutcome>& outcomes,
                                   Console& console) {
  std::vector<SourceRecord> records;
  std::map<std::string, SourceRecord> byPath;
  if (library.sources(records).isOk()) {
    for (SourceRecord& record : records)
      byPath[record.path] = std::move(record);
  }
  bool allRead = true;
  for (const RefreshOutcome& outcome : outcomes) {
    if (!outcome.status.isOk()) {
      console.err << outcome.status.message() << '\n';
      allRead = false;
      continue;
    }
    const SourceRecord& record = byPath[outcome.path];
    if (record.state == SourceState::Ok) {
      // The English says "sounds" and "models" whatever the number, as it always has; a
      // catalogue gives each count its form.
      console.out << userText(USER_TEXT("cli library", "Read {path}: {sounds}, {models}."),
                              {{"path", outcome.path},
                               {"sounds", userText(USER_TEXT_N("cli library", "{n} sounds"), {},
                                                   record.sounds)},
                               {"models", userText(USER_TEXT_N("cli library", "{n} models"), {},
                                                   record.models)}})
                  << '\n';
    } else {
      // The state and the reason are the library's records, English as `library sources` and
      // scripts read them.
      console.out << outcome.path << ": " << sourceStateName(record.state) << ", " << record.reason
                  << ".\n";
    }
  }
  return allRead;
}

}  // namespace slotsmith::cli
