#pragma once
// The amount field's calculator on the demo: opened by typing "*" into an amount field of the
// deductions column, with a few operations on its tape.

#include <filesystem>

namespace qorvexctl::demo {

// Writes calculator_tape.png into `folder`.
bool WriteCalculatorScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
