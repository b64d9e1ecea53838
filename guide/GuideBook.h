#pragma once
// The whole user guide from a checkout: a page for every control on the registration list, for
// every intrinsic control of the platform, for the other types of the member directory, and the
// index, from the member tables and the hand-written parts (docs/controls/about.json, the
// examples under examples/guide/ and docs/controls/play/). `qorvexctl guide` writes it and a
// test compares it with the committed pages.

#include <filesystem>
#include <string>
#include <vector>

namespace qorvexctl::guide {

struct GuideFile {
  std::string name;  // in the guide's folder: "cNIF.md", "README.md"
  std::string text;
};

struct Guide {
  std::vector<GuideFile> files;
  std::vector<std::string>
      controls;  // the controls with a page: the library's, then the platform's
  // What a page lacks ("cNIF: no entry in docs/controls/about.json"); its page is still made.
  std::vector<std::string> problems;
};

// `root` is the checkout: its data/ folder and the hand-written parts.
Guide GenerateGuide(const std::filesystem::path& root);

}  // namespace qorvexctl::guide
