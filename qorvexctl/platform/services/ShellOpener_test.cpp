#include "qorvexctl/platform/services/ShellOpener.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "testsupport/TestData.h"

namespace qorvexctl::platform {

TEST(XdgShellOpener, RunsTheProgramWithTheTargetWithoutWaitingForIt) {
  const auto folder = testsupport::MakeTempFolder("opener");
  const auto script = folder / "fake-open";
  const auto output = folder / "opened";
  std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > " << output.string() << ".part\n"
                        << "mv " << output.string() << ".part " << output.string() << "\n";
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  XdgShellOpener opener(script.string());
  ASSERT_TRUE(opener.Open("https://example.org/artigo?id=1 2"));
  for (int i = 0; i < 500 && !std::filesystem::exists(output); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream in(output);
  std::string opened((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(opened, "https://example.org/artigo?id=1 2");
  // From a working folder the program runs there, so a relative target is found there.
  const auto here = folder / "here";
  std::filesystem::create_directory(here);
  std::ofstream(script) << "#!/bin/sh\npwd > " << output.string() << ".part\n"
                        << "mv " << output.string() << ".part " << output.string() << "\n";
  std::filesystem::remove(output);
  ASSERT_TRUE(opener.Open("guia.pdf", here.string()));
  for (int i = 0; i < 500 && !std::filesystem::exists(output); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::ifstream again(output);
  std::string where;
  std::getline(again, where);
  EXPECT_EQ(std::filesystem::path(where), here);
  EXPECT_FALSE(opener.Open("x", (folder / "no-such-folder").string()));
  EXPECT_FALSE(XdgShellOpener((folder / "missing").string()).Open("x"));
  EXPECT_FALSE(opener.Open(""));
  std::filesystem::remove_all(folder);
}

TEST(RecordingShellOpener, RecordsTargetsAndAnswersAsTold) {
  RecordingShellOpener opener;
  EXPECT_TRUE(opener.Open("a.pdf"));
  opener.Succeed(false);
  EXPECT_FALSE(opener.Open("b"));
  EXPECT_FALSE(opener.Open("c", "/srv/app/"));
  EXPECT_EQ(opener.Opened(), (std::vector<std::string>{"a.pdf", "b", "c"}));
  EXPECT_EQ(opener.WorkingFolders(), (std::vector<std::string>{"", "", "/srv/app/"}));
}

}  // namespace qorvexctl::platform
