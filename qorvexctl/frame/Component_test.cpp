#include "qorvexctl/frame/Component.h"

#include <gtest/gtest.h>

#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/services/MemorySettingsStore.h"
#include "qorvexctl/platform/services/MessageBoxService.h"

namespace qorvexctl {

namespace {

// A component with two persisted properties; the caption setter has a side effect.
class Sample final : public Component {
 public:
  explicit Sample(LibraryState& library) : Component(library) {}
  ~Sample() override { Terminate(); }

  std::string_view ClassName() const override { return "cSample"; }

  std::string Caption() const { return m_caption; }
  void Caption(std::string caption) {
    m_caption = std::move(caption);
    ++m_captionRepaints;
  }
  int MaxLength() const { return m_maxLength; }
  void MaxLength(int length) { m_maxLength = length; }

  int m_captionRepaints = 0;
  int m_loaded = 0;
  int* m_terminations = nullptr;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override { return m_table; }
  void PropertiesLoaded() override { ++m_loaded; }
  void OnTerminate() override {
    if (m_terminations) ++*m_terminations;
  }

 private:
  std::string m_caption;
  int m_maxLength = 0;
  std::vector<PersistedProperty> m_table = {
      Persisted<Sample>(
          "Caption", "Nome", [](Sample& s, const Variant& v) { s.Caption(v.ToString()); },
          [](const Sample& s) { return s.Caption(); }),
      Persisted<Sample>(
          "MaxLength", std::int32_t{9},
          [](Sample& s, const Variant& v) { s.MaxLength(v.ToLong()); },
          [](const Sample& s) { return std::int32_t{s.MaxLength()}; }),
  };
};

class ComponentTest : public ::testing::Test {
 protected:
  platform::MemorySettingsStore m_settings;
  platform::HeadlessMessageBoxService m_boxes;
  LibraryState m_state{m_settings, m_boxes};
};

}  // namespace

TEST_F(ComponentTest, InitPropertiesAppliesEveryDefaultThroughTheSetters) {
  Sample sample(m_state);
  sample.InitProperties();
  EXPECT_EQ(sample.Caption(), "Nome");
  EXPECT_EQ(sample.MaxLength(), 9);
  EXPECT_EQ(sample.m_captionRepaints, 1);
  EXPECT_EQ(sample.m_loaded, 1);
}

TEST_F(ComponentTest, PropertiesRoundTripAndOnlyValuesOffTheirDefaultsAreWritten) {
  Sample original(m_state);
  original.InitProperties();
  original.MaxLength(14);
  PropertyBag bag;
  original.WriteProperties(bag);
  EXPECT_EQ(bag.Keys(), std::vector<std::string>{"MaxLength"});

  Sample copy(m_state);
  copy.MaxLength(3);  // set before ReadProperties: overwritten by the stored value
  copy.ReadProperties(bag);
  EXPECT_EQ(copy.MaxLength(), 14);
  EXPECT_EQ(copy.Caption(), "Nome");
}

TEST_F(ComponentTest, AStoredValueThatCannotBeAppliedIsSkippedAndTheRestIsRead) {
  PropertyBag bag;
  bag.WriteProperty("maxlength", "twelve");
  bag.WriteProperty("CAPTION", "Cônjuge");
  Sample sample(m_state);
  sample.ReadProperties(bag);
  EXPECT_EQ(sample.MaxLength(), 0);
  EXPECT_EQ(sample.Caption(), "Cônjuge");
}

TEST_F(ComponentTest, RegistryCreatesByNameCountsLiveObjectsAndTerminatesOnRelease) {
  Registry registry(m_state);
  ASSERT_TRUE(registry.Register<Sample>("cSample"));
  EXPECT_FALSE(registry.Register<Sample>("CSAMPLE"));
  EXPECT_EQ(registry.Create("QORVEXCTL.cMissing"), nullptr);
  EXPECT_EQ(registry.Create("cSample"), nullptr);
  EXPECT_EQ(registry.Create("OTHER.cSample"), nullptr);

  int terminations = 0;
  auto created = registry.Create("qorvexctl.csample");
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->ClassName(), "cSample");
  static_cast<Sample&>(*created).m_terminations = &terminations;
  {
    Sample direct(m_state);
    EXPECT_EQ(registry.LiveObjects(), 2);
  }
  EXPECT_EQ(registry.LiveObjects(), 1);
  EXPECT_FALSE(registry.CanUnloadNow());
  created->Terminate();
  created.reset();
  EXPECT_EQ(terminations, 1);  // once, although Terminate was called before the release too
  EXPECT_TRUE(registry.CanUnloadNow());
  EXPECT_EQ(registry.Names(), std::vector<std::string>{"cSample"});
}

TEST_F(ComponentTest, LibraryStateReleasesTheFlagStripWithTheLastNifField) {
  m_state.AddNifControl();
  m_state.AddNifControl();
  m_state.SetFlagStrip(std::shared_ptr<platform::Picture>(
      reinterpret_cast<platform::Picture*>(new int(1)),
      [](platform::Picture* p) { delete reinterpret_cast<int*>(p); }));
  m_state.RemoveNifControl();
  EXPECT_NE(m_state.FlagStrip(), nullptr);
  m_state.RemoveNifControl();
  EXPECT_EQ(m_state.FlagStrip(), nullptr);
  EXPECT_EQ(m_state.NifControlCount(), 0);
}

}  // namespace qorvexctl
