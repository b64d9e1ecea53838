#include "qorvexctl/frame/FlagPicture.h"

#include <gtest/gtest.h>

#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/ScaleMode.h"
#include "qorvexctl/platform/services/MemorySettingsStore.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl {
namespace {

using platform::Surface;

// Colour that names a strip cell, so a cut cell tells which cell it came from.
constexpr Colour CellColour(int k) { return RGB(k, 255 - k, 77); }

// A strip whose cell k is filled with CellColour(k).
std::shared_ptr<platform::Picture> NumberedStrip() {
  Surface strip(kFlagStripColumns * kFlagCellSize, kFlagStripRows * kFlagCellSize, 24);
  for (int k = 0; k < kFlagStripColumns * kFlagStripRows; ++k) {
    const FlagCellOrigin origin = FlagCellPixelOrigin(k);
    for (int y = 0; y < kFlagCellSize; ++y) {
      for (int x = 0; x < kFlagCellSize; ++x) {
        strip.SetPixelValue(origin.x + x, origin.y + y, strip.ValueOf(CellColour(k)));
      }
    }
  }
  return std::make_shared<platform::Picture>(std::move(strip));
}

class FlagPictureTest : public ::testing::Test {
 protected:
  platform::MemorySettingsStore m_settings;
  platform::HeadlessMessageBoxService m_boxes;
  LibraryState m_state{m_settings, m_boxes};
};

TEST_F(FlagPictureTest, CellsAreCutAtTheFirstOccurrenceOfTheCode) {
  m_state.SetFlagStrip(NumberedStrip());
  const Surface portugal = FlagCell(m_state, "PT");
  ASSERT_EQ(portugal.Width(), 16);
  ASSERT_EQ(portugal.Height(), 16);
  EXPECT_EQ(portugal.PixelColour(0, 0), CellColour(179));
  EXPECT_EQ(portugal.PixelColour(15, 15), CellColour(179));
  EXPECT_EQ(FlagCell(m_state, "SD").PixelColour(8, 8), CellColour(207));
  EXPECT_EQ(FlagCell(m_state, "AF").PixelColour(8, 8), CellColour(0));
}

TEST_F(FlagPictureTest, CodesWithoutACellGiveNoPicture) {
  m_state.SetFlagStrip(NumberedStrip());
  EXPECT_TRUE(FlagCell(m_state, "EL").IsEmpty());
  EXPECT_TRUE(FlagCell(m_state, "QQ").IsEmpty());
}

TEST_F(FlagPictureTest, EmbeddedStripHoldsTheFlagsCentredOnWhite) {
  const platform::Picture& strip = FlagStrip(m_state);
  ASSERT_EQ(strip.Width(), 512);
  ASSERT_EQ(strip.Height(), 128);
  const Surface portugal = FlagCell(m_state, "PT");
  EXPECT_EQ(portugal.PixelColour(8, 0), RGB(255, 255, 255));  // above the 16 x 11 flag
  const Colour hoist = portugal.PixelColour(2, 8);            // green part
  const Colour fly = portugal.PixelColour(13, 8);             // red part
  EXPECT_GT(GreenOf(hoist), RedOf(hoist));
  EXPECT_GT(RedOf(fly), GreenOf(fly));
}

TEST_F(FlagPictureTest, FlagIsDrawnOntoTheTargetPictureBox) {
  platform::Desktop desktop;
  platform::Form form(desktop);
  platform::PictureBox box(form);
  box.BorderStyle(0);
  box.SetBounds({0, 0, 16, 16});
  box.BackColor(RGB(0, 0, 255));
  box.ScaleMode(platform::vbTwips);
  m_state.SetFlagStrip(NumberedStrip());
  m_state.SetFlagTarget(&box);
  const auto picture = FlagPicture(m_state, "PT");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Pixels().PixelColour(0, 0), CellColour(179));
  EXPECT_EQ(picture->Pixels().PixelColour(15, 15), CellColour(179));
  EXPECT_EQ(box.ScaleMode(), platform::vbPixels);
  EXPECT_EQ(box.BackColor(), RGB(255, 255, 255));
  EXPECT_TRUE(box.AutoRedraw());
  EXPECT_EQ(FlagPicture(m_state, "SD")->Pixels().PixelColour(8, 8), CellColour(207));
  EXPECT_EQ(FlagPicture(m_state, "EL"), nullptr);
  m_state.SetFlagTarget(nullptr);
  EXPECT_EQ(FlagPicture(m_state, "PT"), nullptr);
}

TEST_F(FlagPictureTest, StripIsReleasedWithTheLastNifField) {
  m_state.AddNifControl();
  m_state.AddNifControl();
  (void)FlagStrip(m_state);
  m_state.RemoveNifControl();
  EXPECT_NE(m_state.FlagStrip(), nullptr);
  m_state.RemoveNifControl();
  EXPECT_EQ(m_state.FlagStrip(), nullptr);
  EXPECT_EQ(FlagStrip(m_state).Width(), 512);  // loaded again on the next use
}

}  // namespace
}  // namespace qorvexctl
