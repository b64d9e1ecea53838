// Batch validation of tax numbers over a mix of all 27 EU countries, and the same numbers
// judged by Debian's python3-stdnum (stdnum.eu.vat.is_valid) for comparison.
//
//   build/bench/bench_validation --benchmark_min_time=0.5
//
// BM_ValidateMix/classic and BM_ValidateMix/current report validations per second of
// ValidateTaxNumber with each rule set on the same numbers (no I/O).
// BM_StdnumReference runs python3-stdnum once over the same numbers, timed inside Python (the
// interpreter's start and the file reading are left out), and reports its rate and the ratio.
// Both sides of the ratio are processor time, so a busy machine does not skew it.
// The two rule sets differ on purpose in places, so the agreement counter is informative only.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "qorvexctl/validation/TaxNumber.h"

namespace {

using qorvexctl::CountryIndex;
using qorvexctl::Locale;
using qorvexctl::RuleSet;
using qorvexctl::ValidateTaxNumber;

struct TaxNumber {
  int index;
  std::string country;
  std::string text;
};

// Shapes of plausible numbers: "d" a random digit, "L" a random letter, "c" a check digit and
// "C" a check letter to be searched for, anything else itself.
constexpr const char* kShapes[][2] = {
    {"AT", "Udddddddc"},   {"BE", "03ddddddcc"},   {"BG", "ddddddddc"},    {"BG", "dddddddddc"},
    {"CY", "ddddddddC"},   {"CZ", "dddddddc"},     {"CZ", "6ddddddddc"},   {"CZ", "ddddddddcc"},
    {"DE", "ddddddddc"},   {"DK", "dddddddc"},     {"EE", "ddddddddc"},    {"EL", "ddddddddc"},
    {"ES", "ddddddddC"},   {"ES", "XdddddddC"},    {"ES", "Adddddddc"},    {"FI", "dddddddc"},
    {"FR", "ccddddddddd"}, {"FR", "ALddddddddd"},  {"GB", "dddddddcc"},    {"GB", "dddddddccddd"},
    {"GB", "GDddd"},       {"HU", "dddddddc"},     {"IE", "dddddddC"},     {"IT", "ddddddddddc"},
    {"LT", "ddddddd1c"},   {"LT", "dddddddddd1c"}, {"LU", "ddddddcc"},     {"LV", "ddddddddddc"},
    {"MT", "ddddddcc"},    {"NL", "ddddddddcB01"}, {"PL", "dddddddddc"},   {"PT", "ddddddddc"},
    {"RO", "dddddddc"},    {"RO", "dddddddddc"},   {"SE", "dddddddddc01"}, {"SI", "dddddddc"},
    {"SK", "dddddddddc"},
};

std::string Fill(const char* shape, std::mt19937& random) {
  std::string text;
  for (const char* p = shape; *p; ++p) {
    if (*p == 'd' || *p == 'c')
      text += static_cast<char>('0' + random() % 10);
    else if (*p == 'L' || *p == 'C')
      text += static_cast<char>('A' + random() % 26);
    else
      text += *p;
  }
  return text;
}

// Tries the check characters in order until the number is valid; keeps the last try otherwise.
void SearchCheck(const char* shape, int index, std::string& text) {
  std::vector<std::size_t> slots;
  for (std::size_t i = 0; shape[i]; ++i) {
    if (shape[i] == 'c' || shape[i] == 'C') slots.push_back(i);
  }
  const Locale locale = Locale::Portuguese();
  int combinations = 1;
  for (std::size_t slot : slots) combinations *= shape[slot] == 'C' ? 26 : 10;
  for (int n = 0; n < combinations; ++n) {
    int rest = n;
    for (std::size_t slot : slots) {
      const int base = shape[slot] == 'C' ? 26 : 10;
      text[slot] = static_cast<char>((base == 26 ? 'A' : '0') + rest % base);
      rest /= base;
    }
    if (ValidateTaxNumber(text, index, locale)) return;
  }
}

// About two thirds valid numbers, the rest random ones of the same shapes.
const std::vector<TaxNumber>& MixOfAllCountries() {
  static const std::vector<TaxNumber> mix = [] {
    std::mt19937 random(20261205);
    std::vector<TaxNumber> numbers;
    constexpr int kPerShape = 3000;
    for (const auto& [country, shape] : kShapes) {
      const int index = CountryIndex(country);
      for (int i = 0; i < kPerShape; ++i) {
        std::string text = Fill(shape, random);
        if (random() % 3 != 0) SearchCheck(shape, index, text);
        numbers.push_back({index, country, text});
      }
    }
    std::shuffle(numbers.begin(), numbers.end(), random);
    return numbers;
  }();
  return mix;
}

std::size_t ValidateAll(const std::vector<TaxNumber>& numbers, const Locale& locale,
                        RuleSet rules = RuleSet::Classic) {
  std::size_t valid = 0;
  for (const TaxNumber& n : numbers) {
    valid += ValidateTaxNumber(n.text, n.index, locale, rules) ? 1 : 0;
  }
  return valid;
}

void BM_ValidateMix(benchmark::State& state, RuleSet rules) {
  const auto& numbers = MixOfAllCountries();
  const Locale locale = Locale::Portuguese();
  std::size_t valid = 0;
  for (auto _ : state) {
    valid = ValidateAll(numbers, locale, rules);
    benchmark::DoNotOptimize(valid);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * numbers.size()));
  state.counters["numbers"] = static_cast<double>(numbers.size());
  state.counters["valid_share"] = static_cast<double>(valid) / static_cast<double>(numbers.size());
}
BENCHMARK_CAPTURE(BM_ValidateMix, classic, RuleSet::Classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ValidateMix, current, RuleSet::Current)->Unit(benchmark::kMillisecond);

// The Python side: reads "CCNUMBER" lines, times is_valid over all of them, prints the seconds
// and the verdicts.
constexpr const char* kStdnumScript = R"(
import sys, time
from stdnum.eu import vat
numbers = open(sys.argv[1], encoding='utf-8').read().split('\n')[:-1]
start = time.process_time()
verdicts = [vat.is_valid(n) for n in numbers]
elapsed = time.process_time() - start
print(elapsed)
print(''.join('1' if v else '0' for v in verdicts))
)";

// Debian's interpreter, where python3-stdnum is installed.
std::string PythonInterpreter() {
  return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// Processor time of this thread.
double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct StdnumRun {
  double seconds = 0;
  std::string verdicts;
};

bool RunStdnum(const std::vector<TaxNumber>& numbers, StdnumRun& run) {
  const auto folder = std::filesystem::temp_directory_path();
  const auto input = folder / ("qorvexctl_bench_numbers_" + std::to_string(getpid()) + ".txt");
  const auto script = folder / ("qorvexctl_bench_stdnum_" + std::to_string(getpid()) + ".py");
  {
    std::ofstream(script) << kStdnumScript;
    std::ofstream out(input);
    for (const TaxNumber& n : numbers) out << n.country << n.text << '\n';
  }
  const std::string command = PythonInterpreter() + " " + script.string() + " " + input.string();
  std::FILE* pipe = popen(command.c_str(), "r");
  bool ok = false;
  if (pipe) {
    char line[64];
    ok = std::fgets(line, sizeof line, pipe) != nullptr;
    if (ok) run.seconds = std::atof(line);
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
      if (c == '0' || c == '1') run.verdicts += static_cast<char>(c);
    }
    ok = pclose(pipe) == 0 && ok && run.verdicts.size() == numbers.size();
  }
  std::filesystem::remove(input);
  std::filesystem::remove(script);
  return ok;
}

void BM_StdnumReference(benchmark::State& state) {
  const auto& numbers = MixOfAllCountries();
  const Locale locale = Locale::Portuguese();
  for (auto _ : state) {
    StdnumRun run;
    if (!RunStdnum(numbers, run)) {
      state.SkipWithError("python3-stdnum could not be run (is python3-stdnum installed?)");
      return;
    }
    state.SetIterationTime(run.seconds);
    // Our own rate on the same numbers, measured here for the ratio.
    constexpr int kRounds = 20;
    const double start = ProcessorSeconds();
    for (int i = 0; i < kRounds; ++i) benchmark::DoNotOptimize(ValidateAll(numbers, locale));
    const double ours = (ProcessorSeconds() - start) / kRounds;
    std::size_t agree = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      agree +=
          (run.verdicts[i] == '1') == ValidateTaxNumber(numbers[i].text, numbers[i].index, locale);
    }
    const auto count = static_cast<double>(numbers.size());
    state.counters["stdnum_per_s"] = count / run.seconds;
    state.counters["qorvexctl_per_s"] = count / ours;
    state.counters["speedup"] = run.seconds / ours;
    state.counters["agreement"] = static_cast<double>(agree) / count;
  }
}
BENCHMARK(BM_StdnumReference)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
