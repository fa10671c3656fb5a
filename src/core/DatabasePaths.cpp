#include "core/DatabasePaths.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/FileSystem.h"

namespace slotsmith {

DatabaseRoot databaseRootFromPath(std::string_view path) {
  if (path.empty()) return std::nullopt;
  return pathWithForwardSlashes(path);
}

std::string_view bankFolderName(Bank bank) {
  return bank == Bank::Sounds ? "Sounds" : "Models";
}

std::string_view slotFolderExtension(Bank bank) {
  return bank == Bank::Sounds ? ".sound" : ".model";
}

std::string slotFolderName(Bank bank, int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", number);
  std::string name(digits);
  name += slotFolderExtension(bank);
  return name;
}

std::string bankFolderPath(const std::string& root, Bank bank) {
  std::string path = root;
  path += '/';
  path += bankFolderName(bank);
  return path;
}

std::string slotFolderPath(const std::string& root, Bank bank, int number) {
  std::string path = bankFolderPath(root, bank);
  path += '/';
  path += slotFolderName(bank, number);
  return path;
}

void formatSlotFileInBank(std::string& out, Bank bank, int slot, std::string_view fileName) {
  if (slot >= 0 && slot < 1000) {
    const char digits[3] = {static_cast<char>('0' + slot / 100),
                            static_cast<char>('0' + slot / 10 % 10),
                            static_cast<char>('0' + slot % 10)};
    out.assign(digits, 3);
  } else {
    char digits[16];
    const int length = std::snprintf(digits, sizeof digits, "%03d", slot);
    out.assign(digits, static_cast<std::size_t>(length));
  }
  out += slotFolderExtension(bank);
  out += '/';
  out += fileName;
}

std::string soundScriptPath(const std::string& root, int slot) {
  std::string file;
  formatSlotFileInBank(file, Bank::Sounds, slot, kSoundScriptFileName);
  return bankFolderPath(root, Bank::Sounds) + '/' + file;
}

std::string modelNamePath(const std::string& root, int slot) {
  std::string file;
  formatSlotFileInBank(file, Bank::Models, slot, kModelNameFileName);
  return bankFolderPath(root, Bank::Models) + '/' + file;
}

std::string soundNamesPath(const std::string& root) {
  return root + "/SoundNames";
}
std::string modelNamesPath(const std::string& root) {
  return root + "/ModelNames";
}

std::optional<int> slotNumberFromFolderName(Bank bank, std::string_view name) {
  const std::string_view extension = slotFolderExtension(bank);
  if (name.size() <= extension.size() || !name.ends_with(extension)) return std::nullopt;
  const std::string_view digits = name.substr(0, name.size() - extension.size());
  // Three digits for a slot, up to five for overflow and parking numbers; never fewer than three
  // ("5.sound" is not slot 5) and never a superfluous leading zero beyond the zero fill.
  if (digits.size() < 3 || digits.size() > 5) return std::nullopt;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (slotFolderName(bank, number) != name) return std::nullopt;
  return number;
}

std::optional<std::string> slotFolderNameInOtherCase(Bank bank, std::string_view name) {
  if (slotNumberFromFolderName(bank, name)) return std::nullopt;
  std::string lower(name);
  for (char& c : lower)
    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lower == name || !slotNumberFromFolderName(bank, lower)) return std::nullopt;
  return lower;
}

std::string realPathOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path real =
      std::filesystem::weakly_canonical(std::u8string(path.begin(), path.end()), error);
  if (error) return path;
  const std::u8string text = real.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace slotsmith
