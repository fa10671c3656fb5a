// The real program, started as a script starts it, says byte for byte what the same command says
// when run in process: "\n" ends each line (the C runtime on Windows would write "\r\n" unless
// told otherwise), arguments outside ASCII arrive as they were given (Windows hands main() its
// arguments in the local code page), and the exit status is the same. And the doctor's probe of a
// lock holder tells a running program from one that has ended.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "KilledEdits.h"
#include "ops/Doctor.h"

namespace slotsmith::cli {
namespace {

TEST(ProcessOutput, TheProgramWritesWhatTheCommandWritesByteForByte) {
  testing::TempDir dir("process output \xc3\xa9\xe9\x9f\xb3");
  const std::string root = dir.path() + "/Neuron DB \xe2\x99\xaa";
  ASSERT_EQ(runSlotsmith({"demo", root}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"rename", root, "sounds", "1", "Cafe Noir", "--yes"}).status, kExitDone);
  const std::vector<std::vector<std::string>> commands{
      {"list", root, "sounds"},
      {"list", root, "models", "--json"},
      {"list", root, "sounds", "--match", "Noir"},
      {"diff", root, "0", "1"},
      {"doctor", root},
      {"check", root + "/Sounds"},
      {"list", root},
  };
  const std::string output = dir.path() + "/output";
  const std::string error = dir.path() + "/error";
  for (const std::vector<std::string>& command : commands) {
    SCOPED_TRACE(::testing::PrintToString(command));
    const CliRun inProcess = runSlotsmith(command);
    EXPECT_EQ(runProgramToFiles(slotsmithArgs(command), output, error), inProcess.status);
    EXPECT_EQ(testing::readFile(output), inProcess.out);
    EXPECT_EQ(testing::readFile(error), inProcess.err);
    EXPECT_EQ((inProcess.out + inProcess.err).find('\r'), std::string::npos);
    EXPECT_FALSE(inProcess.out.empty() && inProcess.err.empty());
  }
}

// A lock left by a program that has ended may be cleared; one whose holder runs never is.
TEST(ProcessOutput, TheProbeOfALockHolderTellsARunningProgramFromAnEndedOne) {
  testing::TempDir dir("probe");
  const std::string root = dir.path() + "/DB";
  ASSERT_EQ(runSlotsmith({"demo", root, "--full"}).status, kExitDone);
  // An edit of a hundred model slots, and every sound's references, is long enough to be
  // looked at while it runs.
  const Child child =
      startChild(slotsmithArgs({"move", root, "models", "100-199", "--to", "0", "--yes"}));
  const long id = childId(child);
  ASSERT_GT(id, 0);
  EXPECT_TRUE(processIsRunning(id));
  EXPECT_EQ(waitForExit(child), kExitDone);
  EXPECT_FALSE(processIsRunning(id));
  EXPECT_TRUE(processIsRunning(0));  // no process to tell about: taken as running
}

}  // namespace
}  // namespace slotsmith::cli

namespace slotsmith::cli {
namespace {

void setVariable(const char* name, const char* value) {
#if defined(_WIN32)
  _putenv_s(name, value == nullptr ? "" : value);
#else
  if (value == nullptr) {
    ::unsetenv(name);
  } else {
    ::setenv(name, value, 1);
  }
#endif
}

// The program speaks the language the environment asks for, in the engine's questions too, and
// C is English whatever LANGUAGE says; what scripts read (lists, --json) is the same byte for
// byte in every language.
TEST(ProcessOutput, TheProgramSpeaksTheUsersLanguageButWhatScriptsReadNeverChanges) {
  testing::TempDir dir("languages");
  const std::string root = dir.path() + "/DB";
  ASSERT_EQ(runSlotsmith({"demo", root}).status, kExitDone);
  const std::string output = dir.path() + "/output";
  const std::string error = dir.path() + "/error";
  const auto run = [&](const std::vector<std::string>& command, const char* lcAll, const char* lang,
                       const char* language) {
    setVariable("LC_ALL", lcAll);
    setVariable("LC_MESSAGES", nullptr);
    setVariable("LANG", lang);
    setVariable("LANGUAGE", language);
    const int status = runProgramToFiles(slotsmithArgs(command), output, error);
    for (const char* name : {"LC_ALL", "LANG", "LANGUAGE"})
      setVariable(name, nullptr);
    return std::pair{status, testing::readFile(output) + testing::readFile(error)};
  };
  const std::vector<std::string> remove{"delete", root, "sounds", "1-3"};
  const auto [germanStatus, german] = run(remove, nullptr, "de_DE.UTF-8", nullptr);
  EXPECT_NE(german.find("Ausgewählte Sounds löschen/entfernen"), std::string::npos) << german;
  EXPECT_NE(german.find("Die ausgewählten Sounds: Plätze 1–3."), std::string::npos) << german;
  const auto [englishStatus, english] = run(remove, "C", "de_DE.UTF-8", "de");
  EXPECT_NE(english.find("Delete/remove selected sounds"), std::string::npos) << english;
  EXPECT_NE(english.find("The selected sounds: slots 1–3."), std::string::npos) << english;
  EXPECT_EQ(germanStatus, englishStatus);

  // A source gone since it was read keeps a reason in the library file, which scripts read.
  const std::string library = dir.path() + "/library.sqlite";
  const std::string gone = dir.path() + "/Gone";
  ASSERT_EQ(runSlotsmith({"demo", gone}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"library", "add", root, gone, "--library", library}).status, kExitDone);
  std::filesystem::remove_all(testing::pathFromUtf8(gone));
  ASSERT_EQ(runSlotsmith({"library", "refresh", "--library", library}).status, kExitDone);
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"list", root, "models"},
        {"list", root, "sounds"},
        {"list", root, "models", "--json"},
        {"list", root, "sounds", "--match", "unused"},
        {"duplicates", root, "--json"},
        {"library", "sources", "--library", library},
        {"library", "sources", "--json", "--library", library},
        {"library", "search", "--json", "--library", library}}) {
    SCOPED_TRACE(::testing::PrintToString(command));
    const auto inGerman = run(command, nullptr, "de_DE.UTF-8", "de");
    const auto inC = run(command, "C", nullptr, nullptr);
    EXPECT_EQ(inGerman, inC);
  }
}

// The help, CLI11's own words in it, the usage errors and what the program says around an edit
// are in the user's language; in C they are English. None of the English is left in the German
// (an option listed under a group of its own, "Options:", would be).
TEST(ProcessOutput, TheHelpAndTheProgramsOwnMessagesAreInTheUsersLanguage) {
  testing::TempDir dir("help languages");
  const std::string root = dir.path() + "/DB";
  ASSERT_EQ(runSlotsmith({"demo", root}).status, kExitDone);
  const std::string output = dir.path() + "/output";
  const std::string error = dir.path() + "/error";
  const auto run = [&](const std::vector<std::string>& command, bool german) {
    setVariable("LC_ALL", german ? nullptr : "C");
    setVariable("LC_MESSAGES", nullptr);
    setVariable("LANGUAGE", nullptr);
    setVariable("LANG", german ? "de_DE.UTF-8" : nullptr);
    runProgramToFiles(slotsmithArgs(command), output, error);
    for (const char* name : {"LC_ALL", "LANG"})
      setVariable(name, nullptr);
    return testing::readFile(output) + testing::readFile(error);
  };
  struct Case {
    std::vector<std::string> command;
    std::vector<std::string> german;
    std::vector<std::string> english;  // each of them absent from the German
  };
  const std::string library = dir.path() + "/library.sqlite";
  const std::string none = dir.path() + "/none";
  const std::vector<Case> cases{
      {{"--help"},
       {"Slotsmith ordnet die Sounddatenbank", "Aufruf: slotsmith [OPTIONEN] UNTERBEFEHL",
        "Optionen:", "Diese Hilfe ausgeben und beenden", "Unterbefehle:", "Ihre Soundbibliothek",
        "SLOTS ist eine Liste"},
       {"Slotsmith organises the sound database", "Usage: slotsmith [OPTIONS] SUBCOMMAND",
        "Options:", "Print this help message and exit", "Subcommands:", "Your sound library",
        "SLOTS is a list"}},
      {{"copy", "--help"},
       {"Positionsargumente:", "ERFORDERLICH", "Optionen:", "Der Datenbankordner",
        "Ohne Nachfrage bestätigen", "Änderungen fragen, bevor"},
       {"Positionals:", "REQUIRED", "Options:", "The database folder", "Confirm without asking",
        "Edits ask before"}},
      {{"library", "list", "move", "--help"},
       {"Einträge einer Liste", "Die Bibliotheksdatei", "Optionen:"},
       {"Move items of a list", "The library file", "Options:"}},
      {{"delete", root, "sounds", "1"},
       {"Nicht bestätigt: Die Standardeingabe ist kein Terminal",
        "Abgebrochen; nichts wurde geändert."},
       {"Not confirmed: standard input is not a terminal", "Cancelled; nothing was changed."}},
      {{"delete", root, "sounds", "1", "--dry-run"},
       {"Probelauf: ", ", 1 Schritt; "},
       {"Dry run: ", ", 1 steps; "}},
      {{"names", dir.path() + "/none"},
       {"none: keine Neuron-Datenbank"},
       {"none: not a Neuron database"}},
      {{"copy", root, "sounds", "1-x", "--to", "5"},
       {"erwartet werden Platznummern 0-999"},
       {"expected slot numbers 0-999"}},
      {{"copy", root, "sounds", "1", "--to", "5.5"},
       {"„5.5“ ist keine ganze Zahl"},
       {"\"5.5\" is not a whole number"}},
      {{"copy", root, "sounds", "1", "--to", "1200"},
       {"1200 liegt nicht im Bereich 0 bis 1000"},
       {"1200 is not in range 0 to 1000"}},
      {{"library", "add", root, "--library", library},
       {"/DB gelesen: ", " Sounds, "},
       {"Read ", " sounds, "}},
      {{"library", "add", none, "--library", library},
       {"none ist weder ein Datenbankordner", "es wurde nichts hinzugefügt."},
       {"none is no database folder", "nothing was added."}},
      {{"library", "remove", none, "--library", library},
       {"none: ist keine Quelle der Bibliothek"},
       {"none: is no source of the library"}},
      {{"library", "list", "remove", "Pads", "1", "--library", library},
       {"Pads: ist keine Liste der Bibliothek"},
       {"Pads: is no list of the library"}},
      {{"library", "tag", "--id", "zz", "--library", library},
       {"Eine Sound-ID besteht aus 8 bis 64 Hexadezimalziffern", "(„zz“ nicht)"},
       {"A sound id is 8 to 64 hex digits", "(\"zz\" is not)"}},
      {{"library", "search", "places:x", "--library", library},
       {"places:x: geben Sie eine Anzahl von Orten an"},
       {"places:x: give a number of places"}},
      // The engine's refusals, from the edit, the import's checks, a name and --match's parser.
      {{"copy", root, "sounds", "990-995", "--to", "998", "--yes"},
       {"Ein Block aus 6 Sounds passt nicht auf Platz #998", "spätestens bei Platz #994"},
       {"A block of 6 sounds does not fit at slot #998", "at slot #994 at the latest"}},
      {{"import", root, "1", "--from", root, "--to", "5", "--yes"},
       {"ist diese Datenbank selbst; verwenden Sie copy"},
       {"is this database itself; use copy"}},
      {{"rename", root, "sounds", "3", "An Overly Long Sound Name", "--yes"},
       {"Es wurde nichts umbenannt:", "Sound 3: „An Overly Long Sound Name“ hat 25 Zeichen"},
       {"Nothing was renamed:", "a sound name holds at most 16"}},
      {{"list", root, "sounds", "--match", "model:x"},
       {"model: braucht eine Platznummer 0-999"},
       {"model: needs a slot number 0-999"}},
      // The demo's sounds refer to a model slot it leaves empty.
      {{"doctor", root},
       {"Verweis auf einen leeren Platz: ", "verweist auf Modellplatz 8, der leer ist"},
       {"reference to an empty slot: ", "refers to model slot 8, which is empty"}},
      {{"doctor", root, "--clear-aside", "none"},
       {"existiert nicht; `slotsmith doctor` listet auf, was beiseitegelegt ist."},
       {"does not exist; `slotsmith doctor` lists what is set aside."}},
      {{"doctor", root, "--adopt"}, {"--adopt gehört zu --fix."}, {"--adopt goes with --fix."}},
      {{"history", root},
       {"Keine Änderungen, die rückgängig gemacht oder wiederhergestellt werden können.",
        "Behält die neuesten 50 Änderungen innerhalb von "},
       {"No edits to undo or redo.", "Keeps the newest 50 edits within "}},
      {{"undo", root},
       {"Es gibt keine Änderung, die rückgängig gemacht werden kann."},
       {"There is no edit to undo."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.command));
    const std::string german = run(c.command, true);
    const std::string english = run(c.command, false);
    for (const std::string& text : c.german)
      EXPECT_NE(german.find(text), std::string::npos) << text << "\n" << german;
    for (const std::string& text : c.english) {
      EXPECT_NE(english.find(text), std::string::npos) << text << "\n" << english;
      EXPECT_EQ(german.find(text), std::string::npos) << text << "\n" << german;
    }
  }
}

}  // namespace
}  // namespace slotsmith::cli
