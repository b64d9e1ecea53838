// `qorvexctl amount`: the amount functions of the euro field (parsing typed text, symmetric
// rounding, euro formatting), one value or a batch.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "apps/cli/BatchIO.h"
#include "apps/cli/Commands.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"

namespace qorvexctl::cli {
namespace {

// The options every amount command takes; the rest are its operands.
struct AmountOptions {
  bool batch = false;
  std::optional<std::string> total;
  const Locale* locale = &DefaultLocale();
  Arguments operands;
  bool valid = true;
};

AmountOptions ReadOptions(const Arguments& args) {
  static const Locale kPortuguese = Locale::Portuguese();
  static const Locale kUnitedStates = Locale::UnitedStates();
  AmountOptions options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--batch") {
      options.batch = true;
    } else if (arg == "--total" && hasValue) {
      options.total = args[++i];
    } else if (arg == "--system" && hasValue && (args[i + 1] == "pt" || args[i + 1] == "us")) {
      options.locale = args[++i] == "pt" ? &kPortuguese : &kUnitedStates;
    } else if (arg.starts_with("--") && arg.size() > 2) {
      options.valid = false;
    } else {
      options.operands.push_back(arg);
    }
  }
  return options;
}

// A number written plainly with "." (blanks around it allowed); nothing for any other text.
std::optional<double> PlainNumber(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::string_view body(trimmed);
  const bool negative = body.starts_with('-');
  if (negative || body.starts_with('+')) body.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (body.empty() || error != std::errc{} || end != body.data() + body.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<std::int32_t> WholeNumber(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (trimmed.empty() || error != std::errc{} || end != trimmed.data() + trimmed.size())
    return std::nullopt;
  return value;
}

void Complain(std::size_t line, std::string_view what) {
  std::fprintf(stderr, "qorvexctl amount: line %zu: %.*s\n", line, static_cast<int>(what.size()),
               what.data());
}

std::string ParseResult(std::string_view text) { return PlainAmountText(ParseEuroAmount(text)); }

// RoundHalfAway of "X" and "D"; nothing when either cannot be read.
std::optional<std::string> RoundResult(std::string_view x, std::string_view d) {
  const auto value = PlainNumber(x);
  const auto decimals = WholeNumber(d);
  if (!value || !decimals) return std::nullopt;
  return ShortestNumberText(RoundHalfAway(*value, *decimals));
}

// FormatEuroAmount of "X": "" for text that is not a plain number.
std::string FormatResult(std::string_view x, const Locale& locale, Currency* total) {
  const auto value = PlainNumber(x);
  if (!value) return {};
  return total ? FormatEuroAmount(*value, *total, locale) : FormatEuroAmount(*value, locale);
}

int RunRound(const AmountOptions& options) {
  if (options.batch) {
    return RunBatch([](std::string_view line, std::size_t number, OutputBuffer& out) {
      const auto tab = line.find('\t');
      const auto result = tab == std::string_view::npos
                              ? std::nullopt
                              : RoundResult(line.substr(0, tab), line.substr(tab + 1));
      out.Append(result.value_or(""));
      out.Append("\n");
      if (!result) Complain(number, "expected X<TAB>D with a number X and a whole number D");
      return result.has_value();
    });
  }
  if (options.operands.size() != 2) return 2;
  const auto result = RoundResult(options.operands[0], options.operands[1]);
  if (!result) {
    std::fputs("qorvexctl amount round: X must be a number and D a whole number\n", stderr);
    return 2;
  }
  std::puts(result->c_str());
  return 0;
}

int RunFormat(const AmountOptions& options) {
  std::optional<Currency> total;
  if (options.total) {
    const auto start = PlainNumber(*options.total);
    total = start ? Currency::FromDouble(*start) : std::nullopt;
    if (!total) {
      std::fputs("qorvexctl amount format: --total needs an amount\n", stderr);
      return 2;
    }
  }
  const Locale& locale = *options.locale;
  if (options.batch) {
    return RunBatch([&](std::string_view line, std::size_t, OutputBuffer& out) {
      out.Append(FormatResult(line, locale, total ? &*total : nullptr));
      if (total) out.Append("\t" + PlainAmountText(*total));
      out.Append("\n");
      return true;
    });
  }
  if (options.operands.size() != 1) return 2;
  std::puts(FormatResult(options.operands[0], locale, total ? &*total : nullptr).c_str());
  if (total) std::puts(PlainAmountText(*total).c_str());
  return 0;
}

int RunParse(const AmountOptions& options) {
  if (options.batch) {
    return RunBatch([](std::string_view line, std::size_t, OutputBuffer& out) {
      out.Append(ParseResult(line) + "\n");
      return true;
    });
  }
  if (options.operands.size() != 1) return 2;
  std::puts(ParseResult(options.operands[0]).c_str());
  return 0;
}

int RunAmount(const Arguments& args) {
  const AmountOptions options = args.empty() ? AmountOptions{} : ReadOptions(args);
  int status = 2;
  if (!args.empty() && options.valid) {
    if (args[0] == "parse") status = RunParse(options);
    if (args[0] == "round") status = RunRound(options);
    if (args[0] == "format") status = RunFormat(options);
  }
  if (status == 2) {
    std::fputs(
        "usage: qorvexctl amount parse TEXT | round X D | format X [--total T]"
        " [--batch] [--system pt|us]\n",
        stderr);
  }
  return status;
}

}  // namespace

const Command kAmountCommand = {
    "amount", "the euro amount functions: parse, round, format",
    "qorvexctl amount parse TEXT\n"
    "    Prints the amount typed text stores, plainly with \".\" (\"1.234,5 €\" gives 1234.5).\n"
    "qorvexctl amount round X D\n"
    "    Prints X rounded to D places, a dropped 5 going away from zero (0.125 2 gives 0.13).\n"
    "qorvexctl amount format X [--total T]\n"
    "    Prints X as a euro amount (1234.5 gives \"1.234,50 €\"); X is a number with \".\" and\n"
    "    anything else prints an empty line. With --total, a second line gives T plus X\n"
    "    rounded to cents.\n"
    "  --batch         one input a line on standard input (round: X<TAB>D), one result a line;\n"
    "                  format --total writes the result, a TAB and the running total\n"
    "  --system pt|us  the Portuguese (1.234,50) or American (1,234.50) number forms; by\n"
    "                  default QORVEXCTL_LOCALE decides\n",
    RunAmount};

}  // namespace qorvexctl::cli
