// `backup`, `verify` and `restore`: a whole database (not its undo history) in one .tar.zst file
// with a manifest of SHA-256 sums; checked against it; restored into a new or empty folder.
#include <memory>
#include <ostream>

#include "cli/Commands.h"
#include "packs/Backup.h"

namespace slotsmith::cli {
namespace {

class BackupCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "backup", "Write the whole database DB (not its undo history) to one file");
    addDatabaseArgument();
    subcommand()->add_option("--to", file_,
                             "The backup file (default: DB-YYYYMMDD-HHMMSS.tar.zst beside DB)");
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    const std::string& root = *opened->database.root();
    const std::string file = file_.empty() ? defaultBackupPath(root) : file_;
    std::size_t files = 0;
    if (Status s = backUpDatabase(opened->database.fileSystem(), root, file, files); !s.isOk()) {
      console.err << s.message() << '\n';
      return kExitRefused;
    }
    console.out << "Backed up " << files << " files to " << file << ".\n";
    return kExitDone;
  }

 private:
  std::string file_;
};

class VerifyCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "verify", "Check a backup file against the sums of its manifest");
    subcommand()->add_option("FILE", file_, "The backup file")->required();
  }

  int run(Console& console) override {
    ArchiveTree tree;
    if (Status s = verifyBackup(file_, tree); !s.isOk()) {
      console.err << s.message() << '\n';
      return kExitRefused;
    }
    console.out << file_ << ": " << tree.files.size() << " files, every one as it was backed up.\n";
    return kExitDone;
  }

 private:
  std::string file_;
};

class RestoreCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "restore", "Restore a backup file into a new or empty folder");
    subcommand()->add_option("FILE", file_, "The backup file")->required();
    subcommand()
        ->add_option("--to", folder_, "The folder to restore into (new or empty)")
        ->required();
  }

  int run(Console& console) override {
    std::size_t files = 0;
    if (Status s = restoreBackup(realFileSystem(), file_, folder_, files); !s.isOk()) {
      console.err << s.message() << '\n';
      return kExitRefused;
    }
    console.out << "Restored " << files << " files into " << folder_ << ".\n";
    return kExitDone;
  }

 private:
  std::string file_;
  std::string folder_;
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
