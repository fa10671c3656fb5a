#include "support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "core/DatabasePaths.h"
#include "support/Platform.h"

namespace fs = std::filesystem;

namespace slotsmith::testing {

namespace {

// Names a file in the temporary folder in the variable, unless it names one already.
bool keepOutsideHome(const char* variable, const char* fileName) {
  if (std::getenv(variable) != nullptr) return true;
  const std::string path = (fs::temp_directory_path() / fileName).string();
#if defined(_WIN32)
  return _putenv_s(variable, path.c_str()) == 0;
#else
  return ::setenv(variable, path.c_str(), 1) == 0;
#endif
}

// A test run by hand (or under Wine) outside CTest still never touches the real home: the
// history key and the sound library go to the temporary folder, and the command lines a test
// starts inherit them.
const bool historyKeyOutsideHome =
    keepOutsideHome("SLOTSMITH_HISTORY_KEY", "slotsmith-test-history-key");
const bool libraryOutsideHome =
    keepOutsideHome("SLOTSMITH_LIBRARY", "slotsmith-test-library.sqlite");

}  // namespace

// A new folder named name-XXXXXX, as mkdtemp makes them, on every platform. Its path is written
// with '/', the engine's separator, so that tests compare paths and messages the same way on
// Windows. Windows names cannot hold " * : < > ? |: there a ' stands for the quote, and a _ for
// the others.
TempDir::TempDir(const std::string& requested, const std::string& parent) {
  std::string name = requested;
  if (kOnWindows) {
    for (char& c : name) {
      if (c == '"') c = '\'';
      if (std::string_view("*:<>?|").find(c) != std::string_view::npos) c = '_';
    }
  }
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  const fs::path base = parent.empty() ? fs::temp_directory_path() : pathFromUtf8(parent);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(6, ' ');
    for (char& letter : suffix)
      letter = kLetters[pick(random)];
    const fs::path folder = base / pathFromUtf8(name + "-" + suffix);
    std::error_code error;
    if (fs::create_directory(folder, error)) {
      path_ = utf8FromPath(folder);
      return;
    }
    if (error)
      throw std::runtime_error("cannot create " + utf8FromPath(folder) + ": " + error.message());
  }
  throw std::runtime_error("no free temporary folder name for " + name);
}

fs::path pathFromUtf8(const std::string& path) {
  return fs::path(std::u8string(path.begin(), path.end()));
}

std::string utf8FromPath(const fs::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests may leave read-only folders behind; make them writable so they can be removed.
  for (auto it = fs::recursive_directory_iterator(pathFromUtf8(path_), ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(pathFromUtf8(path_), ignored);
}

void writeFile(const std::string& path, const std::string& contents) {
  fs::create_directories(pathFromUtf8(path).parent_path());
  std::ofstream out(pathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out << contents;
}

std::string readFile(const std::string& path) {
  std::ifstream in(pathFromUtf8(path), std::ios::binary);
  if (!in || fs::is_directory(pathFromUtf8(path))) return "<missing>";
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(pathFromUtf8(path), ignored));
}

std::vector<std::string> listNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(pathFromUtf8(folder), ignored)) {
    names.push_back(utf8FromPath(entry.path().filename()));
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
  for (auto it = std::filesystem::recursive_directory_iterator(pathFromUtf8(root));
       it != std::filesystem::recursive_directory_iterator(); ++it) {
    const auto& entry = *it;
    const std::string path = utf8FromPath(entry.path());
    const std::string relative = path.substr(root.size());
    // The program's own journal, lock and undo data are not the user's database.
    if (relative == "/.slotsmith") {
      it.disable_recursion_pending();
      continue;
    }
    if (entry.is_directory()) {
      tree[relative + "/"];
    } else {
      tree[relative] = readFile(path);
    }
  }
  return tree;
}

}  // namespace slotsmith::testing
