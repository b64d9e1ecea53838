#include "qorvexctl/platform/services/AsyncReader.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::platform {
namespace {

// A one-connection HTTP server on 127.0.0.1: answers the first request with `response`, or
// keeps the connection open without answering when `response` is empty.
class TinyHttpServer {
 public:
  explicit TinyHttpServer(std::string response) : m_response(std::move(response)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(m_listener, 1);
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
  }
  ~TinyHttpServer() {
    ::shutdown(m_listener, SHUT_RDWR);
    m_thread.join();
    ::close(m_listener);
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
  }
  const std::string& Request() const { return m_request; }  // after the reply was read

 private:
  void Serve() {
    const int client = ::accept(m_listener, nullptr, nullptr);
    if (client < 0) return;
    char buffer[1024];
    while (m_request.find("\r\n\r\n") == std::string::npos) {
      const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      m_request.append(buffer, static_cast<std::size_t>(got));
    }
    if (!m_response.empty()) ::send(client, m_response.data(), m_response.size(), MSG_NOSIGNAL);
    // Without an answer, wait until the client gives up (its side closes).
    while (m_response.empty() && ::recv(client, buffer, sizeof buffer, 0) > 0) {
    }
    ::close(client);
  }

  std::string m_response;
  std::string m_request;
  int m_listener{-1};
  int m_port{0};
  std::thread m_thread;
};

std::string HttpReply(const std::string& status, const std::string& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

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
  int port = 0;
  {
    TinyHttpServer closed(HttpReply("200 OK", ""));
    port = std::stoi(closed.Url("").substr(17));
  }  // nobody listens on the port any more
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
