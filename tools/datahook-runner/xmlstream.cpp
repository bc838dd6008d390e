#include "xmlstream.h"
#include "reporting/xmltext.h"
#include <cstdint>
#include <cstring>
#include <optional>
#include <wx/ffile.h>

namespace datahookrunner {

namespace {

constexpr std::size_t kChunkSize = std::size_t{64} * 1024;
constexpr int kEnd = -1;

// The file's bytes one at a time, read in chunks; CR LF and a lone CR come out as LF, as XML requires.
class ByteSource {
 public:
  explicit ByteSource(wxFFile& source) : file_(source), buffer_(kChunkSize) {}

  int Get() {
    int c = Raw();
    if (c == '\r') {
      if (PeekRaw() == '\n') Raw();
      c = '\n';
    }
    if (c == '\n') ++line_;
    return c;
  }
  int Peek() {
    const int c = PeekRaw();
    return c == '\r' ? '\n' : c;
  }
  int Line() const { return line_; }
  bool ReadFailed() const { return readFailed_; }

 private:
  bool Fill() {
    if (position_ < size_) return true;
    if (file_.Eof()) return false;
    size_ = file_.Read(buffer_.data(), buffer_.size());
    position_ = 0;
    if (file_.Error()) readFailed_ = true;
    return size_ > 0;
  }
  int Raw() { return Fill() ? static_cast<unsigned char>(buffer_[position_++]) : kEnd; }
  int PeekRaw() { return Fill() ? static_cast<unsigned char>(buffer_[position_]) : kEnd; }

  wxFFile& file_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t size_ = 0;
  int line_ = 1;
  bool readFailed_ = false;
};

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsNameChar(int c, bool first) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80) return true;
  return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.');
}

// The value of a hexadecimal digit by ASCII alone, -1 for any other character.
int DigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return -1;
}

bool IsAllowedCharacter(unsigned long code) {
  if (code < 0x20) return code == '\t' || code == '\n' || code == '\r';
  return code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF;
}

class XmlReader {
 public:
  XmlReader(ByteSource& bytes, XmlHandler& receiver) : source_(bytes), handler_(receiver) {}

  XmlStatus ReadDocument() {
    if (!Document()) return hostkit::FailureOf<XmlError>(error_);
    return {};
  }

 private:
  struct OpenElement {
    std::string name;
    int line;
  };

  // What follows a start tag's name: its attributes, and whether the tag closes itself.
  struct TagRest {
    XmlAttributes attributes;
    bool empty = false;
  };

  // The parsing functions return false after they have set error_ through Fail.
  bool Document() {
    SkipByteOrderMark();
    for (int c = source_.Get(); c != kEnd; c = source_.Get()) {
      if (!(c == '<' ? Markup() : Character(c))) return false;
    }
    if (source_.ReadFailed()) return Fail("the file cannot be read", 0);
    if (!rootSeen_) return Fail("Document is empty", source_.Line());
    if (!open_.empty()) {
      return Fail("Premature end of data in tag " + open_.back().name + " line " + std::to_string(open_.back().line),
                  source_.Line());
    }
    return true;
  }

  bool Fail(const std::string& message, int line) {
    error_.message = message;
    error_.line = line;
    return false;
  }

  // Fail, for the functions that return what they read: none.
  std::nullopt_t Lacking(const std::string& message, int line) {
    Fail(message, line);
    return std::nullopt;
  }

  void SkipByteOrderMark() {
    if (source_.Peek() != 0xEF) return;
    source_.Get();
    source_.Get();
    source_.Get();
  }

  void FlushText(bool characterData) {
    if (!text_.empty()) handler_.Text(text_, characterData);
    text_.clear();
  }

  // Text between tags: only blanks outside the root element; pieces go to the handler as they fill up.
  bool Character(int c) {
    if (open_.empty()) {
      if (IsBlank(c)) return true;
      return Fail(rootSeen_ ? "Extra content at the end of the document" : "Start tag expected, '<' not found",
                  source_.Line());
    }
    if (c == '&') {
      const std::optional<std::string> characters = Reference();
      if (characters) text_ += *characters;
      return characters.has_value();
    }
    text_ += static_cast<char>(c);
    if (text_.size() >= kChunkSize) FlushText(false);
    return true;
  }

  bool Markup() {
    FlushText(false);
    const int c = source_.Peek();
    if (c == '?') return SkipPast("?>", "processing instruction");
    if (c == '!') return Declaration();
    if (c == '/') return EndTag();
    return StartTag();
  }

  bool SkipPast(const char* terminator, const char* what) {
    const std::size_t length = std::strlen(terminator);
    std::string window;
    for (int c = source_.Get(); c != kEnd; c = source_.Get()) {
      window += static_cast<char>(c);
      if (window.size() > length) window.erase(0, 1);
      if (window == terminator) return true;
    }
    return Fail(std::string("unfinished ") + what, source_.Line());
  }

  bool Expect(const char* literal) {
    for (const char* p = literal; *p != '\0'; ++p) {
      if (source_.Get() != static_cast<unsigned char>(*p)) return false;
    }
    return true;
  }

  bool Declaration() {
    source_.Get();  // '!'
    if (source_.Peek() == '-') {
      if (!Expect("--")) return Fail("Comment not started correctly", source_.Line());
      return SkipPast("-->", "comment");
    }
    if (source_.Peek() == '[') {
      if (!Expect("[CDATA[")) return Fail("CDATA section not started correctly", source_.Line());
      if (open_.empty()) return Fail("CDATA section outside the root element", source_.Line());
      return CharacterData();
    }
    return SkipPast(">", "declaration");
  }

  bool CharacterData() {
    for (int c = source_.Get(); c != kEnd; c = source_.Get()) {
      text_ += static_cast<char>(c);
      if (text_.size() >= 3 && text_.compare(text_.size() - 3, 3, "]]>") == 0) {
        text_.resize(text_.size() - 3);
        FlushText(true);
        return true;
      }
      if (text_.size() >= kChunkSize) {
        // Keep the last two bytes: they may begin the section's end.
        const std::string tail = text_.substr(text_.size() - 2);
        text_.resize(text_.size() - 2);
        FlushText(true);
        text_ = tail;
      }
    }
    return Fail("CData section not finished", source_.Line());
  }

  // Empty when no name starts here.
  std::string Name() {
    std::string name;
    while (IsNameChar(source_.Peek(), name.empty())) name += static_cast<char>(source_.Get());
    return name;
  }

  void SkipBlanks() {
    while (IsBlank(source_.Peek())) source_.Get();
  }

  bool EndTag() {
    source_.Get();  // '/'
    const std::string name = Name();
    if (name.empty()) return Fail("expected a name in an end tag", source_.Line());
    SkipBlanks();
    if (source_.Get() != '>') return Fail("expected '>' after the end tag " + name, source_.Line());
    if (open_.empty()) return Fail("Extra content at the end of the document", source_.Line());
    if (open_.back().name != name) {
      return Fail("Opening and ending tag mismatch: " + open_.back().name + " line " +
                      std::to_string(open_.back().line) + " and " + name,
                  source_.Line());
    }
    open_.pop_back();
    handler_.EndElement();
    return true;
  }

  bool StartTag() {
    if (rootSeen_ && open_.empty()) return Fail("Extra content at the end of the document", source_.Line());
    const int line = source_.Line();
    const std::string name = Name();
    if (name.empty()) return Fail("expected an element name after '<'", line);
    const std::optional<TagRest> rest = Attributes(name);
    if (!rest) return false;
    rootSeen_ = true;
    const hostkit::Status accepted = handler_.StartElement(name, rest->attributes, open_.size());
    if (!accepted.Ok()) {
      error_.fromHandler = true;
      return Fail(accepted.Error(), 0);
    }
    if (rest->empty) {
      handler_.EndElement();
    } else {
      open_.push_back({name, line});
    }
    return true;
  }

  // None after telling why through Fail.
  std::optional<TagRest> Attributes(const std::string& element) {
    TagRest rest;
    for (;;) {
      const bool separated = IsBlank(source_.Peek());
      SkipBlanks();
      const int c = source_.Peek();
      if (c == '>' || c == '/') {
        source_.Get();
        rest.empty = c == '/';
        if (rest.empty && source_.Get() != '>') return Lacking("expected '>' after '/' in " + element, source_.Line());
        return rest;
      }
      const std::string name = separated ? Name() : std::string();
      if (name.empty()) return Lacking("malformed attributes in the tag " + element, source_.Line());
      SkipBlanks();
      if (source_.Get() != '=') return Lacking("attribute " + name + " has no value", source_.Line());
      SkipBlanks();
      std::optional<std::string> value = AttributeValue(name);
      if (!value) return std::nullopt;
      for (const auto& existing : rest.attributes) {
        if (existing.first == name) return Lacking("Attribute " + name + " redefined", source_.Line());
      }
      rest.attributes.emplace_back(name, std::move(*value));
    }
  }

  // None after telling why through Fail.
  std::optional<std::string> AttributeValue(const std::string& name) {
    const int quote = source_.Get();
    if (quote != '"' && quote != '\'') return Lacking("AttValue: \" or ' expected for " + name, source_.Line());
    std::string value;
    for (int c = source_.Get(); c != kEnd; c = source_.Get()) {
      if (c == quote) return value;
      if (c == '<') return Lacking("Unescaped '<' not allowed in attributes values", source_.Line());
      if (c == '&') {
        const std::optional<std::string> characters = Reference();
        if (!characters) return std::nullopt;
        value += *characters;
      } else {
        value += IsBlank(c) ? ' ' : static_cast<char>(c);  // a parser turns literal blanks into spaces
      }
    }
    return Lacking("AttValue: ' expected", source_.Line());
  }

  // After '&': the characters a named entity of XML or a character reference stands for; none after telling why
  // through Fail.
  std::optional<std::string> Reference() {
    std::string name;
    for (int c = source_.Get(); c != ';'; c = source_.Get()) {
      if (c == kEnd || IsBlank(c) || c == '<' || c == '&' || name.size() > 16) {
        return Lacking("EntityRef: expecting ';'", source_.Line());
      }
      name += static_cast<char>(c);
    }
    static const std::pair<const char*, char> kEntities[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kEntities) {
      if (name == entity) {
        return std::string(1, character);
      }
    }
    if (name.size() < 2 || name[0] != '#') return Lacking("Entity '" + name + "' not defined", source_.Line());
    const bool hex = name[1] == 'x';
    const std::string digits = name.substr(hex ? 2 : 1);
    unsigned long code = 0;
    for (char digit : digits) {
      const int value = DigitValue(digit);
      if (value < 0 || (!hex && value > 9) || code > 0x10FFFF) {
        return Lacking("invalid character reference &" + name + ";", source_.Line());
      }
      code = code * (hex ? 16 : 10) + static_cast<unsigned long>(value);
    }
    if (digits.empty() || !IsAllowedCharacter(code)) {
      return Lacking("xmlParseCharRef: invalid xmlChar value " + std::to_string(code), source_.Line());
    }
    std::string characters;
    Varnel::AppendUtf8(characters, static_cast<std::uint32_t>(code));  // allowed, so within Unicode
    return characters;
  }

  ByteSource& source_;
  XmlHandler& handler_;
  XmlError error_;
  std::vector<OpenElement> open_;
  std::string text_;
  bool rootSeen_ = false;
};

}  // namespace

XmlStatus ReadXmlStream(wxFFile& file, XmlHandler& handler) {
  ByteSource source(file);
  return XmlReader(source, handler).ReadDocument();
}

}  // namespace datahookrunner
