// Texts the library reads back from disk: settings files, form files, and the text helpers they
// run through. Nothing may crash, and whatever parses must survive writing and parsing again
// unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "qorvexctl/base/Base64.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/FormFile.h"
#include "qorvexctl/platform/services/IniDocument.h"

namespace {

using namespace qorvexctl;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckSettingsText(std::string_view text) {
  const auto document = platform::IniDocument::Parse(text);
  if (!document) return;
  const auto again = platform::IniDocument::Parse(document->Format());
  Require(again && again->Format() == document->Format());
}

void CheckFormText(std::string_view text) {
  const auto form = FormFile::FromText(text);
  if (!form) return;
  const auto again = FormFile::FromText(form->ToText());
  Require(again && again->ToText() == form->ToText());
}

void CheckTextHelpers(std::string_view text) {
  const std::size_t length = Len(text);
  Require(DecodeUtf8(text).size() == length);
  Require(Len(Mid(text, length / 2 + 1)) == length - length / 2);
  if (IsValidUtf8(text)) Require(EncodeUtf8(DecodeUtf8(text)) == text);
  Require(Len(UCase(text)) == length && Len(ProperCase(text)) == length);
  (void)InStrRev(text, Left(text, 1), std::string::npos, CompareMode::Text);
  (void)DecodeBase64(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckSettingsText(text);
  CheckFormText(text);
  CheckTextHelpers(text);
  return 0;
}
