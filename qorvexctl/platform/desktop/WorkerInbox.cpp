#include "qorvexctl/platform/desktop/WorkerInbox.h"

#include <chrono>

namespace qorvexctl::platform {

void WorkerInbox::Push(Task task) {
  {
    std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
    m_hasTasks.store(true, std::memory_order_release);
  }
  m_arrived.notify_all();
}

std::vector<WorkerInbox::Task> WorkerInbox::TakeAll() {
  std::lock_guard lock(m_mutex);
  std::vector<Task> tasks = std::move(m_tasks);
  m_tasks.clear();
  m_hasTasks.store(false, std::memory_order_release);
  return tasks;
}

void WorkerInbox::WaitForTask(int timeoutMs) {
  std::unique_lock lock(m_mutex);
  m_arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                     [this] { return !m_tasks.empty(); });
}

}  // namespace qorvexctl::platform
