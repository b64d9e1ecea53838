#include "play/PlaySession.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "play/ScriptedDialogs.h"
#include "testsupport/TestData.h"

namespace qorvexctl::play {
namespace {

struct Played {
  int exit;
  std::string output;
  std::string failure;
};

Played Play(const std::string& text) {
  std::ostringstream out;
  PlayOptions options;
  options.root = testsupport::RepositoryDataFolder().parent_path();
  PlaySession session(out, options);
  const int exit = session.Run(ReadScript(text));
  return {exit, out.str(), session.Failure()};
}

TEST(PlaySession, FailuresNameTheLineAndStopTheScript) {
  struct Case {
    const char* script;
    const char* failure;
  };
  const Case cases[] = {
      {"form new\nadd TextBox t 0 0 1000 300\nexpect t.Text \"x\"\nget t.Text",
       "line 3: expect t.Text: got \"\", expected \"x\""},
      {"form new\nget nope.Text", "line 2: no control or object named \"nope\""},
      {"form new\nadd TextBox t 0 0 1000 300\nget t.Nope", "line 3: TextBox.Nope: no such property"},
      {"form new\nadd QORVEXCTL.cNIF n 0 0 1800 330\nget n.x.Text",
       "line 3: cNIF n has no inner part \"x\""},
      {"jump", "line 1: unknown command \"jump\""},
      {"form new\nadd Nothing t 0 0 1 1", "line 2: unknown type Nothing"},
      {"add TextBox t 0 0 wide 1", "line 1: WIDTH must be a number, not \"wide\""},
      {"answer msgbox maybe", "line 1: answer msgbox: unknown result \"maybe\""},
      {"form new\nadd QORVEXCTL.cNIF n 0 0 1800 330\nreply n.Changed Cancel true",
       "line 3: cNIF.Changed has no argument Cancel"},
      {"keys abc", "line 1: keys: no window has the focus"},
      {"clock -5", "line 1: clock: MS must be 0 to 86400000"},
      {"get", "line 1: get: wrong number of arguments"},
  };
  for (const Case& c : cases) {
    const Played played = Play(c.script);
    EXPECT_EQ(played.exit, 1) << c.script;
    EXPECT_EQ(played.failure, c.failure) << c.script;
  }
}

TEST(PlaySession, PrintsEventsValuesAndCallsAsJsonLines) {
  const Played played = Play(
      "form new\n"
      "add TextBox t 0 0 1000 300\n"
      "set t.Text \"a b\"\n"
      "get t.Text\n"
      "call t.SelectAll\n"
      "get t.SelLength\n"
      "clipboard 12\n"
      "get clipboard\n");
  EXPECT_EQ(played.exit, 0) << played.failure;
  EXPECT_NE(played.output.find("{\"event\":\"Change\",\"control\":\"t\",\"args\":[]}\n"
                               "{\"get\":\"t.Text\",\"value\":\"a b\"}\n"
                               "{\"call\":\"t.SelectAll\",\"value\":null}\n"
                               "{\"get\":\"t.SelLength\",\"value\":3}\n"
                               "{\"get\":\"clipboard\",\"value\":\"12\"}\n"),
            std::string::npos)
      << played.output;
}

TEST(PlaySession, RepliesAreWrittenIntoTheNextRaisingOnly) {
  const Played played = Play(
      "form new\n"
      "add QORVEXCTL.cNIF n 0 0 1800 330\n"
      "set n.Countries 1\n"
      "reply n.DisplayingCountryList Cancel true\n"
      "call n.ShowCountryList\n");
  EXPECT_EQ(played.exit, 0) << played.failure;
  EXPECT_NE(played.output.find("{\"event\":\"DisplayingCountryList\",\"control\":\"n\",\"args\":[false]}"),
            std::string::npos);
  EXPECT_EQ(played.output.find("CountryListSelected"), std::string::npos) << played.output;
}

TEST(PlaySession, MessageBoxAnswersByNameOrNumber) {
  using platform::MessageBoxResult;
  EXPECT_EQ(MessageBoxResultOf("yes"), MessageBoxResult::Yes);
  EXPECT_EQ(MessageBoxResultOf("vbNo"), MessageBoxResult::No);
  EXPECT_EQ(MessageBoxResultOf("Cancel"), MessageBoxResult::Cancel);
  EXPECT_EQ(MessageBoxResultOf("4"), MessageBoxResult::Retry);
  for (const char* bad : {"0", "8", "vb", "", "yess", "1x"}) {
    EXPECT_FALSE(MessageBoxResultOf(bad)) << bad;
  }
}

}  // namespace
}  // namespace qorvexctl::play
