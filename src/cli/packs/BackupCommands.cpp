// `backup`, `verify` and `restore`: a whole database (not its undo history) in one .tar.zst file
// with a manifest of SHA-256 sums; checked against it; restored into a new or empty folder.
#include <memory>
#include <ostream>

#include "cli/Commands.h"
#include "packs/Backup.h"
#include "packs/Pack.h"

namespace slotsmith::cli {
namespace {

class BackupCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "backup",
        userText(USER_TEXT("cli backup",
                           "Write the whole database DB (not its undo history) to one file")));
    addDatabaseArgument();
    subcommand()->add_option(
        "--to", file_,
        userText(USER_TEXT("cli backup",
                           "The backup file (default: DB-YYYYMMDD-HHMMSS.tar.zst beside DB)")));
  }

  int run(Console& console) override {
    const std::string file = file_.empty() ? defaultBackupPath(databasePath_) : file_;
    // Refused before opening, which would first say it reads the database as it is now.
    if (isValidDatabase(databasePath_)) {
      if (Status s = checkBackupCanStart(realFileSystem(), databasePath_, file); !s.isOk()) {
        console.err << s.message() << '\n';
        return kExitRefused;
      }
    }
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    const std::string& root = *opened->database.root();
    std::size_t files = 0;
    if (Status s = backUpDatabase(opened->database.fileSystem(), root, file, files); !s.isOk()) {
      console.err << s.message() << '\n';
      return kExitRefused;
    }
    // "files" even for one: the English of this line stays as it has always been.
    console.out << userText(USER_TEXT_N("cli backup", "Backed up {n} files to {path}."),
                            {{"path", file}}, static_cast<long long>(files))
                << '\n';
    return kExitDone;
  }

 private:
  std::string file_;
};

class VerifyCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "verify",
        userText(USER_TEXT("cli verify", "Check a backup file against the sums of its manifest")));
    subcommand()
        ->add_option("FILE", file_, userText(USER_TEXT("cli verify", "The backup file")))
        ->required();
  }

  int run(Console& console) override {
    ArchiveTree tree;
    if (Status s = verifyBackup(file_, tree); !s.isOk()) {
      console.err << s.message() << '\n';
      return kExitRefused;
    }
    console.out << userText(USER_TEXT_N("cli verify",
                                        "{path}: {n} files, every one as it was backed up."),
                            {{"path", file_}}, static_cast<long long>(tree.files.size()))
                << '\n';
    return kExitDone;
  }

 private:
  std::string file_;
};

class RestoreCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "restore",
                  userText(USER_TEXT(
                      "cli restore",
                      "Restore a backup file into a new or empty folder, or into a database as an "
                      "undoable edit")));
    subcommand()
        ->add_option("FILE", file_, userText(USER_TEXT("cli restore", "The backup file")))
        ->required();
    subcommand()
        ->add_option("--to", databasePath_,
                     userText(USER_TEXT(
                         "cli restore",
                         "A new or empty folder, or a database whose slots become the backup's")))
        ->required();
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    if (!isValidDatabase(databasePath_)) {
      std::size_t files = 0;
      if (Status s = restoreBackup(realFileSystem(), file_, databasePath_, files); !s.isOk()) {
        console.err << s.message() << '\n';
        return kExitRefused;
      }
      console.out << userText(USER_TEXT_N("cli restore", "Restored {n} files into {path}."),
                              {{"path", databasePath_}}, static_cast<long long>(files))
                  << '\n';
      return kExitDone;
    }
    // Into a database: the backup is read whole and verified, then shown at its own path, and
    // every slot that differs is replaced as one edit that undo reverses.
    ArchiveTree backup;
    if (Status s = verifyBackup(file_, backup); !s.isOk()) {
      console.err << userText(USER_TEXT("cli", "{reason}\nNothing was changed."),
                              {{"reason", s.message()}})
                  << '\n';
      return kExitRefused;
    }
    PackFileSystem view(realFileSystem(), file_, backup);
    fileSystem_ = &view;
    return runRequest(console, RestoreRequest{file_});
  }

 private:
  std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeBackupCommand() {
  return std::make_unique<BackupCommand>();
}
std::unique_ptr<Command> makeVerifyCommand() {
  return std::make_unique<VerifyCommand>();
}
std::unique_ptr<Command> makeRestoreCommand() {
  return std::make_unique<RestoreCommand>();
}

}  // namespace slotsmith::cli
