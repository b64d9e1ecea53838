#include "qorvexctl/frame/FormFile.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "testsupport/TestData.h"

namespace qorvexctl {

namespace {

FormFile SampleForm() {
  FormFile form;
  form.name = "frmAnexoH";
  FormControl nif{"cNIF", "txtNIF", 0, 120, 240, 2400, 315, {}};
  nif.properties.WriteProperty("CountryID", "ES", "PT");
  FormControl second{"cNIF", "txtNIF", 1, 120, 600, 2400, 315, {}};
  FormControl amount{"eurbox", "Rendimento", std::nullopt, 3000, 240, 1800, 315, {}};
  amount.properties.WriteProperty("Value", *Currency::FromDouble(1234.56), Currency());
  amount.properties.WriteProperty("Caption", "Rendimento ilíquido", "");
  form.controls = {nif, second, amount};
  return form;
}

}  // namespace

TEST(FormFile, SavesAndLoadsEveryControlWithItsPlaceAndProperties) {
  const auto folder = testsupport::MakeTempFolder("form");
  const auto path = folder / "forms" / "anexo-h.json";
  ASSERT_TRUE(SampleForm().Save(path));
  const auto loaded = FormFile::Load(path);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->name, "frmAnexoH");
  ASSERT_EQ(loaded->controls.size(), 3u);
  EXPECT_EQ(loaded->ToText(), SampleForm().ToText());

  FormFile copy = *loaded;
  const FormControl* second = copy.Find("TXTNIF", 1);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->top, 600);
  EXPECT_EQ(second->properties.Count(), 0u);
  const FormControl* amount = copy.Find("Rendimento");
  ASSERT_NE(amount, nullptr);
  EXPECT_FALSE(amount->index.has_value());
  EXPECT_EQ(amount->properties.ReadProperty("Value").ToCurrency().Raw(), 12345600);
  EXPECT_EQ(amount->properties.ReadProperty("caption").ToString(), "Rendimento ilíquido");
  EXPECT_EQ(copy.Find("txtNIF"), nullptr);  // an array member needs its index
  std::filesystem::remove_all(folder);
}

TEST(FormFile, RefusesTextsThatAreNotFormFiles) {
  EXPECT_FALSE(FormFile::FromText("").has_value());
  EXPECT_FALSE(FormFile::FromText("{\"format\": \"qorvexctl-form\"").has_value());
  EXPECT_FALSE(FormFile::FromText(R"({"format": "other", "version": 1, "controls": []})"));
  EXPECT_FALSE(FormFile::FromText(R"({"format": "qorvexctl-form", "version": 2, "controls": []})"));
  EXPECT_FALSE(FormFile::FromText(R"({"format": 7, "version": "1", "controls": []})"));
  EXPECT_FALSE(FormFile::FromText(
      R"({"format": "qorvexctl-form", "version": 1, "controls": [{"type": "cNIF"}]})"));
  EXPECT_FALSE(FormFile::FromText(R"({"format": "qorvexctl-form", "version": 1,
      "controls": [{"type": "cNIF", "name": "a", "left": "x"}]})"));
  EXPECT_TRUE(FormFile::FromText(R"({"format": "qorvexctl-form", "version": 1,
      "controls": [{"type": "cNIF", "name": "a"}]})"));
  EXPECT_FALSE(FormFile::Load("/nonexistent/form.json").has_value());
}

TEST(FormFile, KeepsToItsLimitsOnControlsAndNesting) {
  auto controls = [](std::size_t count, bool nested) {
    FormFile form;
    for (std::size_t i = 0; i < count; ++i) {
      FormControl frame{"Frame", "fra" + std::to_string(i), std::nullopt, 0, 0, 100, 100, {}};
      if (nested && i > 0) frame.container = "FRA" + std::to_string(i - 1);  // any case
      form.controls.push_back(frame);
    }
    return form.ToText();
  };
  EXPECT_TRUE(FormFile::FromText(controls(FormFile::kMaxControls, false)));
  EXPECT_FALSE(FormFile::FromText(controls(FormFile::kMaxControls + 1, false)));
  EXPECT_TRUE(FormFile::FromText(controls(FormFile::kMaxNesting, true)));
  EXPECT_FALSE(FormFile::FromText(controls(FormFile::kMaxNesting + 1, true)));
}

}  // namespace qorvexctl
