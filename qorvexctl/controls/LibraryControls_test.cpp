#include "qorvexctl/controls/LibraryControls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/controls/helpers/showcod2.h"
#include "qorvexctl/frame/IntrinsicControls.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Line.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

// Every type of the member directory, with one live object of it on a form.
struct MemberTablesTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes(),
                       [] { return testsupport::RepositoryDataFolder().parent_path().string(); }};
  Registry registry{library};
  platform::Form form{desktop, "Members"};
  platform::Window plainWindow{desktop, &form};
  platform::Line line{form};
  StdPNG png{&desktop};
  std::vector<std::unique_ptr<platform::Window>> intrinsics;
  std::vector<std::shared_ptr<Component>> components;
  std::unique_ptr<calcForm> calculator;

  MemberTablesTest() {
    RegisterLibraryControls(registry, desktop);
    form.Show();
  }

  // The intrinsic types outlive the lookups into them.
  const IntrinsicControls intrinsicTypes = IntrinsicControls::Standard();

  // The object the directory entry `name` describes.
  ObjectRef ObjectOf(const std::string& name) {
    const MemberDirectory& members = registry.Members();
    if (name == "Window") return members.Of(plainWindow);
    if (name == "Control") return members.Of(static_cast<platform::Window&>(line));
    if (name == "Form") return members.Of(static_cast<platform::Window&>(form));
    if (name == "StdPNG") return ObjectRef{&png, members.Find(name)->table};
    if (name == "calcForm") {  // the amount field's calculator window, not made by name
      calculator = std::make_unique<calcForm>(library, desktop);
      return members.Of(static_cast<platform::Window&>(*calculator));
    }
    if (name == "showcod2") {
      intrinsics.push_back(std::make_unique<showcod2>(library, desktop));
      return members.Of(*intrinsics.back());
    }
    if (const IntrinsicType* type =
            intrinsicTypes.Find(name == "ScrollBar" ? "VScrollBar" : name)) {
      intrinsics.push_back(type->create(form));
      return members.Of(*intrinsics.back());
    }
    auto component = registry.Create(std::string(kLibraryName) + "." + name);
    if (!component) return {};
    components.push_back(component);
    if (auto* window = dynamic_cast<platform::Window*>(component.get())) {
      window->SetParent(&form);
      component->InitProperties();
      return members.Of(*window);
    }
    return members.Of(*component);
  }
};

// Properties whose let is an action rather than a stored value: a command button's Value is a
// momentary press, ResetDefaultColors resets the colours and reads False; the article
// reference's OldMethod and GotRTF always read False and True; a selector's SelectedSujeito
// and SujeitoValueType select a kind (the empty text the first, unless none may be selected).
bool ActsOnLet(const std::string& type, const std::string& property) {
  return (type == "cButton" && (property == "Value" || property == "ResetDefaultColors")) ||
         (type == "cRefArtigo" && (property == "OldMethod" || property == "GotRTF")) ||
         (type == "cSujeitoSelector" &&
          (property == "SelectedSujeito" || property == "SujeitoValueType"));
}

TEST_F(MemberTablesTest, TheDirectoryKnowsTheIntrinsicAndLibraryTypes) {
  for (const char* name :
       {"Form", "TextBox", "Label", "CheckBox", "CommandButton", "Frame", "PictureBox", "Image",
        "ListView", "VScrollBar", "HScrollBar", "cNIF", "InfoButton", "clsBalloonTip", "StdPNG"}) {
    EXPECT_NE(registry.Members().Find(name), nullptr) << name;
  }
}

TEST_F(MemberTablesTest, EveryPropertyReadsAndEveryLetRoundTrips) {
  for (const std::string& name : registry.Members().Names()) {
    ObjectRef object = ObjectOf(name);
    ASSERT_TRUE(object) << name;
    EXPECT_EQ(object.table, registry.Members().Find(name)->table) << name;
    for (const PropertyMember& property : object.table->properties) {
      SCOPED_TRACE(name + "." + property.name);
      const Variant before = CallByName(object, property.name, CallType::Get);
      if (!property.let || ActsOnLet(name, property.name)) continue;
      CallByName(object, property.name, CallType::Let, {before});
      EXPECT_EQ(CallByName(object, property.name, CallType::Get), before);
      if (before.Type() != VarType::Boolean) continue;
      CallByName(object, property.name, CallType::Let, {!before.ToBoolean()});
      EXPECT_EQ(CallByName(object, property.name, CallType::Get).ToBoolean(), !before.ToBoolean());
      CallByName(object, property.name, CallType::Let, {before});
    }
    auto connections = ConnectAllEvents(object, [](std::string_view, std::vector<Variant>&) {});
    EXPECT_EQ(connections.size(), object.table->events.size()) << name;
    for (auto& connection : connections) connection.Disconnect();
  }
}

TEST_F(MemberTablesTest, ChosenValuesComeBackAsTheyWereLet) {
  struct Case {
    const char* type;
    const char* property;
    Variant value;
    Variant expected;
  };
  const Case cases[] = {
      {"TextBox", "Text", "Lisboa", "Lisboa"},
      {"Label", "Caption", "NIF", "NIF"},
      {"CheckBox", "Value", 1, 1},
      {"ScrollBar", "Value", 7, 7},
      {"Form", "Caption", "Anexo H", "Anexo H"},
      {"TextBox", "Left", 300, 300},
      {"TextBox", "BackColor", 255, 255},
      {"cNIF", "Value", "123456789", "PT123456789"},
      {"cNIF", "CountryID", "es", "ES"},
      {"cNIF", "Countries", 2, 2},
      {"InfoButton", "Action", "click", "click"},
      {"InfoButton", "Style", 2, 2},
      {"clsBalloonTip", "Title", "NIF", "NIF"},
      {"clsBalloonTip", "Icon", 3, 3},
      {"StdPNG", "TransparentStyle", -1, -1},
      {"cSujeitoSelector", "Possible", "DA", "AD"},
      {"cSujeitoSelector", "SujeitoValueType", "F", "F1"},
      {"cTipDefCTLNew", "Tipo", 7, 2},
      {"cRefArtigo", "artigo", "78,2,a)", "78,2,a)"},
      {"cSlider", "SlideOpen", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + "." + c.property);
    ObjectRef object = ObjectOf(c.type);
    CallByName(object, c.property, CallType::Let, {c.value});
    EXPECT_EQ(CallByName(object, c.property, CallType::Get).ToString(), c.expected.ToString());
  }
}

TEST_F(MemberTablesTest, InnerPartsAreReachedThroughTheirOwnTypesTable) {
  ObjectRef nif = ObjectOf("cNIF");
  platform::Window* box = nif.table->FindPart("nif")->find(nif.object, -1);
  ASSERT_NE(box, nullptr);
  ObjectRef part = registry.Members().Of(*box);
  EXPECT_EQ(part.table->typeName, "TextBox");
  CallByName(part, "Text", CallType::Let, {"123456789"});
  EXPECT_EQ(CallByName(nif, "Value", CallType::Get).ToString(), "PT123456789");
  EXPECT_TRUE(CallByName(nif, "IsOK", CallType::Get).ToBoolean());  // a function read as a value
}

TEST_F(MemberTablesTest, AnOwnMemberReplacesTheInheritedOneOfTheSameName) {
  const MemberTable& table = *registry.Members().Find("cNIF")->table;
  int enabled = 0;
  for (const PropertyMember& p : table.properties) enabled += p.name == "Enabled";
  EXPECT_EQ(enabled, 1);
  ObjectRef nif = ObjectOf("cNIF");
  CallByName(nif, "Enabled", CallType::Let, {false});
  auto* field = static_cast<platform::Window*>(nif.table->FindPart("nif")->find(nif.object, -1));
  EXPECT_FALSE(field->Enabled());  // the field's own Enabled disables its text box
}

TEST_F(MemberTablesTest, UnknownMembersNameTheTypeAndTheMember) {
  ObjectRef nif = ObjectOf("cNIF");
  try {
    CallByName(nif, "Valor", CallType::Get);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Description(), "cNIF.Valor: no such property");
  }
}

}  // namespace
}  // namespace qorvexctl
