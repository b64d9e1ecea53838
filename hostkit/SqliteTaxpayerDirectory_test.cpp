#include "hostkit/SqliteTaxpayerDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "qorvexctl/frame/DefaultTaxpayerRecord.h"
#include "testsupport/TestData.h"

namespace qorvexctl::hostkit {
namespace {

class SqliteTaxpayerDirectoryTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::shared_ptr<SqliteTaxpayerDirectory> OpenDirectory() {
    return std::make_shared<SqliteTaxpayerDirectory>(HostDatabase::Open(file));
  }

  std::filesystem::path folder = testsupport::MakeTempFolder("hostkit-directory");
  std::filesystem::path file = folder / "host.sqlite";
};

TEST_F(SqliteTaxpayerDirectoryTest, SavedDetailsComeBackAfterReopening) {
  OpenDirectory()->Save("PT123456789", {{"localidade", "Viseu"},
                                        {"telefone", "232000000"},
                                        {"nome", "Beatriz Valadares"},
                                        {"email", "beatriz@example.pt"}});
  const auto found = OpenDirectory()->Find("PT123456789");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, (std::vector<RecordField>{{"nome", "Beatriz Valadares"},
                                              {"localidade", "Viseu"},
                                              {"telefone", "232000000"},
                                              {"email", "beatriz@example.pt"}}));
  EXPECT_EQ(OpenDirectory()->Find("PT999999990"), std::nullopt);
}

TEST_F(SqliteTaxpayerDirectoryTest, SaveReplacesTheFurtherDetails) {
  auto directory = OpenDirectory();
  directory->Save("PT123456789", {{"nome", "A"}, {"telefone", "1"}, {"email", "x"}});
  directory->Save("PT123456789", {{"nome", "B"}, {"email", "y"}});
  EXPECT_EQ(*directory->Find("PT123456789"),
            (std::vector<RecordField>{{"nome", "B"}, {"email", "y"}}));
}

TEST_F(SqliteTaxpayerDirectoryTest, RecordLoadsUpdatesAndSavesThroughTheDirectory) {
  OpenDirectory()->Save("PT123456789", {{"nome", "Rui Pestana"}, {"codigopostal", "4700-001"}});
  DefaultTaxpayerRecord record(OpenDirectory());
  std::vector<std::string> events;
  record.FieldUpdated.connect([&](const std::string& id) { events.push_back(id); });
  record.Loaded.connect([&] { events.push_back("<loaded>"); });
  record.Number("PT123456789");
  record.Load();
  EXPECT_EQ(events, (std::vector<std::string>{"nome", "codigopostal", "<loaded>"}));
  EXPECT_EQ(record.Content(), "PT123456789");

  record.Field("localidade", "Braga");
  record.MarkChanged();
  EXPECT_EQ(OpenDirectory()->Find("PT123456789")->at(2), (RecordField{"localidade", "Braga"}));
}

// A child process saves records in a loop until it is killed mid-write. The file must stay a
// valid database whose record holds one complete save, never a mix of two.
TEST_F(SqliteTaxpayerDirectoryTest, KilledWriterLeavesTheDatabaseIntact) {
  OpenDirectory()->Save("PT123456789", {{"nome", "0"}, {"localidade", "0"}, {"extra", "0"}});
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    try {
      auto directory = OpenDirectory();
      for (int i = 1;; ++i) {
        const std::string v = std::to_string(i);
        directory->Save("PT123456789", {{"nome", v}, {"localidade", v}, {"extra", v}});
        if (i == 20) (void)!write(ready[1], "x", 1);
      }
    } catch (...) {
      _exit(1);
    }
  }
  char byte = 0;
  const bool started = read(ready[0], &byte, 1) == 1;
  usleep(50'000);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  ASSERT_TRUE(started);

  auto database = HostDatabase::Open(file);
  EXPECT_EQ(database->Connection().Prepare("PRAGMA integrity_check").SingleText(), "ok");
  const auto fields = SqliteTaxpayerDirectory(database).Find("PT123456789").value();
  EXPECT_GE(std::stoi(fields[0].value), 20);
  EXPECT_EQ(fields[1], (RecordField{"localidade", fields[0].value}));
  EXPECT_EQ(fields[2], (RecordField{"extra", fields[0].value}));
}

}  // namespace
}  // namespace qorvexctl::hostkit
