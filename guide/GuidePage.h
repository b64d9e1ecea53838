#pragma once
// The Markdown of the user guide: one page per control (its hand-written description and
// examples around the tables its facts give) and the index of the pages.

#include <string>
#include <vector>

#include "guide/ControlFacts.h"

namespace qorvexctl::guide {

// The hand-written part of a control's page, kept in docs/controls/about.json.
struct ControlAbout {
  std::string title;       // what the control is, in a few words: "the NIF field"
  std::string shows;       // a paragraph: what it shows and what it is for
  std::string screenshot;  // a picture of docs/screenshots/
};

// The examples a page quotes, as the files under examples/guide/ and docs/controls/play/ hold
// them.
struct ControlExamples {
  std::string cpp;
  std::string playScript;
  std::string playOutput;
};

std::string ControlPage(const ControlFacts& control, const ControlAbout& about,
                        const ControlExamples& examples);

struct IndexEntry {
  std::string name;
  std::string title;
  ControlKind kind = ControlKind::Library;  // the section of the index it is listed in
};
// docs/controls/README.md: one line per control, linked to its page, the library's first.
std::string GuideIndex(const std::vector<IndexEntry>& entries);

}  // namespace qorvexctl::guide
