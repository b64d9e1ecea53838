#pragma once
// The desktop's queue: posted window messages, raw user input and posted tasks, taken in the
// order they arrived. A character made from a key-down goes to the front, so it is handled
// before the key-up that follows it.

#include <deque>
#include <functional>
#include <optional>
#include <variant>

#include "qorvexctl/platform/desktop/InputEvent.h"
#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl::platform {

using Task = std::function<void()>;
using QueuedItem = std::variant<Message, InputEvent, Task>;

class MessageQueue {
 public:
  void Push(QueuedItem item) { m_items.push_back(std::move(item)); }
  void PushFront(QueuedItem item) { m_items.push_front(std::move(item)); }
  bool Empty() const { return m_items.empty(); }
  std::size_t Size() const { return m_items.size(); }
  std::optional<QueuedItem> Take() {
    if (m_items.empty()) return std::nullopt;
    QueuedItem item = std::move(m_items.front());
    m_items.pop_front();
    return item;
  }
  // Drops the posted messages of a window that is going away.
  void DropMessagesOf(HWND hwnd) {
    std::erase_if(m_items, [hwnd](const QueuedItem& item) {
      const auto* m = std::get_if<Message>(&item);
      return m && m->hwnd == hwnd;
    });
  }

 private:
  std::deque<QueuedItem> m_items;
};

}  // namespace qorvexctl::platform
