// docs/foundation.md: a host makes components through the registry, and a component declares
// its persisted properties once.

#include <span>
#include <vector>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/PropertyBag.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"

using namespace qorvexctl;

namespace {

// A NIF field that keeps only its country in the form file.
class CountryOnlyField : public cNIF {
 public:
  using cNIF::cNIF;

 protected:
  std::vector<PersistedProperty> m_table = {
      Persisted<cNIF>(
          "CountryID", "PT", [](cNIF& c, const Variant& v) { c.CountryID(v.ToString()); },
          [](const cNIF& c) { return c.CountryID(); }),
  };
  std::span<const PersistedProperty> PersistedProperties() const override { return m_table; }
};

}  // namespace

int main() {
  platform::Desktop desktop;  // headless: memory settings, message boxes
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  Registry registry(library);
  RegisterNifField(registry, desktop);  // each component registers its factory

  auto nif = registry.Create("QORVEXCTL.cNIF");  // terminated when the last reference goes
  nif->InitProperties();                         // or ReadProperties(bag) from a form file
  PropertyBag bag;
  nif->WriteProperties(bag);  // values off their defaults, and the keys
                              // a control always writes

  CountryOnlyField field(library, desktop);
  field.WriteProperties(bag);
  return bag.Count() > 0 ? 0 : 1;
}
