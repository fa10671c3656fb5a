#include "core/MessageCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace slotsmith {

// The rule's expression: C's operators on n and whole numbers, as catalogues use them.
struct PluralRule::Node {
  enum class Kind { Number, N, Not, Binary, Choice } kind = Kind::Number;
  long long value = 0;
  std::string op;
  std::shared_ptr<const Node> a, b, c;

  long long evaluate(long long n) const {
    switch (kind) {
      case Kind::Number:
        return value;
      case Kind::N:
        return n;
      case Kind::Not:
        return !a->evaluate(n);
      case Kind::Choice:
        return a->evaluate(n) ? b->evaluate(n) : c->evaluate(n);
      case Kind::Binary:
        break;
    }
    const long long x = a->evaluate(n);
    if (op == "||") return x || b->evaluate(n);
    if (op == "&&") return x && b->evaluate(n);
    const long long y = b->evaluate(n);
    if (op == "==") return x == y;
    if (op == "!=") return x != y;
    if (op == "<") return x < y;
    if (op == "<=") return x <= y;
    if (op == ">") return x > y;
    if (op == ">=") return x >= y;
    if (op == "+") return x + y;
    if (op == "-") return x - y;
    if (op == "*") return x * y;
    if (op == "/") return y == 0 ? 0 : x / y;
    if (op == "%") return y == 0 ? 0 : x % y;
    return 0;
  }
};

namespace {

using NodePtr = std::shared_ptr<const PluralRule::Node>;

// Recursive descent over the expression, lowest precedence first; nullptr on anything else.
class RuleParser {
 public:
  explicit RuleParser(std::string_view text) : text_(text) {}

  NodePtr parseWhole() {
    NodePtr node = choice();
    skipSpace();
    return at_ == text_.size() ? node : nullptr;
  }

 private:
  using Kind = PluralRule::Node::Kind;

  void skipSpace() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
      ++at_;
  }
  bool take(std::string_view token) {
    skipSpace();
    if (text_.substr(at_, token.size()) != token) return false;
    // "<" is not the start of "<=", nor "!" of "!=".
    if (token.size() == 1 && at_ + 1 < text_.size() && text_[at_ + 1] == '=' &&
        std::string_view("<>!=").find(token[0]) != std::string_view::npos) {
      return false;
    }
    at_ += token.size();
    return true;
  }
  static NodePtr binary(std::string op, NodePtr a, NodePtr b) {
    if (!a || !b) return nullptr;
    auto node = std::make_shared<PluralRule::Node>();
    node->kind = Kind::Binary;
    node->op = std::move(op);
    node->a = std::move(a);
    node->b = std::move(b);
    return node;
  }
  NodePtr choice() {
    NodePtr condition = level(0);
    if (!condition || !take("?")) return condition;
    NodePtr yes = choice();
    if (!take(":")) return nullptr;
    NodePtr no = choice();
    if (!yes || !no) return nullptr;
    auto node = std::make_shared<PluralRule::Node>();
    node->kind = Kind::Choice;
    node->a = std::move(condition);
    node->b = std::move(yes);
    node->c = std::move(no);
    return node;
  }
  // Binary operators by precedence, each level left-associative.
  NodePtr level(std::size_t depth) {
    static const std::vector<std::vector<std::string_view>> levels = {
        {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
    if (depth == levels.size()) return unary();
    NodePtr left = level(depth + 1);
    for (bool more = true; left && more;) {
      more = false;
      for (std::string_view op : levels[depth]) {
        if (!take(op)) continue;
        left = binary(std::string(op), left, level(depth + 1));
        more = true;
        break;
      }
    }
    return left;
  }
  NodePtr unary() {
    if (take("!")) {
      NodePtr operand = unary();
      if (!operand) return nullptr;
      auto node = std::make_shared<PluralRule::Node>();
      node->kind = Kind::Not;
      node->a = std::move(operand);
      return node;
    }
    if (take("(")) {
      NodePtr inner = choice();
      return take(")") ? inner : nullptr;
    }
    skipSpace();
    auto node = std::make_shared<PluralRule::Node>();
    if (take("n")) {
      node->kind = Kind::N;
      return node;
    }
    if (at_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[at_]))) {
      return nullptr;
    }
    while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) &&
           node->value < 1'000'000'000) {
      node->value = node->value * 10 + (text_[at_++] - '0');
    }
    return node;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

std::uint32_t word(std::string_view bytes, std::size_t at, bool swapped) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  if (swapped) {
    value = (value >> 24) | ((value >> 8) & 0xff00u) | ((value << 8) & 0xff0000u) | (value << 24);
  }
  return value;
}

// The value of a header field ("Plural-Forms: ...\n"), empty when it has none.
std::string_view headerField(std::string_view header, std::string_view name) {
  for (std::size_t at = 0; at < header.size();) {
    const std::size_t end = std::min(header.find('\n', at), header.size());
    const std::string_view line = header.substr(at, end - at);
    if (line.size() > name.size() && line.substr(0, name.size()) == name &&
        line[name.size()] == ':') {
      std::string_view value = line.substr(name.size() + 1);
      while (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
      return value;
    }
    at = end + 1;
  }
  return {};
}

}  // namespace

PluralRule PluralRule::parse(std::string_view pluralForms) {
  PluralRule rule;
  const std::size_t forms = pluralForms.find("nplurals=");
  const std::size_t plural =
      pluralForms.find("plural=", forms == std::string_view::npos ? 0 : forms + 9);
  if (forms == std::string_view::npos || plural == std::string_view::npos) return rule;
  std::size_t count = 0;
  for (std::size_t at = forms + 9;
       at < pluralForms.size() && std::isdigit(static_cast<unsigned char>(pluralForms[at])); ++at)
    count = count * 10 + static_cast<std::size_t>(pluralForms[at] - '0');
  std::string_view expression = pluralForms.substr(plural + 7);
  expression = expression.substr(0, expression.find(';'));
  NodePtr root = RuleParser(expression).parseWhole();
  if (!root || count == 0 || count > 6) return rule;
  rule.root_ = std::move(root);
  rule.forms_ = count;
  return rule;
}

std::size_t PluralRule::formFor(long long n) const {
  const long long form = root_ ? root_->evaluate(n) : (n != 1);
  return form < 0 || static_cast<std::size_t>(form) >= forms_ ? 0 : static_cast<std::size_t>(form);
}

std::optional<MessageCatalogue> MessageCatalogue::read(std::string_view bytes) {
  if (bytes.size() < 28) return std::nullopt;
  const std::uint32_t magic = word(bytes, 0, false);
  const bool swapped = magic == 0xde120495u;
  if (magic != 0x950412deu && !swapped) return std::nullopt;
  const std::uint32_t count = word(bytes, 8, swapped);
  const std::uint32_t originals = word(bytes, 12, swapped);
  const std::uint32_t translations = word(bytes, 16, swapped);
  const auto tableFits = [&](std::uint32_t at) {
    return at <= bytes.size() && count <= (bytes.size() - at) / 8;
  };
  if (!tableFits(originals) || !tableFits(translations)) return std::nullopt;
  const auto string = [&](std::uint32_t table, std::uint32_t i) -> std::optional<std::string_view> {
    const std::uint32_t length = word(bytes, table + 8 * i, swapped);
    const std::uint32_t at = word(bytes, table + 8 * i + 4, swapped);
    if (at > bytes.size() || length >= bytes.size() - at) return std::nullopt;  // + its NUL
    return bytes.substr(at, length);
  };
  MessageCatalogue catalogue;
  catalogue.entries_.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto original = string(originals, i);
    const auto translation = string(translations, i);
    if (!original || !translation) return std::nullopt;
    catalogue.entries_.push_back({*original, *translation});
  }
  // The header is the translation of the empty text, the first entry.
  if (!catalogue.entries_.empty() && catalogue.entries_.front().original.empty()) {
    const std::string_view header = catalogue.entries_.front().translation;
    catalogue.rule_ = PluralRule::parse(headerField(header, "Plural-Forms"));
    catalogue.qtContexts_ = headerField(header, "X-Qt-Contexts") == "true";
  }
  return catalogue;
}

std::optional<std::string> MessageCatalogue::find(std::string_view context, std::string_view text,
                                                  std::optional<long long> count) const {
  // Catalogues made from Qt's files write the context as "context|disambiguation".
  std::string key(context);
  if (qtContexts_) key += '|';
  key += '\x04';
  key += text;
  // Sorted by the original up to its first NUL (the plural text follows that).
  const auto singular = [](std::string_view original) {
    return original.substr(0, original.find('\0'));
  };
  const auto found = std::lower_bound(entries_.begin(), entries_.end(), key,
                                      [&](const Entry& entry, const std::string& wanted) {
                                        return singular(entry.original) < wanted;
                                      });
  if (found == entries_.end() || singular(found->original) != key) return std::nullopt;
  std::size_t form = count ? rule_.formFor(*count) : 0;
  std::string_view forms = found->translation;
  for (; form > 0; --form) {
    const std::size_t next = forms.find('\0');
    if (next == std::string_view::npos) return std::nullopt;
    forms.remove_prefix(next + 1);
  }
  const std::string_view translation = forms.substr(0, forms.find('\0'));
  if (translation.empty()) return std::nullopt;
  return std::string(translation);
}

}  // namespace slotsmith
