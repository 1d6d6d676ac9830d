// The recursive-descent JSON reader.
#include "stock/json_tree.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "names/utf8.h"

namespace qmoor {
namespace {

constexpr int DeepestNesting = 64;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  JsonRead read() {
    if (text_.starts_with("\xEF\xBB\xBF")) at_ = 3;
    JsonValue value;
    skipBlanks();
    if (!readValue(value, 0)) return fault();
    skipBlanks();
    if (at_ != text_.size()) return fault();
    return {std::move(value), 0};
  }

 private:
  JsonRead fault() const {
    const auto upTo = text_.substr(0, std::min(at_, text_.size()));
    return {std::nullopt, 1 + static_cast<int>(std::ranges::count(upTo, '\n'))};
  }

  bool atEnd() const { return at_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[at_]; }

  void skipBlanks() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++at_;
  }

  bool take(char expected) {
    if (peek() != expected || atEnd()) return false;
    ++at_;
    return true;
  }

  bool readValue(JsonValue& value, int depth) {
    const std::size_t start = at_;
    bool ok = false;
    switch (peek()) {
      case '{':
        if (depth >= DeepestNesting) {
          value.kind = JsonValue::Kind::Object;
          ok = skipNested();
        } else {
          ok = readObject(value, depth + 1);
        }
        break;
      case '[':
        if (depth >= DeepestNesting) {
          value.kind = JsonValue::Kind::Array;
          ok = skipNested();
        } else {
          ok = readArray(value, depth + 1);
        }
        break;
      default: ok = readScalar(value); break;
    }
    value.source = text_.substr(start, at_ - start);
    return ok;
  }

  bool readScalar(JsonValue& value) {
    switch (peek()) {
      case '"': value.kind = JsonValue::Kind::String; return readString(value.string);
      case 't': value.kind = JsonValue::Kind::Boolean; return readWord("true");
      case 'f': value.kind = JsonValue::Kind::Boolean; return readWord("false");
      case 'n': value.kind = JsonValue::Kind::Null; return readWord("null");
      default: value.kind = JsonValue::Kind::Number; return readNumber();
    }
  }

  // An object member's name and the colon after it.
  bool readName(std::string& name) {
    if (peek() != '"' || !readString(name)) return false;
    skipBlanks();
    return take(':');
  }

  // Checks an array or object too deep to keep as a tree, with a stack of
  // its open brackets instead of recursion, so that any depth the file
  // holds is read without exhausting the call stack.
  bool skipNested() {
    std::vector<char> closers;
    JsonValue scratch;
    for (;;) {
      scratch.string.clear();
      skipBlanks();
      if (peek() == '[' || peek() == '{') {
        const bool object = text_[at_++] == '{';
        closers.push_back(object ? '}' : ']');
        skipBlanks();
        if (!take(closers.back())) {
          if (object && !readName(scratch.string)) return false;
          continue;
        }
        closers.pop_back();
      } else if (!readScalar(scratch)) {
        return false;
      }
      for (;;) {  // after a value: the brackets it closes, then a comma or the end
        if (closers.empty()) return true;
        skipBlanks();
        if (!take(closers.back())) break;
        closers.pop_back();
      }
      if (!take(',')) return false;
      skipBlanks();
      if (closers.back() == '}' && !readName(scratch.string)) return false;
    }
  }

  bool readWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool readDigits() {
    const std::size_t start = at_;
    while (!atEnd() && peek() >= '0' && peek() <= '9') ++at_;
    return at_ > start;
  }

  bool readNumber() {
    take('-');
    if (take('0')) {
      if (peek() >= '0' && peek() <= '9') return false;  // no leading zeros
    } else if (!readDigits()) {
      return false;
    }
    if (take('.') && !readDigits()) return false;
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (!take('+')) take('-');
      if (!readDigits()) return false;
    }
    return true;
  }

  bool readHex4(std::uint32_t& code) {
    if (at_ + 4 > text_.size()) return false;
    const char* first = text_.data() + at_;
    const auto [end, error] = std::from_chars(first, first + 4, code, 16);
    if (error != std::errc{} || end != first + 4) return false;
    at_ += 4;
    return true;
  }

  // A \u escape, joining a surrogate pair; a lone surrogate becomes U+FFFD.
  bool readUnicodeEscape(std::string& out) {
    std::uint32_t code = 0;
    if (!readHex4(code)) return false;
    if (code >= 0xD800 && code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
      const std::size_t back = at_;
      at_ += 2;
      std::uint32_t low = 0;
      if (!readHex4(low)) return false;
      if (low >= 0xDC00 && low < 0xE000) {
        appendUtf8(0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00), out);
        return true;
      }
      at_ = back;
    }
    appendUtf8(code >= 0xD800 && code < 0xE000 ? 0xFFFD : code, out);
    return true;
  }

  bool readString(std::string& out) {
    ++at_;  // the opening quote
    while (!atEnd()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (atEnd()) return false;
      switch (text_[at_++]) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u':
          if (!readUnicodeEscape(out)) return false;
          break;
        default: return false;
      }
    }
    return false;
  }

  bool readArray(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++at_;  // [
    skipBlanks();
    if (take(']')) return true;
    for (;;) {
      JsonValue& item = value.items.emplace_back();
      if (!readValue(item, depth)) return false;
      skipBlanks();
      if (take(']')) return true;
      if (!take(',')) return false;
      skipBlanks();
    }
  }

  bool readObject(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++at_;  // {
    skipBlanks();
    if (take('}')) return true;
    for (;;) {
      JsonMember& member = value.members.emplace_back();
      const std::size_t start = at_;
      if (!readName(member.name)) return false;
      skipBlanks();
      if (!readValue(member.value, depth)) return false;
      member.source = text_.substr(start, at_ - start);
      skipBlanks();
      if (take('}')) return true;
      if (!take(',')) return false;
      skipBlanks();
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<int> JsonValue::asInt() const {
  if (kind != Kind::Number || source.find_first_of(".eE") != std::string_view::npos) return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(source.data(), source.data() + source.size(), number);
  if (error != std::errc{} || end != source.data() + source.size()) return std::nullopt;
  return number;
}

std::optional<int> JsonValue::asClampedInt() const {
  if (kind != Kind::Number || source.find_first_of(".eE") != std::string_view::npos) return std::nullopt;
  if (const std::optional<int> number = asInt()) return number;
  return source.starts_with('-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}

const JsonValue* JsonValue::member(std::string_view name) const {
  const auto found = std::ranges::find(members, name, [](const JsonMember& m) { return std::string_view(m.name); });
  return found == members.end() ? nullptr : &found->value;
}

JsonRead readJson(std::string_view text) { return Reader(text).read(); }

}  // namespace qmoor
