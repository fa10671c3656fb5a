// libarchive and libcrypto, loaded the first time a pack or a backup needs them. Linked the usual
// way, they and the dozen libraries they pull in (libxml2, ICU, nettle, every compressor) were
// loaded and relocated at the start of every command, although only the archive commands use
// them: a `slotsmith list` paid for them on every run. The functions below have the libraries'
// own names and signatures (checked against their headers), so the code that reads and writes
// archives calls them as usual; each one looks its namesake up in the loaded library once.
#include <archive.h>
#include <archive_entry.h>
#include <dlfcn.h>
#include <openssl/evp.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/UserText.h"
#include "packs/Archive.h"

namespace slotsmith {
namespace {

struct Libraries {
  void* archive = nullptr;
  void* crypto = nullptr;
  std::string error;
};

void* load(const char* soname, std::string& error) {
  void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!library && error.empty()) {
    const char* reason = dlerror();
    error =
        reason
            ? userText(
                  USER_TEXT("Archive",
                            "Packs and backups need {library}, which cannot be loaded ({reason})."),
                  {{"library", soname}, {"reason", reason}})
            : userText(
                  USER_TEXT("Archive", "Packs and backups need {library}, which cannot be loaded."),
                  {{"library", soname}});
  }
  return library;
}

const Libraries& libraries() {
  static const Libraries loaded = [] {
    Libraries found;
    found.archive = load(SLOTSMITH_LIBARCHIVE_SONAME, found.error);
    found.crypto = load(SLOTSMITH_LIBCRYPTO_SONAME, found.error);
    return found;
  }();
  return loaded;
}

// Every caller checked loadArchiveLibraries() first, so a symbol missing here is a library of
// another version than the one built against: stop rather than call through a null pointer.
void* symbolIn(void* library, const char* name) {
  void* symbol = library ? dlsym(library, name) : nullptr;
  if (!symbol) {
    std::fprintf(stderr, "slotsmith: %s is missing from the loaded libraries.\n", name);
    std::abort();
  }
  return symbol;
}

void* archiveSymbol(const char* name) {
  return symbolIn(libraries().archive, name);
}

void* cryptoSymbol(const char* name) {
  return symbolIn(libraries().crypto, name);
}

}  // namespace

Status loadArchiveLibraries() {
  const Libraries& loaded = libraries();
  return loaded.error.empty() ? Status::ok() : Status::refused(loaded.error);
}

}  // namespace slotsmith

using slotsmith::archiveSymbol;
using slotsmith::cryptoSymbol;

#define SLOTSMITH_FORWARD(lookup, name, ...)                                    \
  static const auto forward = reinterpret_cast<decltype(&name)>(lookup(#name)); \
  return forward(__VA_ARGS__)

extern "C" {

const EVP_MD* EVP_sha256() {
  SLOTSMITH_FORWARD(cryptoSymbol, EVP_sha256);
}

int EVP_Digest(const void* a0, size_t a1, unsigned char* a2, unsigned int* a3, const EVP_MD* a4,
               ENGINE* a5) {
  SLOTSMITH_FORWARD(cryptoSymbol, EVP_Digest, a0, a1, a2, a3, a4, a5);
}

struct archive* archive_read_new() {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_new);
}

int archive_read_support_filter_zstd(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_support_filter_zstd, a0);
}

int archive_read_support_format_tar(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_support_format_tar, a0);
}

int archive_read_support_format_zip(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_support_format_zip, a0);
}

int archive_read_support_format_zip_streamable(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_support_format_zip_streamable, a0);
}

int archive_read_support_format_zip_seekable(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_support_format_zip_seekable, a0);
}

int archive_read_set_read_callback(struct archive* a0, archive_read_callback* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_set_read_callback, a0, a1);
}

int archive_read_set_seek_callback(struct archive* a0, archive_seek_callback* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_set_seek_callback, a0, a1);
}

int archive_read_set_callback_data(struct archive* a0, void* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_set_callback_data, a0, a1);
}

int archive_read_open1(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_open1, a0);
}

int archive_read_open(struct archive* a0, void* a1, archive_open_callback* a2,
                      archive_read_callback* a3, archive_close_callback* a4) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_open, a0, a1, a2, a3, a4);
}

int archive_read_open_filename(struct archive* a0, const char* a1, size_t a2) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_open_filename, a0, a1, a2);
}

int archive_read_open_memory(struct archive* a0, const void* a1, size_t a2) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_open_memory, a0, a1, a2);
}

int archive_read_open_fd(struct archive* a0, int a1, size_t a2) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_open_fd, a0, a1, a2);
}

int archive_read_next_header(struct archive* a0, struct archive_entry** a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_next_header, a0, a1);
}

la_int64_t archive_read_header_position(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_header_position, a0);
}

int archive_read_has_encrypted_entries(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_has_encrypted_entries, a0);
}

la_ssize_t archive_read_data(struct archive* a0, void* a1, size_t a2) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_data, a0, a1, a2);
}

int archive_read_data_block(struct archive* a0, const void** a1, size_t* a2, la_int64_t* a3) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_data_block, a0, a1, a2, a3);
}

int archive_read_data_skip(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_data_skip, a0);
}

int archive_read_set_format_option(struct archive* a0, const char* a1, const char* a2,
                                   const char* a3) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_set_format_option, a0, a1, a2, a3);
}

int archive_read_set_options(struct archive* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_set_options, a0, a1);
}

int archive_read_close(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_close, a0);
}

int archive_read_free(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_read_free, a0);
}

struct archive* archive_write_new() {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_new);
}

int archive_write_set_bytes_in_last_block(struct archive* a0, int a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_bytes_in_last_block, a0, a1);
}

int archive_write_add_filter_zstd(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_add_filter_zstd, a0);
}

int archive_write_set_format_pax(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_format_pax, a0);
}

int archive_write_set_format_pax_restricted(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_format_pax_restricted, a0);
}

int archive_write_set_format_zip(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_format_zip, a0);
}

int archive_write_zip_set_compression_deflate(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_zip_set_compression_deflate, a0);
}

int archive_write_zip_set_compression_store(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_zip_set_compression_store, a0);
}

int archive_write_open(struct archive* a0, void* a1, archive_open_callback* a2,
                       archive_write_callback* a3, archive_close_callback* a4) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_open, a0, a1, a2, a3, a4);
}

int archive_write_open_fd(struct archive* a0, int a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_open_fd, a0, a1);
}

int archive_write_open_filename(struct archive* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_open_filename, a0, a1);
}

int archive_write_open_memory(struct archive* a0, void* a1, size_t a2, size_t* a3) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_open_memory, a0, a1, a2, a3);
}

int archive_write_header(struct archive* a0, struct archive_entry* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_header, a0, a1);
}

la_ssize_t archive_write_data(struct archive* a0, const void* a1, size_t a2) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_data, a0, a1, a2);
}

int archive_write_finish_entry(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_finish_entry, a0);
}

int archive_write_close(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_close, a0);
}

int archive_write_free(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_free, a0);
}

int archive_write_set_format_option(struct archive* a0, const char* a1, const char* a2,
                                    const char* a3) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_format_option, a0, a1, a2, a3);
}

int archive_write_set_filter_option(struct archive* a0, const char* a1, const char* a2,
                                    const char* a3) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_filter_option, a0, a1, a2, a3);
}

int archive_write_set_options(struct archive* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_write_set_options, a0, a1);
}

la_int64_t archive_filter_bytes(struct archive* a0, int a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_filter_bytes, a0, a1);
}

int archive_errno(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_errno, a0);
}

const char* archive_error_string(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_error_string, a0);
}

int archive_format(struct archive* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_format, a0);
}

struct archive_entry* archive_entry_clear(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_clear, a0);
}

void archive_entry_free(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_free, a0);
}

struct archive_entry* archive_entry_new() {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_new);
}

__LA_MODE_T archive_entry_filetype(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_filetype, a0);
}

const char* archive_entry_hardlink(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_hardlink, a0);
}

__LA_MODE_T archive_entry_mode(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_mode, a0);
}

time_t archive_entry_mtime(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_mtime, a0);
}

const char* archive_entry_pathname(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_pathname, a0);
}

const char* archive_entry_pathname_utf8(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_pathname_utf8, a0);
}

const wchar_t* archive_entry_pathname_w(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_pathname_w, a0);
}

la_int64_t archive_entry_size(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_size, a0);
}

int archive_entry_size_is_set(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_size_is_set, a0);
}

const char* archive_entry_symlink(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_symlink, a0);
}

int archive_entry_is_encrypted(struct archive_entry* a0) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_is_encrypted, a0);
}

void archive_entry_set_filetype(struct archive_entry* a0, unsigned int a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_filetype, a0, a1);
}

void archive_entry_set_hardlink(struct archive_entry* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_hardlink, a0, a1);
}

void archive_entry_set_mode(struct archive_entry* a0, __LA_MODE_T a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_mode, a0, a1);
}

void archive_entry_set_mtime(struct archive_entry* a0, time_t a1, long a2) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_mtime, a0, a1, a2);
}

void archive_entry_set_pathname(struct archive_entry* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_pathname, a0, a1);
}

void archive_entry_set_pathname_utf8(struct archive_entry* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_pathname_utf8, a0, a1);
}

void archive_entry_copy_pathname(struct archive_entry* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_copy_pathname, a0, a1);
}

void archive_entry_copy_pathname_w(struct archive_entry* a0, const wchar_t* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_copy_pathname_w, a0, a1);
}

int archive_entry_update_pathname_utf8(struct archive_entry* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_update_pathname_utf8, a0, a1);
}

void archive_entry_set_perm(struct archive_entry* a0, __LA_MODE_T a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_perm, a0, a1);
}

void archive_entry_set_size(struct archive_entry* a0, la_int64_t a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_size, a0, a1);
}

void archive_entry_set_symlink(struct archive_entry* a0, const char* a1) {
  SLOTSMITH_FORWARD(archiveSymbol, archive_entry_set_symlink, a0, a1);
}

}  // extern "C"
