#include "hostkit/DemoSeed.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string_view>

#include "hostkit/SqliteDeclaration.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/validation/PortugueseNIF.h"

namespace qorvexctl::hostkit {
namespace {

constexpr std::array<std::string_view, 16> kFirstNames = {
    "Ana",   "Beatriz", "Carolina", "Inês",    "Joana",    "Leonor", "Mariana", "Teresa",
    "André", "Bruno",   "Duarte",   "Gonçalo", "Henrique", "Martim", "Rodrigo", "Vasco"};
constexpr std::array<std::string_view, 16> kSurnames = {
    "Abrantes", "Barbosa", "Cabral",  "Damasceno", "Esteves",  "Falcão",   "Gouveia", "Lacerda",
    "Meireles", "Nóbrega", "Ornelas", "Pestana",   "Quintela", "Sarmento", "Tavares", "Valadares"};

struct Place {
  std::string_view postalArea;  // the first four digits of the postal code
  std::string_view locality;
};
constexpr std::array<Place, 10> kPlaces = {{{"1000", "Lisboa"},
                                            {"4000", "Porto"},
                                            {"3000", "Coimbra"},
                                            {"4700", "Braga"},
                                            {"8000", "Faro"},
                                            {"7000", "Évora"},
                                            {"3800", "Aveiro"},
                                            {"3500", "Viseu"},
                                            {"2900", "Setúbal"},
                                            {"2400", "Leiria"}}};
constexpr std::array<std::string_view, 6> kStreets = {"Rua das Camélias",   "Avenida da Liberdade",
                                                      "Travessa do Moinho", "Rua do Sol",
                                                      "Largo da Feira",     "Rua dos Pescadores"};

// The households of the seed: the member codes of each declaration.
constexpr std::array<std::string_view, 4> kHouseholds = {"A B D1 D2", "A D1 S1", "A B F1 H1",
                                                         "A B D1 D2 D3 S1 S2"};
constexpr int kUnrelatedTaxpayers = 20;

// A small deterministic generator, so every seed gives the same population.
class DemoRandom {
 public:
  std::uint32_t Next(std::uint32_t bound) {
    m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>((m_state >> 33) % bound);
  }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[Next(N)];
  }

 private:
  std::uint64_t m_state = 20260101;
};

class Seeder {
 public:
  explicit Seeder(std::shared_ptr<HostDatabase> database)
      : m_database(std::move(database)), m_directory(m_database) {}

  // A first name and two surnames; `family` (when given) is the last one.
  std::string NewName(std::string_view family);
  std::string NewTaxpayer(const std::string& name);
  void SeedHousehold(std::string_view codes);
  DemoPopulation& Population() { return m_population; }

 private:
  std::string NewNumber();

  std::shared_ptr<HostDatabase> m_database;
  SqliteTaxpayerDirectory m_directory;
  DemoRandom m_random;
  std::set<std::string> m_used;
  DemoPopulation m_population;
};

// Nine digits that pass the Portuguese rule: random leading digits (a first digit of 1, 2 or
// 3, as for people), then the one last digit the rule accepts.
std::string Seeder::NewNumber() {
  for (;;) {
    std::string digits = std::to_string(1 + m_random.Next(3));
    while (digits.size() < 8) digits += static_cast<char>('0' + m_random.Next(10));
    for (char last = '0'; last <= '9'; ++last) {
      const std::string number = digits + last;
      if (ValidatePortugueseNIF(number) && m_used.insert(number).second) return number;
    }
  }
}

std::string Seeder::NewName(std::string_view family) {
  std::string name = std::string(m_random.Pick(kFirstNames)) + " ";
  name += std::string(m_random.Pick(kSurnames)) + " ";
  return name + std::string(family.empty() ? m_random.Pick(kSurnames) : family);
}

std::string Seeder::NewTaxpayer(const std::string& name) {
  const std::string number = NewNumber();
  const Place& place = m_random.Pick(kPlaces);
  const std::string postalCode =
      std::string(place.postalArea) + "-" + std::to_string(100 + m_random.Next(900));
  const std::string street =
      std::string(m_random.Pick(kStreets)) + ", " + std::to_string(1 + m_random.Next(200));
  m_directory.Save("PT" + number, {{"nome", name},
                                   {"codigopostal", postalCode},
                                   {"localidade", std::string(place.locality)},
                                   {"morada", street}});
  m_population.taxpayers.push_back("PT" + number);
  return number;
}

void Seeder::SeedHousehold(std::string_view codes) {
  auto declaration = SqliteDeclaration::Create(m_database, 2025);
  const std::string_view family = m_random.Pick(kSurnames);
  std::map<char, int> counts;
  for (const std::string& code : Split(codes, " ")) {
    const std::string name = NewName(family);
    const std::string number = NewTaxpayer(name);
    declaration->AddMember(code, number, name);
    declaration->Set(number + ".nome", name);
    ++counts[code.front()];
  }
  declaration->SetHouseholdItem("casado", counts['B'] > 0 ? "1" : "0");
  declaration->SetHouseholdItem("dependentes", std::to_string(counts['D']));
  declaration->SetHouseholdItem("ascendentes", std::to_string(counts['S']));
  declaration->SetHouseholdItem("obito", counts['F'] > 0 ? "1" : "0");
  declaration->SetHouseholdItem("herancas", std::to_string(counts['H']));
  m_population.declarations.push_back(declaration->Id());
}

DemoPopulation ExistingPopulation(HostDatabase& database) {
  DemoPopulation population;
  auto taxpayers = database.Connection().Prepare("SELECT nif FROM contribuintes ORDER BY rowid");
  while (taxpayers.Step()) population.taxpayers.push_back(taxpayers.Text(0));
  auto declarations = database.Connection().Prepare("SELECT id FROM declaracoes ORDER BY id");
  while (declarations.Step()) population.declarations.push_back(declarations.Integer(0));
  return population;
}

}  // namespace

DemoPopulation SeedDemoDatabase(const std::shared_ptr<HostDatabase>& database) {
  DemoPopulation existing = ExistingPopulation(*database);
  if (!existing.declarations.empty()) return existing;
  Seeder seeder(database);
  SqliteTransaction transaction(database->Connection());
  for (std::string_view household : kHouseholds) seeder.SeedHousehold(household);
  for (int i = 0; i < kUnrelatedTaxpayers; ++i) seeder.NewTaxpayer(seeder.NewName(""));
  transaction.Commit();
  return seeder.Population();
}

}  // namespace qorvexctl::hostkit
