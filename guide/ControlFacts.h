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

enum class ControlKind {
  Library,   // registered by name: "QORVEXCTL.cNIF"
  Platform,  // an intrinsic control of the platform: "TextBox"
  Reached,   // made by the library itself, reached by its type name: the calculator
};

struct ControlFacts {
  std::string name;                      // as registered: "cNIF" for "QORVEXCTL.cNIF"
  const MemberTable* members = nullptr;  // nullptr for a type without a member table
  std::vector<PersistedKey> persisted;   // in read order, then the keys only written
  bool placed = false;                   // a control placed on a form, not a class made by new
  ControlKind kind = ControlKind::Library;
};

// The controls of the library's registration list, the platform's intrinsic controls and the
// other types of the member directory, on a headless desktop of its own.
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
  // The library's forms and classes that are not created by name but that hosts and scripts
  // reach by their type name through the member directory (the calculator, the article viewer).
  std::vector<ControlFacts> ReachedTypes() const;

 private:
  std::unique_ptr<platform::Desktop> m_desktop;
  std::unique_ptr<LibraryState> m_library;
  std::unique_ptr<Registry> m_registry;
};

// The name of a value type as the classic runtime's TypeName gives it ("String", "Long").
std::string ValueTypeName(VarType type);

}  // namespace guide
}  // namespace qorvexctl
