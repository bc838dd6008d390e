#include "xmlstream.h"
#include "reporting/xmltext.h"
#include <cctype>
#include <cstdint>
#include <cstring>
#include <wx/ffile.h>

namespace datahookrunner {

namespace {

constexpr std::size_t kChunkSize = std::size_t{64} * 1024;
constexpr int kEnd = -1;

// The file's bytes one at a time, read in chunks; CR LF and a lone CR come out as LF, as XML requires.
class ByteSource {
 public:
  explicit ByteSource(wxFFile& source) : file(source), buffer(kChunkSize) {}

  int Get() {
    int c = Raw();
    if (c == '\r') {
      if (PeekRaw() == '\n') Raw();
      c = '\n';
    }
    if (c == '\n') ++line;
    return c;
  }
  int Peek() {
    const int c = PeekRaw();
    return c == '\r' ? '\n' : c;
  }
  int Line() const { return line; }
  bool ReadFailed() const { return readFailed; }

 private:
  bool Fill() {
    if (position < size) return true;
    if (file.Eof()) return false;
    size = file.Read(buffer.data(), buffer.size());
    position = 0;
    if (file.Error()) readFailed = true;
    return size > 0;
  }
  int Raw() { return Fill() ? static_cast<unsigned char>(buffer[position++]) : kEnd; }
  int PeekRaw() { return Fill() ? static_cast<unsigned char>(buffer[position]) : kEnd; }

  wxFFile& file;
  std::vector<char> buffer;
  std::size_t position = 0;
  std::size_t size = 0;
  int line = 1;
  bool readFailed = false;
};

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsNameChar(int c, bool first) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80) return true;
  return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.');
}

bool IsAllowedCharacter(unsigned long code) {
  if (code < 0x20) return code == '\t' || code == '\n' || code == '\r';
  return code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF;
}

class XmlReader {
 public:
  XmlReader(ByteSource& bytes, XmlHandler& receiver, XmlError& problem)
      : source(bytes), handler(receiver), error(problem) {}

  bool ReadDocument() {
    SkipByteOrderMark();
    for (int c = source.Get(); c != kEnd; c = source.Get()) {
      if (!(c == '<' ? Markup() : Character(c))) return false;
    }
    if (source.ReadFailed()) return Fail("the file cannot be read", 0);
    if (!rootSeen) return Fail("Document is empty", source.Line());
    if (!open.empty()) {
      return Fail("Premature end of data in tag " + open.back().name + " line " + std::to_string(open.back().line),
                  source.Line());
    }
    return true;
  }

 private:
  struct OpenElement {
    std::string name;
    int line;
  };

  bool Fail(const std::string& message, int line) {
    error.message = message;
    error.line = line;
    return false;
  }

  void SkipByteOrderMark() {
    if (source.Peek() != 0xEF) return;
    source.Get();
    source.Get();
    source.Get();
  }

  void FlushText(bool characterData) {
    if (!text.empty()) handler.Text(text, characterData);
    text.clear();
  }

  // Text between tags: only blanks outside the root element; pieces go to the handler as they fill up.
  bool Character(int c) {
    if (open.empty()) {
      if (IsBlank(c)) return true;
      return Fail(rootSeen ? "Extra content at the end of the document" : "Start tag expected, '<' not found",
                  source.Line());
    }
    if (c == '&') return Reference(text);
    text += static_cast<char>(c);
    if (text.size() >= kChunkSize) FlushText(false);
    return true;
  }

  bool Markup() {
    FlushText(false);
    const int c = source.Peek();
    if (c == '?') return SkipPast("?>", "processing instruction");
    if (c == '!') return Declaration();
    if (c == '/') return EndTag();
    return StartTag();
  }

  bool SkipPast(const char* terminator, const char* what) {
    const std::size_t length = std::strlen(terminator);
    std::string window;
    for (int c = source.Get(); c != kEnd; c = source.Get()) {
      window += static_cast<char>(c);
      if (window.size() > length) window.erase(0, 1);
      if (window == terminator) return true;
    }
    return Fail(std::string("unfinished ") + what, source.Line());
  }

  bool Expect(const char* literal) {
    for (const char* p = literal; *p != '\0'; ++p) {
      if (source.Get() != static_cast<unsigned char>(*p)) return false;
    }
    return true;
  }

  bool Declaration() {
    source.Get();  // '!'
    if (source.Peek() == '-') {
      if (!Expect("--")) return Fail("Comment not started correctly", source.Line());
      return SkipPast("-->", "comment");
    }
    if (source.Peek() == '[') {
      if (!Expect("[CDATA[")) return Fail("CDATA section not started correctly", source.Line());
      if (open.empty()) return Fail("CDATA section outside the root element", source.Line());
      return CharacterData();
    }
    return SkipPast(">", "declaration");
  }

  bool CharacterData() {
    for (int c = source.Get(); c != kEnd; c = source.Get()) {
      text += static_cast<char>(c);
      if (text.size() >= 3 && text.compare(text.size() - 3, 3, "]]>") == 0) {
        text.resize(text.size() - 3);
        FlushText(true);
        return true;
      }
      if (text.size() >= kChunkSize) {
        // Keep the last two bytes: they may begin the section's end.
        const std::string tail = text.substr(text.size() - 2);
        text.resize(text.size() - 2);
        FlushText(true);
        text = tail;
      }
    }
    return Fail("CData section not finished", source.Line());
  }

  bool Name(std::string& name) {
    name.clear();
    while (IsNameChar(source.Peek(), name.empty())) name += static_cast<char>(source.Get());
    return !name.empty();
  }

  void SkipBlanks() {
    while (IsBlank(source.Peek())) source.Get();
  }

  bool EndTag() {
    source.Get();  // '/'
    std::string name;
    if (!Name(name)) return Fail("expected a name in an end tag", source.Line());
    SkipBlanks();
    if (source.Get() != '>') return Fail("expected '>' after the end tag " + name, source.Line());
    if (open.empty()) return Fail("Extra content at the end of the document", source.Line());
    if (open.back().name != name) {
      return Fail("Opening and ending tag mismatch: " + open.back().name + " line " + std::to_string(open.back().line) +
                      " and " + name,
                  source.Line());
    }
    open.pop_back();
    handler.EndElement();
    return true;
  }

  bool StartTag() {
    if (rootSeen && open.empty()) return Fail("Extra content at the end of the document", source.Line());
    const int line = source.Line();
    std::string name;
    if (!Name(name)) return Fail("expected an element name after '<'", line);
    XmlAttributes attributes;
    bool empty = false;
    if (!Attributes(name, attributes, empty)) return false;
    rootSeen = true;
    const hostkit::Status accepted = handler.StartElement(name, attributes, open.size());
    if (!accepted.Ok()) {
      error.fromHandler = true;
      return Fail(accepted.Error(), 0);
    }
    if (empty) {
      handler.EndElement();
    } else {
      open.push_back({name, line});
    }
    return true;
  }

  bool Attributes(const std::string& element, XmlAttributes& attributes, bool& empty) {
    for (;;) {
      const bool separated = IsBlank(source.Peek());
      SkipBlanks();
      const int c = source.Peek();
      if (c == '>' || c == '/') {
        source.Get();
        empty = c == '/';
        if (empty && source.Get() != '>') return Fail("expected '>' after '/' in " + element, source.Line());
        return true;
      }
      std::string name;
      if (!separated || !Name(name)) return Fail("malformed attributes in the tag " + element, source.Line());
      SkipBlanks();
      if (source.Get() != '=') return Fail("attribute " + name + " has no value", source.Line());
      SkipBlanks();
      std::string value;
      if (!AttributeValue(name, value)) return false;
      for (const auto& existing : attributes) {
        if (existing.first == name) return Fail("Attribute " + name + " redefined", source.Line());
      }
      attributes.emplace_back(name, value);
    }
  }

  bool AttributeValue(const std::string& name, std::string& value) {
    const int quote = source.Get();
    if (quote != '"' && quote != '\'') return Fail("AttValue: \" or ' expected for " + name, source.Line());
    for (int c = source.Get(); c != kEnd; c = source.Get()) {
      if (c == quote) return true;
      if (c == '<') return Fail("Unescaped '<' not allowed in attributes values", source.Line());
      if (c == '&') {
        if (!Reference(value)) return false;
      } else {
        value += IsBlank(c) ? ' ' : static_cast<char>(c);  // a parser turns literal blanks into spaces
      }
    }
    return Fail("AttValue: ' expected", source.Line());
  }

  // After '&': a named entity of XML or a character reference.
  bool Reference(std::string& out) {
    std::string name;
    for (int c = source.Get(); c != ';'; c = source.Get()) {
      if (c == kEnd || IsBlank(c) || c == '<' || c == '&' || name.size() > 16) {
        return Fail("EntityRef: expecting ';'", source.Line());
      }
      name += static_cast<char>(c);
    }
    static const std::pair<const char*, char> kEntities[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, character] : kEntities) {
      if (name == entity) {
        out += character;
        return true;
      }
    }
    if (name.size() < 2 || name[0] != '#') return Fail("Entity '" + name + "' not defined", source.Line());
    const bool hex = name[1] == 'x';
    const std::string digits = name.substr(hex ? 2 : 1);
    unsigned long code = 0;
    for (char digit : digits) {
      const int value = std::isxdigit(static_cast<unsigned char>(digit)) == 0 ? -1
                        : digit <= '9'                                        ? digit - '0'
                                                                              : (std::tolower(digit) - 'a' + 10);
      if (value < 0 || (!hex && value > 9) || code > 0x10FFFF) {
        return Fail("invalid character reference &" + name + ";", source.Line());
      }
      code = code * (hex ? 16 : 10) + static_cast<unsigned long>(value);
    }
    if (digits.empty() || !IsAllowedCharacter(code)) {
      return Fail("xmlParseCharRef: invalid xmlChar value " + std::to_string(code), source.Line());
    }
    Varnel::AppendUtf8(out, static_cast<std::uint32_t>(code));  // allowed, so within Unicode
    return true;
  }

  ByteSource& source;
  XmlHandler& handler;
  XmlError& error;
  std::vector<OpenElement> open;
  std::string text;
  bool rootSeen = false;
};

}  // namespace

bool ReadXmlStream(wxFFile& file, XmlHandler& handler, XmlError& error) {
  ByteSource source(file);
  return XmlReader(source, handler, error).ReadDocument();
}

}  // namespace datahookrunner
