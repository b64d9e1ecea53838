#include "qorvexctl/platform/services/IniSettingsStore.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "qorvexctl/platform/services/AtomicFile.h"
#include "testsupport/TestData.h"

namespace qorvexctl::platform {

namespace {

class IniSettingsStoreTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_root); }

  std::filesystem::path m_root = testsupport::MakeTempFolder("settings");
  IniSettingsStore m_store{m_root};
};

std::string KeyName(int process, int i) {
  return "p" + std::to_string(process) + "-key" + std::to_string(i);
}

// A value long enough that rewriting the file takes a while.
std::string Value(const char* generation, int i) {
  return std::string(generation) + std::to_string(i) + std::string(2000, 'x');
}

// Waits for a child until the deadline; kills it when the deadline passes. True when the child
// exited with status 0.
bool WaitForChild(pid_t child, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST_F(IniSettingsStoreTest, KeepsValuesPerApplicationInAnIniFile) {
  EXPECT_EQ(m_store.Get("Qorvex", "Setup", "RootPath", "none"), "none");
  EXPECT_TRUE(m_store.Set("Qorvex", "Setup", "RootPath", "/opt/irs/"));
  EXPECT_TRUE(m_store.Set("Balverde", "Calculadora", "Posição", "10;20"));
  EXPECT_EQ(m_store.Get("Qorvex", "SETUP", "rootpath", ""), "/opt/irs/");
  EXPECT_EQ(IniSettingsStore(m_root).Get("Balverde", "Calculadora", "Posição", ""), "10;20");
  EXPECT_EQ(m_store.Get("Balverde", "Setup", "RootPath", "-"), "-");
  EXPECT_EQ(ReadFileBytes(m_root / "Qorvex" / "settings.ini"), "[Setup]\nRootPath=/opt/irs/\n");
  EXPECT_TRUE(m_store.Delete("Qorvex", "Setup", "RootPath"));
  EXPECT_TRUE(m_store.Delete("Qorvex", "Setup", "RootPath"));
  EXPECT_EQ(m_store.Get("Qorvex", "Setup", "RootPath", "gone"), "gone");
  EXPECT_TRUE(m_store.DeleteSection("Balverde", "calculadora"));
  EXPECT_EQ(m_store.Get("Balverde", "Calculadora", "Posição", "gone"), "gone");
  EXPECT_EQ(m_store.FileOf("../x").parent_path().filename(), ".._x");
}

TEST_F(IniSettingsStoreTest, RootComesFromXdgConfigHomeWhenAbsolute) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string keep = saved ? saved : "";
  ::setenv("XDG_CONFIG_HOME", "/srv/config", 1);
  EXPECT_EQ(IniSettingsStore::DefaultRoot(), "/srv/config");
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(IniSettingsStore::DefaultRoot().filename(), ".config");
  EXPECT_TRUE(IniSettingsStore::DefaultRoot().is_absolute());
  saved ? ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(IniSettingsStoreTest, MalformedFileReadsAsDefaultsAndIsMovedAsideOnTheNextWrite) {
  const auto file = m_store.FileOf("Qorvex");
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << "[Setup]\nRootPath=/a/\n\x01\xFF garbage";
  EXPECT_EQ(m_store.Get("Qorvex", "Setup", "RootPath", "default"), "default");
  EXPECT_TRUE(m_store.Set("Qorvex", "Config", "Zoom", "2"));
  EXPECT_EQ(m_store.Get("Qorvex", "Config", "Zoom", ""), "2");
  EXPECT_EQ(m_store.Get("Qorvex", "Setup", "RootPath", "default"), "default");
  EXPECT_EQ(ReadFileBytes(file.string() + ".bad"), "[Setup]\nRootPath=/a/\n\x01\xFF garbage");
}

TEST_F(IniSettingsStoreTest, UnreadableFileReadsAsDefaultsAndIsNeverOverwritten) {
  const auto file = m_store.FileOf("Qorvex");
  std::filesystem::create_directories(file);  // a folder where the file should be
  EXPECT_EQ(m_store.Get("Qorvex", "Setup", "RootPath", "default"), "default");
  EXPECT_FALSE(m_store.Set("Qorvex", "Setup", "RootPath", "/x/"));
  EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(IniSettingsStoreTest, WriterKilledAtRandomPointsNeverLeavesACorruptFile) {
  constexpr int kKeys = 40;
  for (int i = 0; i < kKeys; ++i)
    ASSERT_TRUE(m_store.Set("App", "S", KeyName(0, i), Value("old", i)));
  std::mt19937 random(20261205);
  for (int round = 0; round < 25; ++round) {
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      ::alarm(30);  // never outlive a test that went wrong
      IniSettingsStore store(m_root);
      for (int pass = 0;; ++pass) {
        for (int i = 0; i < kKeys; ++i)
          store.Set("App", "S", KeyName(0, i), Value(pass % 2 ? "old" : "new", i));
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    const auto bytes = ReadFileBytes(m_store.FileOf("App"));
    ASSERT_TRUE(bytes.has_value());
    const auto document = IniDocument::Parse(*bytes);
    ASSERT_TRUE(document.has_value()) << "round " << round;
    for (int i = 0; i < kKeys; ++i) {
      const auto value = document->Get("S", KeyName(0, i));
      ASSERT_TRUE(value == Value("old", i) || value == Value("new", i))
          << "round " << round << " key " << i;
    }
  }
  // The lock died with the writer, and the next write clears what it left behind.
  EXPECT_TRUE(m_store.Set("App", "S", "after", "1"));
  for (const auto& entry : std::filesystem::directory_iterator(m_root / "App")) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
  }
}

TEST_F(IniSettingsStoreTest, TwoProcessesWritingDifferentKeysLoseNone) {
  constexpr int kKeys = 500;
  pid_t writers[2];
  for (int process = 0; process < 2; ++process) {
    writers[process] = ::fork();
    ASSERT_GE(writers[process], 0);
    if (writers[process] == 0) {
      IniSettingsStore store(m_root);
      bool all = true;
      for (int i = 0; i < kKeys; ++i)
        all &= store.Set("App", "S", KeyName(process, i), std::to_string(i));
      ::_exit(all ? 0 : 1);
    }
  }
  EXPECT_TRUE(WaitForChild(writers[0], std::chrono::seconds(120)));
  EXPECT_TRUE(WaitForChild(writers[1], std::chrono::seconds(120)));
  const auto document = IniDocument::Parse(*ReadFileBytes(m_store.FileOf("App")));
  ASSERT_TRUE(document.has_value());
  int lost = 0;
  for (int process = 0; process < 2; ++process) {
    for (int i = 0; i < kKeys; ++i)
      lost += document->Get("S", KeyName(process, i)) != std::to_string(i);
  }
  EXPECT_EQ(lost, 0);
}

}  // namespace qorvexctl::platform
