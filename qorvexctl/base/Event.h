#pragma once
// Events of the controls: `Event<Args...> Changed;` members to which hosts connect handlers.
// Handlers run synchronously in the order they were connected; a handler may call back into
// the control, connect or disconnect handlers (also itself) while the event is being raised.
// Arguments a host may change (`bool& xCancel`) are declared as non-const references.

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace qorvexctl {

// A handle to one connected handler. Disconnecting twice, or after the event is gone, is
// harmless. A Connection does not disconnect on destruction; use ScopedConnection for that.
class Connection {
 public:
  Connection() = default;
  explicit Connection(std::weak_ptr<std::function<void()>> disconnect)
      : m_disconnect(std::move(disconnect)) {}

  void Disconnect() {
    if (auto fn = m_disconnect.lock()) (*fn)();
    m_disconnect.reset();
  }
  bool Connected() const { return !m_disconnect.expired(); }

 private:
  std::weak_ptr<std::function<void()>> m_disconnect;
};

// Disconnects its handler when it goes out of scope.
class ScopedConnection {
 public:
  ScopedConnection() = default;
  ScopedConnection(Connection c) : m_connection(std::move(c)) {}  // NOLINT: implicit on purpose
  ScopedConnection(ScopedConnection&&) = default;
  ScopedConnection& operator=(ScopedConnection&& other) noexcept {
    if (this != &other) {
      m_connection.Disconnect();
      m_connection = std::move(other.m_connection);
    }
    return *this;
  }
  ~ScopedConnection() { m_connection.Disconnect(); }

 private:
  Connection m_connection;
};

template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  // Adds a handler; it runs after those connected before it.
  Connection connect(Handler handler) {
    auto slot = std::make_shared<Slot>(Slot{std::move(handler), true, nullptr});
    slot->disconnect = std::make_shared<std::function<void()>>([weak = std::weak_ptr<Slot>(slot)] {
      if (auto s = weak.lock()) s->connected = false;
    });
    m_slots.push_back(slot);
    return Connection(slot->disconnect);
  }

  // Calls every connected handler with the arguments. Handlers connected while raising wait
  // for the next raise; handlers disconnected while raising are skipped.
  void operator()(Args... args) {
    auto snapshot = m_slots;
    for (auto& slot : snapshot) {
      if (slot->connected) slot->handler(args...);
    }
    std::erase_if(m_slots, [](const auto& s) { return !s->connected; });
  }

  std::size_t HandlerCount() const {
    std::size_t n = 0;
    for (auto& s : m_slots) n += s->connected ? 1 : 0;
    return n;
  }
  void DisconnectAll() {
    for (auto& s : m_slots) s->connected = false;
    m_slots.clear();
  }

 private:
  struct Slot {
    Handler handler;
    bool connected;
    std::shared_ptr<std::function<void()>> disconnect;
  };
  std::vector<std::shared_ptr<Slot>> m_slots;
};

}  // namespace qorvexctl
