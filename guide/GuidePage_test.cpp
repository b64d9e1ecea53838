// A page's tables from a small member table of a test type, and the persisted keys of a real
// control read under two spellings.

#include "guide/GuidePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "qorvexctl/base/Text.h"
#include "testsupport/TestData.h"

namespace qorvexctl::guide {
namespace {

struct Picker {
  std::string text;
  Event<std::string, bool&> Picked;
};

const MemberTable& PickerMembers() {
  static const MemberTable table =
      MembersOf<Picker>("Picker")
          .Property(
              "Text", [](const Picker& p) { return p.text; },
              [](Picker& p, std::string v) { p.text = std::move(v); })
          .Property("Length",
                    [](const Picker& p) { return static_cast<std::int32_t>(p.text.size()); })
          .Method("Pick", {"Index", "Why"}, [](Picker&, std::int32_t, std::string) {})
          .Event("Picked", {"Item", "Cancel"}, &Picker::Picked)
          .Part("lista", [](Picker&, int) -> platform::Window* { return nullptr; })
          .Build();
  return table;
}

std::string PageOf(const ControlFacts& facts) {
  return ControlPage(facts, {"a picker", "Shows a list.", "picker.png"},
                     {"int main() {}\n", "new QORVEXCTL.Picker p\n", "{\"get\":1}\n"});
}

TEST(GuidePage, TablesGiveTypesLetsArgumentsInOrderAndKeys) {
  ControlFacts facts{
      "Picker",
      &PickerMembers(),
      {{"Text", "a|b", true, true}, {"savevar", "", false, true}, {"Cur", {}, true, false}},
      true};
  const std::string page = PageOf(facts);
  for (const char* row :
       {"| `Text` | String | yes | yes |", "| `Length` | Long | yes | no |",
        "| `Pick` | `Index`, `Why` |", "| `Picked` | `Item`, `Cancel` |",
        "| `Text` | `\"a\\|b\"` | yes | yes |", "| `savevar` | `\"\"` | no | yes |",
        "| `Cur` | none | yes | no |", "reached as `NAME.PART` in a play script: `lista`.",
        "![Picker](../screenshots/picker.png)", "`add QORVEXCTL.Picker NAME LEFT TOP WIDTH HEIGHT`",
        "```cpp\nint main() {}\n```", "```\nnew QORVEXCTL.Picker p\n```",
        "prints:\n\n```\n{\"get\":1}\n```"}) {
    EXPECT_NE(page.find(row), std::string::npos) << row << "\n" << page;
  }
}

TEST(GuidePage, AClassWithoutMethodsOrKeysSaysSo) {
  static const MemberTable bare = MembersOf<Picker>("Bare").Build();
  const std::string page = PageOf(ControlFacts{"Bare", &bare, {}, false});
  for (const char* text : {"makes it with `new QORVEXCTL.Bare NAME`", "## Methods\n\nNone.",
                           "None: a form file keeps nothing of it."}) {
    EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
  }
}

const PersistedKey* FindKey(const ControlFacts& control, const std::string& key) {
  for (const PersistedKey& k : control.persisted) {
    if (k.key == key) return &k;
  }
  return nullptr;
}

// eurbox reads and writes its keys in two orders, and writes some it never reads.
TEST(ControlCatalog, KeysReadAndWrittenAreListedOnceWrittenOnlyOnesLast) {
  for (const ControlFacts& control : ControlCatalog(testsupport::RepositoryRoot()).Controls()) {
    if (control.name != "eurbox") continue;
    for (std::size_t i = 0; i < control.persisted.size(); ++i) {
      for (std::size_t j = i + 1; j < control.persisted.size(); ++j) {
        EXPECT_FALSE(EqualsNoCase(control.persisted[i].key, control.persisted[j].key))
            << control.persisted[i].key;
      }
    }
    const PersistedKey* max = FindKey(control, "max");
    const PersistedKey* cur = FindKey(control, "Cur");
    ASSERT_TRUE(max && cur);
    EXPECT_TRUE(max->read && max->written);
    EXPECT_TRUE(!cur->read && cur->written);
    EXPECT_TRUE(control.persisted.back().written && !control.persisted.back().read);
    return;
  }
  FAIL() << "eurbox is not registered";
}

// An intrinsic control: the directory's table of its type (or of every control), and the keys a
// form file keeps with the values of a new control.
TEST(ControlCatalog, PlatformControlsHaveTheirTablesAndKeptKeysWithNewValues) {
  const auto controls = ControlCatalog(testsupport::RepositoryRoot()).PlatformControls();
  const auto find = [&](const std::string& name) -> const ControlFacts& {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlFacts& c) { return c.name == name; });
    EXPECT_NE(found, controls.end()) << name;
    return *found;
  };
  const ControlFacts& text = find("TextBox");
  ASSERT_TRUE(text.kind == ControlKind::Platform && text.placed && text.members);
  EXPECT_EQ(text.members->typeName, "TextBox");
  const PersistedKey* visible = FindKey(text, "Visible");
  const PersistedKey* multiLine = FindKey(text, "MultiLine");
  ASSERT_TRUE(visible && multiLine);
  EXPECT_TRUE(visible->defaultValue.ToBoolean());
  EXPECT_FALSE(multiLine->defaultValue.ToBoolean());
  EXPECT_EQ(find("Shape").members->typeName, "Control");  // no table of its own
}

// The calculator and the article viewer are made by the controls that open them: their pages
// have their members, and no keys or examples of their own.
TEST(ControlCatalog, TypesReachedOnlyThroughTheDirectoryAreTheLibrarysOwnForms) {
  const ControlCatalog catalog(testsupport::RepositoryRoot());
  std::vector<std::string> reached;
  for (const ControlFacts& type : catalog.ReachedTypes()) {
    reached.push_back(type.name);
    EXPECT_EQ(type.kind, ControlKind::Reached);
    EXPECT_NE(type.members, nullptr);
    for (const ControlFacts& control : catalog.Controls()) EXPECT_NE(control.name, type.name);
  }
  for (const char* name : {"calcForm", "showcod2"}) {
    EXPECT_NE(std::find(reached.begin(), reached.end(), name), reached.end()) << name;
  }
  EXPECT_EQ(std::find(reached.begin(), reached.end(), "TextBox"), reached.end());
  const std::string page =
      PageOf(ControlFacts{"calcForm", &PickerMembers(), {}, false, ControlKind::Reached});
  EXPECT_NE(page.find("Not created through the registry"), std::string::npos);
  EXPECT_EQ(page.find("## Persisted keys"), std::string::npos);
  EXPECT_EQ(page.find("## C++ example"), std::string::npos);
}

TEST(GuideIndex, LinksTheLibrarysControlsInOrderThenThePlatforms) {
  const std::string index = GuideIndex({{"TextBox", "the text box", ControlKind::Platform},
                                        {"cNIF", "the NIF field", ControlKind::Library},
                                        {"cNIB", "the NIB field", ControlKind::Library}});
  EXPECT_NE(index.find("- [cNIF](cNIF.md): the NIF field\n- [cNIB](cNIB.md): the NIB field\n\n"
                       "## The platform's controls\n\n- [TextBox](TextBox.md): the text box\n"),
            std::string::npos)
      << index;
}

}  // namespace
}  // namespace qorvexctl::guide
