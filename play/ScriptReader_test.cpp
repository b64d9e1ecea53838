#include "play/ScriptReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace qorvexctl::play {
namespace {

std::vector<std::string> Texts(const Command& command) {
  std::vector<std::string> texts{command.verb};
  for (const Argument& a : command.args) texts.push_back(a.quoted ? "\"" + a.text + "\"" : a.text);
  return texts;
}

TEST(ScriptReader, SplitsArgumentsAtBlanksAndDecodesJsonStrings) {
  struct Case {
    const char* line;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"add QORVEXCTL.cNIF nif1 600 600 2400 330",
       {"add", "QORVEXCTL.cNIF", "nif1", "600", "600", "2400", "330"}},
      {"set  nif1.Value\t\"PT 123\"  # a comment", {"set", "nif1.Value", "\"PT 123\""}},
      {"keys \"{ENTER}\\\"x\\u00e9\"", {"keys", "\"{ENTER}\"xé\""}},
      {"FORM new \"Declaração\"\r", {"form", "new", "\"Declaração\""}},
      {"answer menu \"Colar|#1\"", {"answer", "menu", "\"Colar|#1\""}},
      {"get a#b", {"get", "a#b"}},  // # starts a comment only at an argument's start
  };
  for (const Case& c : cases) {
    const Script script = ReadScript(c.line);
    ASSERT_EQ(script.error, "") << c.line;
    ASSERT_EQ(script.commands.size(), 1u) << c.line;
    EXPECT_EQ(Texts(script.commands[0]), c.expected) << c.line;
  }
}

TEST(ScriptReader, ModalBlocksHoldTheirCommandsAndKeepLineNumbers) {
  const Script script = ReadScript(
      "# country list\n"
      "modal\n"
      "  click cList 10 30 double\n"
      "  modal\n"
      "  end\n"
      "end\n"
      "\n"
      "click nif1.cPicture\n");
  ASSERT_EQ(script.error, "");
  ASSERT_EQ(script.commands.size(), 2u);
  EXPECT_EQ(script.commands[0].line, 2);
  ASSERT_EQ(script.commands[0].body.size(), 2u);
  EXPECT_EQ(script.commands[0].body[0].line, 3);
  EXPECT_EQ(script.commands[0].body[1].verb, "modal");
  EXPECT_EQ(script.commands[1].line, 8);
}

TEST(ScriptReader, BrokenScriptsNameTheLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"get x\nset a.b \"open", "line 2: unterminated or invalid string"},
      {"set a.b \"bad \\q\"", "line 1: unterminated or invalid string"},
      {"set a.b \"x\"y", "line 1: a blank must follow a string"},
      {"modal\nget x\n", "line 1: modal without end"},
      {"get x\nend", "line 2: end without modal"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadScript(c.text).error, c.error) << c.text;
  std::string deep;
  for (int i = 0; i < 40; ++i) deep += "modal\n";
  EXPECT_EQ(ReadScript(deep).error, "line 33: modal blocks nested too deep");
  std::string longest(kMaxScriptBytes, '#');  // one long comment
  EXPECT_EQ(ReadScript(longest).error, "");
  longest += '\n';
  EXPECT_EQ(ReadScript(longest).error, "the script is longer than 1048576 bytes");
}

TEST(ScriptReader, AnyBytesGiveCommandsOrAnError) {
  std::mt19937 random(7);
  const std::string alphabet = "ab.\"\\ #\n\t(){}0123456789modalendu";
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 64);
    for (int i = 0; i < length; ++i) {
      text += random() % 8 == 0 ? static_cast<char>(random() % 256)
                                : alphabet[random() % alphabet.size()];
    }
    const Script script = ReadScript(text);
    if (!script.error.empty()) {
      EXPECT_EQ(script.error.rfind("line ", 0), 0u) << text;
    }
  }
}

TEST(ScriptReader, ValuesAreJsonWhereTheyReadAsJsonAndTextOtherwise) {
  EXPECT_EQ(ValueOf({"true", false}).Type(), VarType::Boolean);
  EXPECT_EQ(ValueOf({"true", true}).Type(), VarType::String);
  EXPECT_EQ(ValueOf({"42", false}).Type(), VarType::Long);
  EXPECT_EQ(ValueOf({"-1.5", false}).ToDouble(), -1.5);
  EXPECT_EQ(ValueOf({"1e300", false}).Type(), VarType::Double);
  EXPECT_EQ(ValueOf({"99999999999", false}).Type(), VarType::Double);
  EXPECT_EQ(ValueOf({"PT123", false}).ToString(), "PT123");
  EXPECT_TRUE(ValueOf({"null", false}).IsNull());
}

TEST(ScriptReader, NamesSplitIntoStepsWithIndexes) {
  const auto steps = SplitName("nib1.nib(2).Text");
  ASSERT_TRUE(steps);
  ASSERT_EQ(steps->size(), 3u);
  EXPECT_EQ((*steps)[1].name, "nib");
  EXPECT_EQ((*steps)[1].index, 2);
  EXPECT_FALSE((*steps)[2].index);
  for (const char* bad : {"", "a..b", "a.", "x(", "x()", "x(1", "x(a)", "(1)", "x(1)y"}) {
    EXPECT_FALSE(SplitName(bad)) << bad;
  }
}

}  // namespace
}  // namespace qorvexctl::play
