#pragma once
#include <string>

namespace hostkit {

// Poses as the machine of that name for the lifetime of the object: the plug-in asks for its host name through
// an override the process environment can set, so a plug-in loaded or run meanwhile decides what it runs on.
class PosingAs {
 public:
  explicit PosingAs(const std::string& hostName);
  ~PosingAs();
  PosingAs(const PosingAs&) = delete;
  PosingAs& operator=(const PosingAs&) = delete;
};

}  // namespace hostkit
