#include "DemoMonkey.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testsupport/TestData.h"

namespace qorvexctl::demo {
namespace {

// A modest run for every build (the sanitizer tree included); longer runs go through
// `qorvexctl_demo --monkey EVENTS --seed SEED`.
TEST(DemoMonkey, IrsFormKeepsItsInvariantsUnderRandomInput) {
  const auto folder = testsupport::MakeTempFolder("demo-monkey");
  for (const std::uint64_t seed : {11u, 20261206u}) {
    const MonkeyRun run = RunIrsFormMonkey(2000, seed, (folder / "host.sqlite").string());
    EXPECT_EQ(run.failure, "") << "seed " << seed << ", event " << run.events;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qorvexctl::demo
