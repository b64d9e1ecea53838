#pragma once
// What the user guide says about a control without anyone writing it: the members of its table
// and the keys it keeps in a form file, read from the control itself.
//
//   ControlCatalog catalog(root);
//   for (const ControlFacts& control : catalog.Controls()) Render(control);

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

class LibraryState;
class Registry;
namespace platform {
class Desktop;
}

namespace guide {

// One key a form file keeps; a key read and written under two spellings ("enabled",
// "Enabled") is one key.
struct PersistedKey {
  std::string key;
  Variant defaultValue;
  bool read = false;
  bool written = false;
};

struct ControlFacts {
  std::string name;                      // as registered: "cNIF" for "QORVEXCTL.cNIF"
  const MemberTable* members = nullptr;  // nullptr for a type without a member table
  std::vector<PersistedKey> persisted;   // in read order, then the keys only written
  bool placed = false;                   // a control placed on a form, not a class made by new
  bool intrinsic = false;                // a control of the platform, not of the library
};

// The controls of the library's registration list and the platform's intrinsic controls, on a
// headless desktop of its own.
class ControlCatalog {
 public:
  // `root` is the application folder whose data/ the controls read.
  explicit ControlCatalog(const std::filesystem::path& root);
  ~ControlCatalog();

  // Every type registered by name, in registration order.
  std::vector<ControlFacts> Controls() const;
  // The platform's own controls a form file and a play script make by type name ("TextBox"),
  // with the members the directory gives them and the keys a form file keeps.
  std::vector<ControlFacts> PlatformControls() const;

 private:
  std::unique_ptr<platform::Desktop> m_desktop;
  std::unique_ptr<LibraryState> m_library;
  std::unique_ptr<Registry> m_registry;
};

// The name of a value type as the classic runtime's TypeName gives it ("String", "Long").
std::string ValueTypeName(VarType type);

}  // namespace guide
}  // namespace qorvexctl
