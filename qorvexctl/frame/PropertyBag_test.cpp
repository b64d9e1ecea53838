#include "qorvexctl/frame/PropertyBag.h"

#include <limits>

#include <gtest/gtest.h>

namespace qorvexctl {

TEST(PropertyBag, ReadsWithDefaultsAndMatchesKeysWithoutRegardToCase) {
  PropertyBag bag;
  EXPECT_EQ(bag.ReadProperty("CountryID", "PT").ToString(), "PT");
  bag.WriteProperty("CountryID", "ES", "PT");
  EXPECT_EQ(bag.ReadProperty("countryid", "PT").ToString(), "ES");
  bag.WriteProperty("COUNTRYID", "FR", "PT");
  EXPECT_EQ(bag.Keys(), std::vector<std::string>{"CountryID"});
  EXPECT_EQ(bag.ReadProperty("CountryID").ToString(), "FR");
}

TEST(PropertyBag, ValueEqualToItsDefaultIsNotStoredAndForgetsAnOlderValue) {
  PropertyBag bag;
  bag.WriteProperty("MaxLength", std::int32_t{9}, std::int32_t{9});
  bag.WriteProperty("Caption", "", Variant());
  bag.WriteProperty("Enabled", true, true);
  EXPECT_EQ(bag.Count(), 0u);
  bag.WriteProperty("MaxLength", std::int32_t{12}, std::int32_t{9});
  EXPECT_TRUE(bag.Contains("maxlength"));
  bag.WriteProperty("MaxLength", 9.0, std::int32_t{9});
  EXPECT_FALSE(bag.Contains("MaxLength"));
}

TEST(PropertyBag, EveryVariantTypeSurvivesTheJsonRoundTrip) {
  PropertyBag bag;
  const std::vector<std::pair<std::string, Variant>> values = {
      {"Text", "1.234,56 €"},
      {"Flag", false},
      {"Count", std::int32_t{-70000}},
      {"Small", std::int16_t{-3}},
      {"Byte", std::uint8_t{250}},
      {"Ratio", 0.1},
      {"Whole", 2.0},
      {"Amount", *Currency::FromDouble(-12345.6789)},
      {"Picture", ByteArray{0x89, 'P', 'N', 'G', 0, 0xFF}},
      {"Nothing", Variant::Null()},
  };
  for (const auto& [key, value] : values) bag.WriteProperty(key, value);
  const std::string text = bag.ToJson().dump();
  const auto back = PropertyBag::FromJson(nlohmann::ordered_json::parse(text));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Keys(), bag.Keys());
  for (const auto& [key, value] : values) {
    const Variant read = back->ReadProperty(key, "missing");
    EXPECT_EQ(read.Type(), value.Type()) << key;
    EXPECT_TRUE(read == value) << key;
  }
  EXPECT_NE(text.find("\"iVBORwD/\""), std::string::npos);  // Base64 of the bytes
}

TEST(PropertyBag, RefusesJsonItCannotReadBack) {
  using Json = nlohmann::ordered_json;
  EXPECT_FALSE(PropertyBag::FromJson(Json::array()).has_value());
  EXPECT_FALSE(PropertyBag::FromJson(Json{{"A", Json::array()}}).has_value());
  EXPECT_FALSE(PropertyBag::FromJson(Json{{"A", 5000000000LL}}).has_value());
  EXPECT_FALSE(PropertyBag::FromJson(Json{{"A", {{"type", "Byte"}, {"value", 256}}}}).has_value());
  EXPECT_FALSE(
      PropertyBag::FromJson(Json{{"A", {{"type", "Bytes"}, {"value", "@@"}}}}).has_value());
  EXPECT_FALSE(PropertyBag::FromJson(Json{{"A", {{"type", "Date"}, {"value", 1}}}}).has_value());
  EXPECT_FALSE(PropertyBag::FromJson(Json::parse(R"({"A": 18446744073709551615})")).has_value());
  EXPECT_FALSE(PropertyBag::FromJson(Json{{"A", std::numeric_limits<double>::infinity()}}));
}

}  // namespace qorvexctl
