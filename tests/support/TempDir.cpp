#include "support/TempDir.h"

#include <stdlib.h>
#include <unistd.h>  // mkdtemp on macOS

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/DatabasePaths.h"

namespace fs = std::filesystem;

namespace slotsmith::testing {

TempDir::TempDir(const std::string& name) {
  std::string templ = (fs::temp_directory_path() / (name + "-XXXXXX")).string();
  if (::mkdtemp(templ.data()) == nullptr) throw std::runtime_error("mkdtemp failed: " + templ);
  path_ = templ;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests may leave read-only folders behind; make them writable so they can be removed.
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& contents) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || fs::is_directory(path)) return "<missing>";
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

std::vector<std::string> listNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string soundScriptText(const std::string& name, int model1, int switch1, int model2,
                            int switch2) {
  std::string text = "Volume\t100\n";
  for (int k = 0; k < 16; ++k) {
    const int code = k < static_cast<int>(name.size()) ? static_cast<unsigned char>(name[k]) : 0;
    char line[32];
    std::snprintf(line, sizeof line, "SoundNameC%02d\t%d\n", k, code);
    text += line;
  }
  text += "R1ModellIndex\t" + std::to_string(model1) + "\n";
  text += "R1Switch\t" + std::to_string(switch1) + "\n";
  text += "R2ModellIndex\t" + std::to_string(model2) + "\n";
  text += "R2Switch\t" + std::to_string(switch2) + "\n";
  text += "Pan\t64\n";
  return text;
}

void writeSound(const std::string& root, int slot, const std::string& name, int model1, int switch1,
                int model2, int switch2) {
  writeFile(soundScriptPath(root, slot), soundScriptText(name, model1, switch1, model2, switch2));
}

void writeModel(const std::string& root, int slot, const std::string& name) {
  writeFile(modelNamePath(root, slot), name + "\n");
  writeFile(slotFolderPath(root, Bank::Models, slot) + "/data.bin", "model " + name);
}

std::map<std::string, std::string> treeSnapshot(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (auto it = std::filesystem::recursive_directory_iterator(root);
       it != std::filesystem::recursive_directory_iterator(); ++it) {
    const auto& entry = *it;
    const std::string relative = entry.path().string().substr(root.size());
    // The program's own journal, lock and undo data are not the user's database.
    if (relative == "/.slotsmith") {
      it.disable_recursion_pending();
      continue;
    }
    if (entry.is_directory()) {
      tree[relative + "/"];
    } else {
      tree[relative] = readFile(entry.path().string());
    }
  }
  return tree;
}

}  // namespace slotsmith::testing
