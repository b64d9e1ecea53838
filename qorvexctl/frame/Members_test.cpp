#include "qorvexctl/frame/Members.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"

namespace qorvexctl {
namespace {

// A window-like base at a non-zero offset, so inherited members must adjust the pointer.
struct Padding {
  virtual ~Padding() = default;
  double filler = 0;
};
struct Base {
  virtual ~Base() = default;
  std::string tag;
};
struct Sample : Padding, Base {
  enum Mode { Off = 0, On = 1 };
  std::string text;
  int count = 0;
  Mode mode = Off;
  std::uint32_t colour = 0x80000005u;
  Event<bool&, int> QueryClose;  // Cancel, Reason
  Event<const std::string&> Changed;
};

const MemberTable& BaseMembers() {
  static const MemberTable table =
      MembersOf<Base>("Base")
          .Property(
              "Tag", [](const Base& b) { return b.tag; }, [](Base& b, std::string v) { b.tag = v; })
          .Build();
  return table;
}

const MemberTable& SampleMembers() {
  static const MemberTable table =
      MembersOf<Sample>("Sample")
          .Inherit<Base>(BaseMembers())
          .Property(
              "Text", [](const Sample& s) { return s.text; },
              [](Sample& s, std::string v) { s.text = v; })
          .Property("Count", [](const Sample& s) { return s.count; })
          .Property(
              "Mode", [](const Sample& s) { return s.mode; },
              [](Sample& s, Sample::Mode m) { s.mode = m; })
          .Property(
              "BackColor", [](const Sample& s) { return s.colour; },
              [](Sample& s, std::uint32_t c) { s.colour = c; })
          .Method("Add", {"Amount", "Doubled"},
                  [](Sample& s, int amount, bool& doubled) {
                    doubled = amount > 10;
                    s.count += doubled ? 2 * amount : amount;
                    return s.count;
                  })
          .Event("QueryClose", {"Cancel", "Reason"}, &Sample::QueryClose)
          .Event("Changed", {"Text"}, &Sample::Changed)
          .Build();
  return table;
}

TEST(Members, PropertiesRoundTripThroughVariantsAndBaseMembersAdjustThePointer) {
  Sample sample;
  ObjectRef ref{&sample, &SampleMembers()};
  CallByName(ref, "text", CallType::Let, {Variant("abc")});
  CallByName(ref, "Tag", CallType::Let, {Variant(42)});
  CallByName(ref, "Mode", CallType::Let, {Variant("1")});
  CallByName(ref, "BackColor", CallType::Let, {CallByName(ref, "BackColor", CallType::Get)});
  EXPECT_EQ(sample.text, "abc");
  EXPECT_EQ(sample.tag, "42");
  EXPECT_EQ(sample.mode, Sample::On);
  EXPECT_EQ(sample.colour, 0x80000005u);
  EXPECT_EQ(CallByName(ref, "Tag", CallType::Get).ToString(), "42");
  EXPECT_EQ(SampleMembers().FindProperty("Text")->type, VarType::String);
  EXPECT_EQ(SampleMembers().FindProperty("Count")->type, VarType::Long);
}

TEST(Members, MethodsConvertArgumentsAndHandByReferenceOnesBack) {
  Sample sample;
  ObjectRef ref{&sample, &SampleMembers()};
  std::vector<Variant> args{Variant("12"), Variant(false)};
  EXPECT_EQ(CallByName(ref, "ADD", CallType::Method, args).ToLong(), 24);
  EXPECT_TRUE(args[1].ToBoolean());
  std::vector<Variant> missing{Variant(3)};  // a missing argument arrives as Empty
  EXPECT_EQ(CallByName(ref, "Add", CallType::Method, missing).ToLong(), 27);
}

TEST(Members, EventsReachTheSinkAndTheSinkCanSetByReferenceArguments) {
  Sample sample;
  ObjectRef ref{&sample, &SampleMembers()};
  std::vector<std::string> seen;
  auto connections = ConnectAllEvents(ref, [&](std::string_view event, std::vector<Variant>& a) {
    seen.push_back(std::string(event) + "(" + std::to_string(a.size()) + ")");
    if (event == "QueryClose") a[0] = Variant(true);
  });
  bool cancel = false;
  sample.QueryClose(cancel, 1);
  sample.Changed("x");
  EXPECT_TRUE(cancel);
  EXPECT_EQ(seen, (std::vector<std::string>{"QueryClose(2)", "Changed(1)"}));
  for (auto& c : connections) c.Disconnect();
  sample.Changed("y");
  EXPECT_EQ(seen.size(), 2u);
}

TEST(Members, UnknownNamesAndReadOnlyLetsNameTheTypeAndTheMember) {
  Sample sample;
  ObjectRef ref{&sample, &SampleMembers()};
  struct Case {
    const char* name;
    CallType type;
    const char* message;
  };
  for (const Case& c : {Case{"Nope", CallType::Get, "Sample.Nope: no such property"},
                        Case{"Nope", CallType::Method, "Sample.Nope: no such method"},
                        Case{"Count", CallType::Let, "Sample.Count: the property is read-only"}}) {
    try {
      CallByName(ref, c.name, c.type, {Variant(1)});
      ADD_FAILURE() << c.name;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), kErrNoSuchMember) << c.name;
      EXPECT_EQ(e.Description(), c.message);
    }
  }
  EXPECT_THROW(CallByName(ref, "Add", CallType::Method, {1, 2, 3}), RuntimeError);
}

}  // namespace
}  // namespace qorvexctl
