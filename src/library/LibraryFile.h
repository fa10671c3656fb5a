// The library file: one SQLite database per user that records every sound and model the user's
// sources hold, where each lies, and what the user said about each sound. It lies in the user's
// own data folder (core/UserDataFolder.h), never inside a database folder:
//   SLOTSMITH_LIBRARY       a file named by the environment (tests use this)
//   otherwise               <user data folder>/library.sqlite
//
// The file is opened in WAL mode with full synchronous commits and a busy timeout, so the desktop
// and the command line may use it at once: a reader never waits, a writer waits its turn. Its
// schema carries a version (PRAGMA user_version) and opening an older file runs the migration
// steps from its version up, each in its own transaction, so a file is always at one version.
//
// Schema, version 1 (identities are 32-byte SHA-256 digests, see library/Identity.h):
//   sources      a database folder, pack or backup: kind, path, state (ok, missing, changed,
//                refused) with its reason, when it was last read and the stamp it had then
//   sounds       every sound identity some place holds
//   exact_sounds every exact identity (name included), with the sound identity it belongs to
//   models       every model identity some place holds
//   sound_models the models a sound plays, by reference position
//   places       a slot of a source: bank (sound or model), slot, name as it is there, that name
//                folded for search, the identity (and for a sound the exact identity) it holds,
//                and the stamp it was read at (names as UTF-8 and folded as core/NameFolding.h
//                says)
//   place_names  the folded names in an FTS5 trigram index, where SQLite has FTS5
//   user_sounds  the user's favourite and hidden flags and note, by sound identity
//   tags         the user's tags by sound identity, each with its origin (a rule or by hand)
//   removed_tags the tags the user took off a sound by hand, which the rules never put back
//   rules        the rules that make categories from names (library/Rules.h), the defaults at first
//   uncategorized the sounds whose places changed since the rules last ran (kept by triggers on
//                places, emptied in the same transaction by categorizeChangedSounds)
//   lists, list_items  the user's ordered lists of sound identities
// The user's own data (user_sounds, tags, removed_tags, rules, lists) is keyed by identity alone
// and refers to no place, so reading the sources again touches none of it but the tags the rules
// give.
#pragma once

#include <memory>
#include <string>

#include "core/Status.h"
#include "library/Sqlite.h"

namespace slotsmith {

// The version this build writes.
inline constexpr int kLibrarySchemaVersion = 1;

// The file the library is read from now; empty when there is no folder for it (no home).
std::string libraryPath();

// Opens the library at path (made, with the folders above it, when missing), sets its pragmas
// and brings its schema up to this build's version. A file from a newer build, or one that is
// not a library, is refused.
Status openLibrary(const std::string& path, std::unique_ptr<SqliteConnection>& connection);

// Whether the open library searches names through FTS5 (else through LIKE on folded names).
bool hasNameIndex(SqliteConnection& connection);

}  // namespace slotsmith
