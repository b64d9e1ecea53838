#include "testsupport/FormRoundTrip.h"

#include <filesystem>

#include "qorvexctl/frame/IntrinsicControls.h"
#include "testsupport/TestData.h"

namespace qorvexctl::testsupport {

std::optional<FormLoadReport> SaveAndLoad(const Registry& registry, platform::Form& form,
                                          platform::Form& copy) {
  const FormStore store(registry, IntrinsicControls::Standard());
  const std::filesystem::path folder = MakeTempFolder("form-round-trip");
  if (folder.empty()) return std::nullopt;
  const std::filesystem::path file = folder / "form.json";
  std::optional<FormLoadReport> report;
  if (store.Save(form, file)) report = store.Load(file, copy);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return report;
}

}  // namespace qorvexctl::testsupport
