#include "testsupport/TinyHttpServer.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qorvexctl::testsupport {

TinyHttpServer::TinyHttpServer(std::string response) : m_response(std::move(response)) {
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

TinyHttpServer::~TinyHttpServer() {
  ::shutdown(m_listener, SHUT_RDWR);
  m_thread.join();
  ::close(m_listener);
}

std::string TinyHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

void TinyHttpServer::Serve() {
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

std::string HttpReply(const std::string& status, const std::string& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

int ClosedLoopbackPort() {
  const TinyHttpServer closed(HttpReply("200 OK", ""));
  return closed.Port();
}

}  // namespace qorvexctl::testsupport
