#pragma once
// Tasks that worker threads hand to the UI thread. Push may be called from any thread; the
// message loop takes the tasks on the UI thread and runs them in the order they came. A loop
// that has nothing to do can sleep on the inbox and wake as soon as a task arrives.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace qorvexctl::platform {

class WorkerInbox {
 public:
  using Task = std::function<void()>;

  void Push(Task task);
  // Whether tasks are waiting (a cheap check without the lock).
  bool HasTasks() const { return m_hasTasks.load(std::memory_order_acquire); }
  // Every waiting task, oldest first; the inbox is empty afterwards.
  std::vector<Task> TakeAll();
  // Sleeps up to `timeoutMs` or until a task arrives.
  void WaitForTask(int timeoutMs);

 private:
  mutable std::mutex m_mutex;
  std::condition_variable m_arrived;
  std::vector<Task> m_tasks;
  std::atomic<bool> m_hasTasks{false};
};

}  // namespace qorvexctl::platform
