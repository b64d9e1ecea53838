#include "qorvexctl/platform/services/AsyncReader.h"

#include <curl/curl.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl::platform {

struct AsyncReader::Job {
  std::atomic<bool> stop{false};
};

namespace {

constexpr long kConnectTimeoutSeconds = 20;

bool HasScheme(const std::string& address) { return address.find("://") != std::string::npos; }

AsyncReadResult ReadLocalFile(const std::string& path, const std::atomic<bool>& stop) {
  AsyncReadResult result{.address = path};
  auto bytes = ReadFileBytes(path);
  if (!bytes) {
    result.error = "cannot read " + path + ": " + std::strerror(errno);
  } else if (stop.load()) {
    result.error = "cancelled";
  } else {
    result.bytes.assign(bytes->begin(), bytes->end());
  }
  return result;
}

std::size_t AppendBytes(char* data, std::size_t size, std::size_t count, void* target) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(target);
  bytes->insert(bytes->end(), data, data + size * count);
  return size * count;
}

int CheckStop(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

void ConfigureTransfer(CURL* curl, AsyncReadResult& result, const std::atomic<bool>& stop,
                       char* errorText) {
  curl_easy_setopt(curl, CURLOPT_URL, result.address.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,file");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBytes);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.bytes);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckStop);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(&stop));
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
}

AsyncReadResult ReadWithCurl(const std::string& address, const std::atomic<bool>& stop) {
  AsyncReadResult result{.address = address};
  CURL* curl = curl_easy_init();
  if (!curl) {
    result.error = "cannot start a transfer";
    return result;
  }
  char errorText[CURL_ERROR_SIZE] = {};
  ConfigureTransfer(curl, result, stop, errorText);
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
  curl_easy_cleanup(curl);
  if (code != CURLE_OK) {
    result.error = errorText[0] ? errorText : curl_easy_strerror(code);
  } else if (result.status >= 400) {
    result.error = "HTTP status " + std::to_string(result.status);
  }
  return result;
}

}  // namespace

AsyncReadResult ReadAddress(const std::string& address, const std::atomic<bool>& stop) {
  return HasScheme(address) ? ReadWithCurl(address, stop) : ReadLocalFile(address, stop);
}

AsyncReader::AsyncReader(UiThreadPoster post) : m_post(std::move(post)) {
  curl_global_init(CURL_GLOBAL_DEFAULT);
}

AsyncReader::~AsyncReader() {
  Cancel();
  curl_global_cleanup();
}

bool AsyncReader::Start(std::string address) {
  if (address.empty() || Busy()) return false;
  StopWorker();  // a worker whose completion was delivered has finished; reap it
  auto job = std::make_shared<Job>();
  m_job = job;
  m_worker = std::thread([this, job, address = std::move(address)] {
    AsyncReadResult result = ReadAddress(address, job->stop);
    m_post([this, job, result = std::move(result)]() mutable {
      // Cancelling happens on the UI thread too, so once stop is set the reader may be gone.
      if (!job->stop.load()) Deliver(std::move(result));
    });
  });
  return true;
}

void AsyncReader::Cancel() {
  if (m_job) m_job->stop = true;
  m_job.reset();
  StopWorker();
}

void AsyncReader::StopWorker() {
  if (m_worker.joinable()) m_worker.join();
}

void AsyncReader::Deliver(AsyncReadResult result) {
  m_job.reset();
  StopWorker();
  Completed(result);
}

}  // namespace qorvexctl::platform
