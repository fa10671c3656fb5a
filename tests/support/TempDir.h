// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away, plus small helpers to lay out and read back database files in tests.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace slotsmith::testing {

class TempDir {
 public:
  // The name may hold any characters a root may hold (spaces, quotes, non-ASCII...); on Windows
  // those its names cannot hold are replaced. The folder is made in parent, or in the system's
  // temporary folder when parent is empty.
  explicit TempDir(const std::string& name = "slotsmith-test", const std::string& parent = {});
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Paths in tests are UTF-8 with '/', as the engine writes them; std::filesystem takes and gives
// them in the system's own form (on Windows UTF-16 with '\'), and these convert.
std::filesystem::path pathFromUtf8(const std::string& path);
std::string utf8FromPath(const std::filesystem::path& path);

// Writes a file, creating the folders above it.
void writeFile(const std::string& path, const std::string& contents);
// The whole file, or "<missing>" when it cannot be read.
std::string readFile(const std::string& path);
bool exists(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> listNames(const std::string& folder);
// Every file below root by its path relative to root, with its bytes; folders as "path/" with
// no bytes. Two snapshots are equal exactly when the trees are equal byte for byte. The
// program's own .slotsmith folder (journal, lock, undo data) is left out.
std::map<std::string, std::string> treeSnapshot(const std::string& root);

// A sound script with a name and two model references (and their switches).
std::string soundScriptText(const std::string& name, int model1, int switch1, int model2,
                            int switch2);
// Lays out Sounds/NNN.sound/sound.script for a slot of the database at root.
void writeSound(const std::string& root, int slot, const std::string& name, int model1,
                int switch1 = 1, int model2 = 0, int switch2 = 0);
// Lays out Models/NNN.model/MName (and a data file) for a slot of the database at root.
void writeModel(const std::string& root, int slot, const std::string& name);

}  // namespace slotsmith::testing
