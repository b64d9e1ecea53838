// Peak heap memory of decoding each PNG benchmark image, this library's decoder against
// libpng's, each decode in a fresh child process so nothing one decode keeps (the decoder's
// per-thread buffers) counts for the next. The heap is counted by this program's own malloc
// family, which forwards to the C library's and keeps the bytes in use and their peak.
//
//   build/bench/png_memory
//
// prints one line per image: its output surface and inflated data sizes, the peak above the
// starting heap for png::Decode and for libpng, and the aim (surface + inflated data + 64 KiB).

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/LibpngDecode.h"
#include "bench/PngBenchImages.h"
#include "qorvexctl/imaging/png/PngDecode.h"

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);
}

namespace {

std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};

void* Counted(void* block) {
  if (block == nullptr) return block;
  const std::size_t now = g_inUse += malloc_usable_size(block);
  std::size_t peak = g_peak.load();
  while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
  }
  return block;
}

void Uncount(void* block) {
  if (block != nullptr) g_inUse -= malloc_usable_size(block);
}

}  // namespace

extern "C" {
void* malloc(std::size_t size) { return Counted(__libc_malloc(size)); }
void* calloc(std::size_t n, std::size_t size) { return Counted(__libc_calloc(n, size)); }
void* realloc(void* block, std::size_t size) {
  Uncount(block);
  return Counted(__libc_realloc(block, size));
}
void free(void* block) {
  Uncount(block);
  __libc_free(block);
}
void* memalign(std::size_t alignment, std::size_t size) {
  return Counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  *out = memalign(alignment, size);
  return *out ? 0 : ENOMEM;
}
}

namespace {

using qorvexctl::bench::PngBenchImage;

// Runs `decode` in a child process and returns the peak heap above the child's start, in bytes.
template <class Decode>
long PeakOfDecode(const PngBenchImage& image, Decode decode) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    g_peak = g_inUse.load();
    const std::size_t start = g_inUse.load();
    const bool ok = decode(image);
    long peak = ok ? static_cast<long>(g_peak.load() - start) : -1;
    if (write(pipeEnds[1], &peak, sizeof peak) != sizeof peak) _exit(1);
    _exit(0);
  }
  close(pipeEnds[1]);
  long peak = -1;
  if (read(pipeEnds[0], &peak, sizeof peak) != sizeof peak) peak = -1;
  close(pipeEnds[0]);
  waitpid(child, nullptr, 0);
  return peak;
}

bool DecodeOurs(const PngBenchImage& image) {
  return qorvexctl::png::Decode(image.bytes).failure == qorvexctl::png::Failure::None;
}

bool DecodeWithLibpng(const PngBenchImage& image) {
  std::vector<std::uint8_t> out;
  return qorvexctl::bench::DecodeLibpng(image.bytes, out);
}

double KiB(double bytes) { return bytes / 1024.0; }

}  // namespace

int main() {
  std::printf("%-24s %10s %10s %12s %12s %12s\n", "image", "surface", "inflated", "png::Decode",
              "libpng", "aim");
  std::printf("%-24s %10s %10s %12s %12s %12s\n", "", "KiB", "KiB", "KiB", "KiB", "KiB");
  for (const PngBenchImage& image : qorvexctl::bench::PngBenchImages()) {
    const double surface = 4.0 * image.width * image.height;
    const double aim = surface + static_cast<double>(image.inflatedSize) + 65536.0;
    std::printf("%-24s %10.0f %10.0f %12.0f %12.0f %12.0f\n", image.name.c_str(), KiB(surface),
                KiB(static_cast<double>(image.inflatedSize)),
                KiB(static_cast<double>(PeakOfDecode(image, DecodeOurs))),
                KiB(static_cast<double>(PeakOfDecode(image, DecodeWithLibpng))), KiB(aim));
  }
  return 0;
}
