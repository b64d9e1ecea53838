// Every file of the shared GIF corpus, loaded and composed frame by frame, against the
// reference table expected.tsv beside it.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"
#include "testsupport/TestData.h"

namespace qorvexctl::gif {
namespace {

std::filesystem::path CorpusFolder() { return testsupport::SharedTestData() / "gif"; }

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, '\t')) fields.push_back(field);
  return fields;
}

std::string Fnv1a64(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (std::uint8_t b : bytes) hash = (hash ^ b) * 0x100000001b3ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

struct ExpectedFile {
  std::vector<std::string> file;                 // the file line
  std::vector<std::vector<std::string>> frames;  // its FRAME lines in order
};

std::map<std::string, ExpectedFile> ReadExpected() {
  std::map<std::string, ExpectedFile> expected;
  std::ifstream in(CorpusFolder() / "expected.tsv");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    auto fields = SplitTabs(line);
    if (fields.size() > 1 && fields[1] == "FRAME") {
      expected[fields[0].substr(0, fields[0].find('#'))].frames.push_back(fields);
    } else {
      expected[fields[0]].file = fields;
    }
  }
  return expected;
}

std::string Rectangle(const GifFrame& frame) {
  return std::to_string(frame.left) + "," + std::to_string(frame.top) + "," +
         std::to_string(frame.width) + "," + std::to_string(frame.height);
}

int CheckFrames(const GifImage& image, const ExpectedFile& expected) {
  EXPECT_EQ(image.FrameCount(), static_cast<int>(expected.frames.size()));
  if (image.FrameCount() != static_cast<int>(expected.frames.size())) return 0;
  GifComposer composer(image);
  for (int k = 0; k < image.FrameCount(); ++k) {
    SCOPED_TRACE("frame " + std::to_string(k + 1));
    const auto& line = expected.frames[static_cast<std::size_t>(k)];
    const GifFrame& frame = image.Frames()[static_cast<std::size_t>(k)];
    composer.Show(k);
    EXPECT_EQ(Fnv1a64(composer.ToRgba()), line[5]);
    EXPECT_EQ(std::to_string(frame.delay), line[6]);
    EXPECT_EQ(std::to_string(frame.disposal), line[7]);
    EXPECT_EQ(Rectangle(frame), line[8]);
    EXPECT_EQ(frame.transparent ? std::to_string(frame.transparentIndex) : "-", line[9]);
  }
  return image.FrameCount();
}

TEST(GifCorpus, EveryFileComposesAsTheReferenceTableSays) {
  const auto expected = ReadExpected();
  ASSERT_EQ(expected.size(), 66u);
  int framesCompared = 0;
  for (const auto& [name, entry] : expected) {
    SCOPED_TRACE(name);
    GifImage image;
    const bool loaded = image.Load(ReadFile(CorpusFolder() / name));
    const auto& file = entry.file;
    ASSERT_EQ(file.size() >= 6 ? file[1] : "", loaded ? "OK" : "FAIL")
        << FailureText(image.Error());
    if (!loaded) continue;
    EXPECT_EQ(std::to_string(image.Width()), file[2]);
    EXPECT_EQ(std::to_string(image.Height()), file[3]);
    EXPECT_EQ(file[5] == "-" ? "0" : file[5], std::to_string(image.Loops()));
    framesCompared += CheckFrames(image, entry);
  }
  EXPECT_EQ(framesCompared, 156);  // every FRAME line of the table
}

}  // namespace
}  // namespace qorvexctl::gif
