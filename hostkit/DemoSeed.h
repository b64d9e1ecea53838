#pragma once
// Fills a host database with a fictitious population for the demo and the tests: taxpayers in
// the directory (invented names, real Portuguese localities and postal code areas, numbers
// that pass the Portuguese check digit) and a few households with their declarations.
// Nothing here describes a real person.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hostkit/HostDatabase.h"

namespace qorvexctl::hostkit {

struct DemoPopulation {
  std::vector<std::string> taxpayers;      // directory numbers, "PT" followed by nine digits
  std::vector<std::int64_t> declarations;  // ids of the seeded declarations
};

// Seeds an empty database, or returns what an earlier seed left there. The same database
// always receives the same population.
DemoPopulation SeedDemoDatabase(const std::shared_ptr<HostDatabase>& database);

}  // namespace qorvexctl::hostkit
