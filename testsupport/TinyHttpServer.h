#pragma once
// A one-connection HTTP server on 127.0.0.1 for tests of reads from web addresses: it answers
// the first request with a fixed response, or keeps the connection open without answering
// when the response is empty (until the client gives up).

#include <string>
#include <thread>

namespace qorvexctl::testsupport {

class TinyHttpServer {
 public:
  explicit TinyHttpServer(std::string response);
  ~TinyHttpServer();
  TinyHttpServer(const TinyHttpServer&) = delete;
  TinyHttpServer& operator=(const TinyHttpServer&) = delete;

  std::string Url(const std::string& path) const;
  int Port() const { return m_port; }
  const std::string& Request() const { return m_request; }  // after the reply was read

 private:
  void Serve();

  std::string m_response;
  std::string m_request;
  int m_listener{-1};
  int m_port{0};
  std::thread m_thread;
};

// A complete HTTP/1.1 reply with the status line's `status` ("200 OK") and `body`.
std::string HttpReply(const std::string& status, const std::string& body);

// A loopback port on which nothing listens (it was bound a moment ago and closed).
int ClosedLoopbackPort();

}  // namespace qorvexctl::testsupport
