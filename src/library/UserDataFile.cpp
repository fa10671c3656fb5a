#include "library/UserDataFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/UserText.h"
#include "library/Json.h"

namespace slotsmith {

namespace {

constexpr char kFormat[] = "slotsmith library user data";
constexpr char kVersion[] = "1";

std::filesystem::path pathOf(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

const char* boolText(bool value) {
  return value ? "true" : "false";
}

void writeSound(std::string& out, const SoundId& id, const SoundUserData& sound) {
  out += "    {\"id\": \"" + soundIdText(id) + "\", \"name\": " + jsonString(sound.name) +
         ", \"favourite\": " + boolText(sound.favourite) +
         ", \"hidden\": " + boolText(sound.hidden) + ", \"note\": " + jsonString(sound.note) +
         ",\n     \"tags\": [";
  const char* separator = "";
  for (const auto& [tag, origin] : sound.tags) {
    out += separator;
    out += "{\"tag\": " + jsonString(tag) + ", \"origin\": \"" +
           (origin == TagOrigin::Hand ? "hand" : "rule") + "\"}";
    separator = ", ";
  }
  out += "], \"removedTags\": [";
  separator = "";
  for (const std::string& tag : sound.removedTags) {
    out += separator + jsonString(tag);
    separator = ", ";
  }
  out += "]}";
}

// A member that is not what it must be, as the refusal names it.
Status wrong(std::string reason) {
  return Status::invalid("JSON", std::move(reason));
}

Status readText(const JsonValue& object, std::string_view key, std::string& text,
                bool required = true) {
  const JsonValue* member = object.member(key);
  if (member == nullptr && !required) return Status::ok();
  if (member == nullptr || member->kind != JsonValue::Kind::String) {
    return wrong(
        userText(USER_TEXT("Library", "{key} must be a string"), {{"key", std::string(key)}}));
  }
  text = member->text;
  return Status::ok();
}

Status readFlag(const JsonValue& object, std::string_view key, bool& flag) {
  const JsonValue* member = object.member(key);
  if (member == nullptr) return Status::ok();
  if (member->kind != JsonValue::Kind::Boolean)
    return wrong(
        userText(USER_TEXT("Library", "{key} must be true or false"), {{"key", std::string(key)}}));
  flag = member->boolean;
  return Status::ok();
}

// The array member key (none counts as empty); each item goes to read.
template <typename Read>
Status readArray(const JsonValue& object, std::string_view key, Read read) {
  const JsonValue* member = object.member(key);
  if (member == nullptr) return Status::ok();
  if (member->kind != JsonValue::Kind::Array)
    return wrong(
        userText(USER_TEXT("Library", "{key} must be an array"), {{"key", std::string(key)}}));
  for (const JsonValue& item : member->items) {
    if (Status status = read(item); !status.isOk()) return status;
  }
  return Status::ok();
}

Status readId(const JsonValue& value, SoundId& id) {
  if (value.kind != JsonValue::Kind::String || value.text.size() != 64) {
    return wrong(userText(USER_TEXT("Library", "a sound id must be 64 hex digits")));
  }
  id.clear();
  for (std::size_t i = 0; i < value.text.size(); i += 2) {
    int byte = 0;
    for (const char c : value.text.substr(i, 2)) {
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0)
        return wrong(userText(USER_TEXT("Library", "a sound id must be 64 hex digits")));
      byte = byte * 16 + digit;
    }
    id += static_cast<char>(byte);
  }
  return Status::ok();
}

Status readTag(const JsonValue& value, std::string& tag) {
  if (value.kind != JsonValue::Kind::String)
    return wrong(userText(USER_TEXT("Library", "a tag must be a string")));
  tag = value.text;
  return checkTagName(tag);
}

Status readSound(const JsonValue& value, UserDataSnapshot& snapshot) {
  if (value.kind != JsonValue::Kind::Object)
    return wrong(userText(USER_TEXT("Library", "a sound must be an object")));
  const JsonValue* idValue = value.member("id");
  SoundId id;
  if (Status read = readId(idValue == nullptr ? JsonValue{} : *idValue, id); !read.isOk()) {
    return read;
  }
  SoundUserData& sound = snapshot.sounds[id];
  Status status = readFlag(value, "favourite", sound.favourite);
  if (status.isOk()) status = readFlag(value, "hidden", sound.hidden);
  if (status.isOk()) status = readText(value, "note", sound.note, false);
  if (status.isOk()) {
    status = readArray(value, "tags", [&](const JsonValue& item) {
      std::string tag, origin;
      if (item.kind != JsonValue::Kind::Object)
        return wrong(userText(USER_TEXT("Library", "a tag must be an object")));
      Status read = readTag(item.member("tag") == nullptr ? JsonValue{} : *item.member("tag"), tag);
      if (read.isOk()) read = readText(item, "origin", origin);
      if (read.isOk() && origin != "rule" && origin != "hand") {
        return wrong(userText(USER_TEXT("Library", "{key} must be \"rule\" or \"hand\""),
                              {{"key", "origin"}}));
      }
      if (read.isOk()) sound.tags[tag] = origin == "hand" ? TagOrigin::Hand : TagOrigin::Rule;
      return read;
    });
  }
  if (status.isOk()) {
    status = readArray(value, "removedTags", [&](const JsonValue& item) {
      std::string tag;
      Status read = readTag(item, tag);
      if (read.isOk()) sound.removedTags.push_back(tag);
      return read;
    });
  }
  return status;
}

}  // namespace

std::string userDataJson(const UserDataSnapshot& snapshot) {
  std::string out = "{\"format\": \"" + std::string(kFormat) + "\", \"version\": " + kVersion +
                    ",\n  \"sounds\": [\n";
  const char* separator = "";
  for (const auto& [id, sound] : snapshot.sounds) {
    out += separator;
    writeSound(out, id, sound);
    separator = ",\n";
  }
  out += "\n  ],\n  \"rules\": [\n";
  separator = "";
  for (const RuleRecord& rule : snapshot.rules) {
    out += separator;
    out += "    {\"tag\": " + jsonString(rule.tag) + ", \"pattern\": " + jsonString(rule.pattern) +
           "}";
    separator = ",\n";
  }
  out += "\n  ],\n  \"lists\": [\n";
  separator = "";
  for (const ListData& list : snapshot.lists) {
    out += separator;
    out += "    {\"name\": " + jsonString(list.name) + ", \"items\": [";
    const char* itemSeparator = "";
    for (const SoundId& id : list.items) {
      out += itemSeparator;
      out += '"';
      out += soundIdText(id);
      out += '"';
      itemSeparator = ", ";
    }
    out += "]}";
    separator = ",\n";
  }
  return out + "\n  ]\n}\n";
}

Status userDataFromJson(std::string_view text, UserDataSnapshot& snapshot) {
  snapshot = {};
  JsonValue document;
  if (Status parsed = parseJson(text, document); !parsed.isOk()) return parsed;
  std::string format;
  const JsonValue* version = document.member("version");
  if (!readText(document, "format", format).isOk() || format != kFormat) {
    return Status::invalid("JSON", userText(USER_TEXT("Library",
                                                      "this is no Slotsmith library export (its "
                                                      "\"format\" is not \"{format}\")"),
                                            {{"format", std::string(kFormat)}}));
  }
  if (version == nullptr || version->kind != JsonValue::Kind::Number || version->text != kVersion) {
    return Status::refused(userText(
        version == nullptr ? USER_TEXT("Library",
                                       "The file was written by another version of Slotsmith "
                                       "(user data version none); this one reads {readable}.")
                           : USER_TEXT("Library",
                                       "The file was written by another version of Slotsmith "
                                       "(user data version {version}); this one reads {readable}."),
        {{"version", version == nullptr ? std::string() : version->text},
         {"readable", std::string(kVersion)}}));
  }
  Status status = readArray(document, "sounds",
                            [&](const JsonValue& item) { return readSound(item, snapshot); });
  if (status.isOk()) {
    status = readArray(document, "rules", [&](const JsonValue& item) {
      RuleRecord rule;
      if (item.kind != JsonValue::Kind::Object)
        return wrong(userText(USER_TEXT("Library", "a rule must be an object")));
      Status read = readText(item, "tag", rule.tag);
      if (read.isOk()) read = readText(item, "pattern", rule.pattern);
      if (read.isOk()) read = checkTagName(rule.tag);
      RulePattern pattern;
      if (read.isOk()) read = RulePattern::parse(rule.pattern, pattern);
      if (read.isOk()) snapshot.rules.push_back(std::move(rule));
      return read;
    });
  }
  if (status.isOk()) {
    status = readArray(document, "lists", [&](const JsonValue& item) {
      ListData list;
      if (item.kind != JsonValue::Kind::Object)
        return wrong(userText(USER_TEXT("Library", "a list must be an object")));
      Status read = readText(item, "name", list.name);
      if (read.isOk() && list.name.empty())
        read = wrong(userText(USER_TEXT("Library", "a list's name must be given")));
      if (read.isOk()) {
        read = readArray(item, "items", [&](const JsonValue& entry) {
          SoundId id;
          Status readItem = readId(entry, id);
          if (readItem.isOk()) list.items.push_back(id);
          return readItem;
        });
      }
      if (read.isOk()) snapshot.lists.push_back(std::move(list));
      return read;
    });
  }
  return status;
}

Status writeUserDataFile(const std::string& path, const UserDataSnapshot& snapshot) {
  const std::string text = userDataJson(snapshot);
  const std::string temporary = path + ".slotsmith-part";
  {
    std::ofstream out(pathOf(temporary), std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(pathOf(temporary), ignored);
      return Status::ioError(temporary, userText(USER_TEXT("Library", "cannot be written")));
    }
  }
  std::error_code error;
  std::filesystem::rename(pathOf(temporary), pathOf(path), error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(pathOf(temporary), ignored);
    return Status::ioError(path, userText(USER_TEXT("Library", "cannot be written: {reason}"),
                                          {{"reason", error.message()}}));
  }
  return Status::ok();
}

Status readUserDataFile(const std::string& path, UserDataSnapshot& snapshot) {
  std::error_code error;
  const auto status = std::filesystem::status(pathOf(path), error);
  if (error || !std::filesystem::is_regular_file(status)) {
    return Status::notFound(path, userText(USER_TEXT("Library", "is no file")));
  }
  const std::uintmax_t size = std::filesystem::file_size(pathOf(path), error);
  if (error) return Status::ioError(path, error.message());
  if (size > kLargestUserDataFile) {
    return Status::refused(userText(
        USER_TEXT("Library", "{path} is larger than any export of a library."), {{"path", path}}));
  }
  // Read no more than the size seen, and one byte past it to tell a file that grew meanwhile.
  std::ifstream in(pathOf(path), std::ios::binary);
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return Status::ioError(path, userText(USER_TEXT("Library", "cannot be read")));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) {
    return Status::refused(
        userText(USER_TEXT("Library", "{path} changed while it was read; import it again."),
                 {{"path", path}}));
  }
  text.resize(static_cast<std::size_t>(size));
  Status parsed = userDataFromJson(text, snapshot);
  if (parsed.code() == Status::Code::Invalid) return Status::invalid(path, parsed.reason());
  return parsed;
}

}  // namespace slotsmith
