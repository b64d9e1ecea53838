// Writers killed at random points: a settings file, a form file and the host database are,
// after every kill, either what they held before the interrupted write or what it wrote,
// never damaged. A reader of a file damaged by hand starts from defaults.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "hostkit/HostDatabase.h"
#include "hostkit/SqliteDeclaration.h"
#include "qorvexctl/frame/FormFile.h"
#include "qorvexctl/platform/services/IniSettingsStore.h"
#include "testsupport/TestData.h"

namespace qorvexctl::hostkit {
namespace {

constexpr int kRounds = 25;
constexpr char kApplication[] = "QORVEXCTL";

class CrashSafetyTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder); }

  // Runs `write(k)` for k = 1, 2, ... in a child process, kills it with SIGKILL after a random
  // pause, and then checks the files with `check`, the number of rounds given.
  void KillWriterRepeatedly(const std::function<void(int)>& write,
                            const std::function<void()>& check) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> pause(0, 4000);  // microseconds
    for (int round = 0; round < kRounds; ++round) {
      const pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        for (int k = 1;; ++k) write(k);
      }
      usleep(static_cast<useconds_t>(pause(random)));
      kill(child, SIGKILL);
      int status = 0;
      waitpid(child, &status, 0);
      ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;
      check();
      if (HasFatalFailure() || HasNonfatalFailure()) return;
    }
  }

  std::filesystem::path folder = testsupport::MakeTempFolder("crash-safety");
};

// A number written as a whole, padded so a write takes long enough to be interrupted.
std::string Payload(int k) { return std::to_string(k) + ":" + std::string(20000, 'x'); }

bool IsPayload(const std::string& text) {
  const auto colon = text.find(':');
  return colon != std::string::npos && colon > 0 && text.size() == colon + 1 + 20000 &&
         text.find_first_not_of("0123456789") == colon;
}

TEST_F(CrashSafetyTest, SettingsKeepEveryKeyThroughKilledWrites) {
  platform::IniSettingsStore store(folder);
  ASSERT_TRUE(store.Set(kApplication, "Calculadora", "Fita", "100 + 10%"));
  KillWriterRepeatedly(
      [&](int k) {
        platform::IniSettingsStore(folder).Set(kApplication, "RefArtigo", "Top", Payload(k));
      },
      [&] {
        platform::IniSettingsStore reader(folder);
        EXPECT_EQ(reader.Get(kApplication, "Calculadora", "Fita", "lost"), "100 + 10%");
        const std::string top = reader.Get(kApplication, "RefArtigo", "Top", "");
        EXPECT_TRUE(top.empty() || IsPayload(top)) << top.substr(0, 40);
      });
}

TEST_F(CrashSafetyTest, FormFilesAreOldOrNewAfterKilledSaves) {
  const auto path = folder / "anexo.json";
  auto formWith = [](int k) {
    FormFile file;
    file.name = "frmAnexo";
    for (int i = 0; i < 40; ++i) {
      FormControl control;
      control.typeName = "TextBox";
      control.name = "txt";
      control.index = i;
      control.properties.WriteProperty("Text", Payload(k).substr(0, 500));
      file.controls.push_back(control);
    }
    return file;
  };
  ASSERT_TRUE(formWith(0).Save(path));
  KillWriterRepeatedly([&](int k) { formWith(k).Save(path); },
                       [&] {
                         const auto loaded = FormFile::Load(path);
                         ASSERT_TRUE(loaded.has_value());
                         EXPECT_EQ(loaded->controls.size(), 40u);
                       });
}

TEST_F(CrashSafetyTest, HostDatabaseStaysWholeThroughKilledTransactions) {
  const auto file = folder / "host.sqlite";
  const std::int64_t id = SqliteDeclaration::Create(HostDatabase::Open(file), 2025)->Id();
  KillWriterRepeatedly(
      [&](int k) {
        auto declaration = SqliteDeclaration::Open(HostDatabase::Open(file), id);
        for (;; ++k) declaration->Set("AnexoA.401", Payload(k));
      },
      [&] {
        auto database = HostDatabase::Open(file);
        EXPECT_EQ(database->Connection().Prepare("PRAGMA integrity_check").SingleText(), "ok");
        auto declaration = SqliteDeclaration::Open(database, id);
        ASSERT_NE(declaration, nullptr);
        const std::string value = declaration->Get("AnexoA.401");
        EXPECT_TRUE(value.empty() || IsPayload(value)) << value.substr(0, 40);
      });
}

TEST_F(CrashSafetyTest, FilesDamagedByHandGiveDefaults) {
  platform::IniSettingsStore store(folder);
  std::filesystem::create_directories(store.FileOf(kApplication).parent_path());
  std::ofstream(store.FileOf(kApplication), std::ios::binary)
      << std::string("\0\xff[Calc\n=\n\x01", 11);
  EXPECT_EQ(store.Get(kApplication, "Calculadora", "Fita", "vazia"), "vazia");
  EXPECT_TRUE(store.Set(kApplication, "Calculadora", "Fita", "1 + 1"));
  EXPECT_EQ(store.Get(kApplication, "Calculadora", "Fita", "vazia"), "1 + 1");
  EXPECT_TRUE(std::filesystem::exists(store.FileOf(kApplication).string() + ".bad"));  // kept

  const auto form = folder / "anexo.json";
  std::ofstream(form, std::ios::binary) << "{\"format\": \"qorvexctl-form\", \"controls\": [";
  EXPECT_FALSE(FormFile::Load(form).has_value());
}

}  // namespace
}  // namespace qorvexctl::hostkit
