#pragma once
// A host's stored form: the controls of one form, each by type name, name, control-array index,
// position and size (twips) and property bag, so the host can save a form and re-create every
// control from it (Registry::Create with "QORVEXCTL." + type name, then ReadProperties).
//
// The file is JSON:
//   {"format": "qorvexctl-form", "version": 1, "name": "frmIRS",
//    "controls": [{"type": "cNIF", "name": "txtNIF", "index": 0,
//                  "left": 120, "top": 240, "width": 2400, "height": 315,
//                  "properties": {"CountryID": "ES"}}],
//    "properties": {"Caption": "Anexo H"}}
// "index" is absent for a control that is not part of an array; "container" names the frame or
// picture box a control sits in (absent for the form itself). The form's own properties are
// optional. Saving replaces the file
// atomically, so a crash leaves the old form or the new one.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/frame/PropertyBag.h"

namespace qorvexctl {

struct FormControl {
  std::string typeName;
  std::string name;
  std::optional<int> index;  // position in a control array
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  PropertyBag properties;
  std::string container{};  // the containing control's name; "" for the form
};

class FormFile {
 public:
  // What a form file may hold: more controls, or controls inside containers nested deeper,
  // make it no form file (a damaged or hostile file cannot make a form that exhausts memory
  // or the stack of the painting and focus code, which walk the tree of windows).
  static constexpr std::size_t kMaxControls = 5000;
  static constexpr int kMaxNesting = 32;

  std::string name;
  std::vector<FormControl> controls;
  PropertyBag properties;  // the form's own (caption, colours, size)

  // The control of that name (without regard to case) and index, or nullptr.
  FormControl* Find(std::string_view controlName, std::optional<int> index = std::nullopt);

  std::string ToText() const;
  // The form of a JSON text, or nothing when the text is not a form file of this version or
  // passes the limits above.
  static std::optional<FormFile> FromText(std::string_view text);

  bool Save(const std::filesystem::path& path) const;
  // Nothing when the file cannot be read or is not a form file.
  static std::optional<FormFile> Load(const std::filesystem::path& path);
};

}  // namespace qorvexctl
