// JsonWriter: see json_writer.h.
#include "query/json_writer.h"

namespace qmoor::query {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ << ',';
    first_.back() = false;
  }
}

JsonWriter& JsonWriter::open(char bracket) {
  separate();
  out_ << bracket;
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  first_.pop_back();
  out_ << bracket;
  if (first_.empty()) out_ << '\n';
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  separate();
  quoted(name);
  out_ << ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  quoted(text);
  return *this;
}

JsonWriter& JsonWriter::value(int number) {
  separate();
  out_ << number;
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  out_ << (flag ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ << "null";
  return *this;
}

void JsonWriter::quoted(std::string_view text) {
  static constexpr char Hex[] = "0123456789abcdef";
  out_ << '"';
  std::size_t plain = 0;  // start of the run of characters written as they are
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte != '"' && byte != '\\') continue;
    out_.write(text.data() + plain, static_cast<std::streamsize>(i - plain));
    plain = i + 1;
    switch (byte) {
      case '"': out_ << "\\\""; break;
      case '\\': out_ << "\\\\"; break;
      case '\n': out_ << "\\n"; break;
      case '\r': out_ << "\\r"; break;
      case '\t': out_ << "\\t"; break;
      default: out_ << "\\u00" << Hex[byte >> 4] << Hex[byte & 0xF];
    }
  }
  out_.write(text.data() + plain, static_cast<std::streamsize>(text.size() - plain));
  out_ << '"';
}

}  // namespace qmoor::query
