// docs/countries-and-hostkit.md: the reference host objects on SQLite, and a guarded call into
// a host object.

#include <cstdio>
#include <memory>
#include <string>

#include "hostkit/DemoSeed.h"
#include "hostkit/HostDatabase.h"
#include "hostkit/SqliteDeclaration.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/frame/DefaultTaxpayerRecord.h"
#include "qorvexctl/frame/HostCall.h"

using namespace qorvexctl;

int main() {
  auto db = qorvexctl::hostkit::HostDatabase::Open("demo.sqlite");  // schema on first open
  auto population = qorvexctl::hostkit::SeedDemoDatabase(db);       // fictitious households
  auto directory = std::make_shared<qorvexctl::hostkit::SqliteTaxpayerDirectory>(db);
  auto record = std::make_shared<qorvexctl::DefaultTaxpayerRecord>(directory);
  auto irs = qorvexctl::hostkit::SqliteDeclaration::Open(db, population.declarations[0]);

  record->Number(population.taxpayers.at(0));
  record->Load();
  std::string name = HostCall([&] { return HostObject(record).Name(); });
  std::printf("%s\n", name.c_str());
  return irs && !name.empty() ? 0 : 1;
}
