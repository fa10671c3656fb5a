// Where everything lives under a database root. Every path the system forms is built here, from
// the root's own bytes and a slot number, so that no other file knows the folder layout:
//
//   Sounds/NNN.sound/sound.script   a sound slot (occupied when the script can be read)
//   Models/NNN.model/MName          a model slot and its name
//   SoundNames, ModelNames          the exported name lists
//
// Numbers of 1000 and more never name a slot of the bank; they appear only as overflow folders
// ("%04d") that a shift pushed past slot 999.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace slotsmith {

// The database root as the bytes of a native path, or none when no database is set.
using DatabaseRoot = std::optional<std::string>;

// An empty path means "no root"; any other path is used byte for byte, so a root holding spaces,
// quotes or non-ASCII characters names exactly the folder the user chose (on Windows, with '/' for
// each '\').
DatabaseRoot databaseRootFromPath(std::string_view path);

enum class Bank { Sounds, Models };

// The file that makes a slot occupied: a sound's script, a model's name.
inline constexpr char kSoundScriptFileName[] = "sound.script";
inline constexpr char kModelNameFileName[] = "MName";

// "Sounds" or "Models".
std::string_view bankFolderName(Bank bank);
// ".sound" or ".model".
std::string_view slotFolderExtension(Bank bank);

// "007.sound", "1003.sound", "10004.model": the folder name of a slot or overflow number, zero
// filled to at least three digits.
std::string slotFolderName(Bank bank, int number);

// root/Sounds or root/Models.
std::string bankFolderPath(const std::string& root, Bank bank);
// root/Sounds/NNN.sound or root/Models/NNN.model (no trailing slash).
std::string slotFolderPath(const std::string& root, Bank bank, int number);

// NNN.sound/fileName or NNN.model/fileName, the path of a slot's file inside its bank folder,
// into out, reusing its capacity: a scan forms 2000 of them without allocating for each.
void formatSlotFileInBank(std::string& out, Bank bank, int slot, std::string_view fileName);

std::string soundScriptPath(const std::string& root, int slot);
std::string modelNamePath(const std::string& root, int slot);
std::string soundNamesPath(const std::string& root);
std::string modelNamesPath(const std::string& root);

// The path with links and "." resolved, to tell two roots apart (the path itself when it cannot be
// resolved). Paths are UTF-8, which std::filesystem reads as such only from char8_t: on Windows it
// takes a char path to be in the local code page.
std::string realPathOf(const std::string& path);

// Parses a folder name of the bank ("007.sound", "1003.sound"): the number it stands for, or none
// for anything else ("5.sound", "tmp007.sound", "notes.txt").
std::optional<int> slotNumberFromFolderName(Bank bank, std::string_view name);
// The slot folder name that name spells in other letter cases ("005.SOUND" for "005.sound"); none
// for an exact slot folder name or anything else. A file system that ignores case (FAT, exFAT)
// finds the slot through such a name.
std::optional<std::string> slotFolderNameInOtherCase(Bank bank, std::string_view name);

}  // namespace slotsmith
