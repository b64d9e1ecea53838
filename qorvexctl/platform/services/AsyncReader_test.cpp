#include "qorvexctl/platform/services/AsyncReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "testsupport/TinyHttpServer.h"

namespace qorvexctl::platform {
namespace {

using testsupport::HttpReply;
using testsupport::TinyHttpServer;

// A desktop on the real clock and a reader that keeps what it delivered and on which thread.
class AsyncReaderTest : public ::testing::Test {
 protected:
  AsyncReaderTest() {
    reader.Completed.connect([this](const AsyncReadResult& r) {
      result = r;
      deliveredOnUiThread = std::this_thread::get_id() == uiThread;
    });
  }
  // Runs the message loop until a result came or five seconds passed.
  bool WaitForResult() {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!result && std::chrono::steady_clock::now() < limit) desktop.Wait(10);
    return result.has_value();
  }
  std::string Text() const { return std::string(result->bytes.begin(), result->bytes.end()); }

  Desktop desktop{Desktop::Options{.virtualClock = false}};
  AsyncReader reader{desktop.UiThreadPoster()};
  std::optional<AsyncReadResult> result;
  bool deliveredOnUiThread{false};
  std::thread::id uiThread{std::this_thread::get_id()};
};

TEST_F(AsyncReaderTest, ReadsAFileAndDeliversOnTheUiThread) {
  const auto file = std::filesystem::temp_directory_path() / "qorvexctl_async_read.bin";
  std::ofstream(file, std::ios::binary) << std::string(40000, 'G') << "IF";
  ASSERT_TRUE(reader.Start(file.string()));
  EXPECT_TRUE(reader.Busy());
  EXPECT_FALSE(reader.Start(file.string()));  // one read at a time
  ASSERT_TRUE(WaitForResult());
  EXPECT_TRUE(deliveredOnUiThread);
  EXPECT_FALSE(reader.Busy());
  EXPECT_TRUE(result->Succeeded()) << result->error;
  EXPECT_EQ(result->bytes.size(), 40002u);
  EXPECT_EQ(result->status, 0);
  std::filesystem::remove(file);
}

TEST_F(AsyncReaderTest, AMissingFileFailsWithItsReason) {
  ASSERT_TRUE(reader.Start("/nonexistent/qorvexctl/anim.gif"));
  ASSERT_TRUE(WaitForResult());
  EXPECT_FALSE(result->Succeeded());
  EXPECT_NE(result->error.find("/nonexistent/qorvexctl/anim.gif"), std::string::npos);
  EXPECT_TRUE(result->bytes.empty());
  result.reset();
  ASSERT_TRUE(reader.Start("file:///nonexistent/qorvexctl/anim.gif"));
  ASSERT_TRUE(WaitForResult());
  EXPECT_FALSE(result->Succeeded());
}

TEST_F(AsyncReaderTest, ReadsAnHttpAddress) {
  TinyHttpServer server(HttpReply("200 OK", "GIF89a..."));
  ASSERT_TRUE(reader.Start(server.Url("/anim.gif")));
  ASSERT_TRUE(WaitForResult());
  EXPECT_TRUE(deliveredOnUiThread);
  EXPECT_TRUE(result->Succeeded()) << result->error;
  EXPECT_EQ(result->status, 200);
  EXPECT_EQ(Text(), "GIF89a...");
  EXPECT_EQ(server.Request().rfind("GET /anim.gif HTTP/1.1\r\n", 0), 0u);
}

TEST_F(AsyncReaderTest, AnHttpErrorStatusIsAFailureThatKeepsTheBody) {
  TinyHttpServer server(HttpReply("404 Not Found", "sem ficheiro"));
  ASSERT_TRUE(reader.Start(server.Url("/x")));
  ASSERT_TRUE(WaitForResult());
  EXPECT_FALSE(result->Succeeded());
  EXPECT_EQ(result->status, 404);
  EXPECT_EQ(Text(), "sem ficheiro");
}

TEST_F(AsyncReaderTest, ARefusedConnectionFails) {
  const int port = testsupport::ClosedLoopbackPort();
  ASSERT_TRUE(reader.Start("http://127.0.0.1:" + std::to_string(port) + "/"));
  ASSERT_TRUE(WaitForResult());
  EXPECT_FALSE(result->Succeeded());
  EXPECT_EQ(result->status, 0);
  EXPECT_FALSE(result->error.empty());
}

TEST_F(AsyncReaderTest, ACancelledReadDeliversNothingAndTheReaderCanStartAgain) {
  TinyHttpServer silent("");
  ASSERT_TRUE(reader.Start(silent.Url("/slow")));
  desktop.Wait(50);
  reader.Cancel();
  EXPECT_FALSE(reader.Busy());
  desktop.Wait(100);
  EXPECT_FALSE(result.has_value());
  const auto file = std::filesystem::temp_directory_path() / "qorvexctl_async_again.txt";
  std::ofstream(file) << "ok";
  ASSERT_TRUE(reader.Start(file.string()));
  ASSERT_TRUE(WaitForResult());
  EXPECT_EQ(Text(), "ok");
  std::filesystem::remove(file);
}

TEST_F(AsyncReaderTest, AReaderDestroyedBeforeCompletionDeliversNothing) {
  bool delivered = false;
  const auto file = std::filesystem::temp_directory_path() / "qorvexctl_async_gone.txt";
  std::ofstream(file) << "late";
  {
    AsyncReader shortLived(desktop.UiThreadPoster());
    shortLived.Completed.connect([&](const AsyncReadResult&) { delivered = true; });
    ASSERT_TRUE(shortLived.Start(file.string()));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the worker has posted
  }
  desktop.Wait(50);
  EXPECT_FALSE(delivered);
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace qorvexctl::platform
