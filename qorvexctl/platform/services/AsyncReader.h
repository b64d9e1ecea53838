#pragma once
// Reads a file or a web address on a worker thread and hands the result to the UI thread:
// Completed is raised on the UI thread through the poster the reader was given (the desktop's
// message loop, during DoEvents, Wait or a modal loop), never from the worker. Addresses with a
// scheme (http://, https://, file://) go through libcurl; anything else is a local path. One read
// at a time per reader.
//
// Cancel, or destroying the reader, stops the read and guarantees that its completion is never
// delivered, even when the worker had already finished.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "qorvexctl/base/Event.h"

namespace qorvexctl::platform {

struct AsyncReadResult {
  std::string address{};
  std::vector<std::uint8_t> bytes{};
  long status{0};       // the HTTP status; 0 for files and when no answer came
  std::string error{};  // why the read failed; "" when it succeeded
  bool Succeeded() const { return error.empty(); }
};

class AsyncReader {
 public:
  // Hands a task to the UI thread; callable from any thread (Desktop::UiThreadPoster).
  using UiThreadPoster = std::function<void(std::function<void()>)>;

  explicit AsyncReader(UiThreadPoster post);
  ~AsyncReader();
  AsyncReader(const AsyncReader&) = delete;
  AsyncReader& operator=(const AsyncReader&) = delete;

  // Starts reading; false when the address is empty or a read is still running.
  bool Start(std::string address);
  // Stops the running read; nothing is delivered for it.
  void Cancel();
  // A read was started and its completion has not been delivered yet.
  bool Busy() const { return m_job != nullptr; }

  Event<const AsyncReadResult&> Completed;

 private:
  struct Job;
  // Runs on the UI thread for a job that was not cancelled.
  void Deliver(AsyncReadResult result);
  void StopWorker();

  UiThreadPoster m_post;
  std::shared_ptr<Job> m_job;
  std::thread m_worker;
};

// The blocking read behind AsyncReader, on the calling thread; `stop` is polled while the data
// arrives and ends the read early with an error when it turns true.
AsyncReadResult ReadAddress(const std::string& address, const std::atomic<bool>& stop);

}  // namespace qorvexctl::platform
