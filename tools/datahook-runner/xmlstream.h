#pragma once
#include "hostkit/result.h"
#include <string>
#include <utility>
#include <vector>
#include <wx/ffile.h>

namespace datahookrunner {

using XmlAttributes = std::vector<std::pair<std::string, std::string>>;

// What the streaming reader hands on, in document order. Texts are UTF-8 with entities and character
// references resolved and line ends made line feeds, as any XML parser gives them; a long text may come in
// several pieces.
class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  // depth 0 is the root element. A failure stops the reading.
  virtual hostkit::Status StartElement(const std::string& name, const XmlAttributes& attributes, std::size_t depth) = 0;
  virtual void EndElement() = 0;
  virtual void Text(const std::string& text, bool characterData) = 0;
};

struct XmlError {
  std::string message;
  int line = 0;              // 0: not tied to a line
  bool fromHandler = false;  // the handler refused the content; the file itself was fine so far
};

// Reads the open XML file (UTF-8) from where it stands, a piece at a time, so that only the open elements and the
// current text are ever held. Checks what a report needs to be well-formed: one root, matching tags, quoted attributes,
// known entities. Fails on the first problem or when the file cannot be read.
using XmlStatus = hostkit::Result<void, XmlError>;
XmlStatus ReadXmlStream(wxFFile& file, XmlHandler& handler);

}  // namespace datahookrunner
