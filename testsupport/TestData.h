#pragma once
// Where the tests find the shared image corpora and the project's own data folder.

#include <filesystem>

namespace qorvexctl::testsupport {

// The shared test corpora (PngSuite, GIF files and their reference tables). Taken from
// $QORVEXCTL_TESTDATA when set, otherwise ../shared/testdata beside the checkout.
std::filesystem::path SharedTestData();

// The root of the checkout.
std::filesystem::path RepositoryRoot();

// The repository's own data/ folder (iso3166.txt, flags).
std::filesystem::path RepositoryDataFolder();

// A fresh, empty temporary folder for one test, removed by the caller when it likes.
std::filesystem::path MakeTempFolder(const char* prefix);

}  // namespace qorvexctl::testsupport
