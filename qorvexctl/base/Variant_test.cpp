#include "qorvexctl/base/Variant.h"

#include <functional>

#include <gtest/gtest.h>

#include "qorvexctl/base/RuntimeError.h"

namespace qorvexctl {

namespace {

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace

TEST(Variant, ConvertsToTextAsTheClassicRuntime) {
  EXPECT_EQ(Variant().ToString(), "");
  EXPECT_EQ(Variant(true).ToString(), "True");
  EXPECT_EQ(Variant(std::int16_t{-7}).ToString(), "-7");
  EXPECT_EQ(Variant(0.1).ToString(), "0,1");
  EXPECT_EQ(Variant(1234.5).ToString(Locale::UnitedStates()), "1234.5");
  EXPECT_EQ(Variant(1e15).ToString(), "1E+15");
  EXPECT_EQ(Variant(999999999999999.0).ToString(), "999999999999999");
  EXPECT_EQ(Variant(0.0001).ToString(), "0,0001");
  EXPECT_EQ(Variant(0.00001).ToString(), "1E-05");
  EXPECT_EQ(Variant(1.0 / 3).ToString(Locale::UnitedStates()), "0.333333333333333");
  EXPECT_EQ(Variant(*Currency::FromDouble(-0.5)).ToString(Locale::UnitedStates()), "-0.5");
  EXPECT_EQ(Variant(-0.0).ToString(), "0");
  EXPECT_EQ(Variant(*Currency::FromDouble(12.3)).ToString(), "12,3");
  EXPECT_EQ(Variant(ByteArray{'O', 0, 0xE1, 0, 0xAC, 0x20}).ToString(), "Oá€");
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant::Null().ToString(); }), kErrInvalidUseOfNull);
}

TEST(Variant, NumericConversionsParseTextAndRefuseWhatIsNotANumber) {
  EXPECT_EQ(Variant(" -12,5 ").ToDouble(), -12.5);
  EXPECT_EQ(Variant("1.234,5").ToDouble(), 1234.5);
  EXPECT_EQ(Variant("1.5e2").ToDouble(Locale::UnitedStates()), 150.0);
  EXPECT_EQ(Variant(true).ToLong(), -1);
  EXPECT_EQ(Variant(2.5).ToLong(), 2);
  EXPECT_EQ(Variant(3.5).ToLong(), 4);
  EXPECT_EQ(Variant("7").ToCurrency(), Currency::FromInteger(7));
  EXPECT_TRUE(Variant("true").ToBoolean());
  EXPECT_FALSE(Variant("0").ToBoolean());
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant("12a").ToDouble(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant("").ToDouble(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant(3e9).ToLong(); }), kErrOverflow);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant::Null().ToLong(); }), kErrInvalidUseOfNull);
}

TEST(Variant, BytesRoundTripThroughUtf16Text) {
  const Variant text("ação 😀");
  EXPECT_EQ(Variant(text.ToBytes()).ToString(), "ação 😀");
  EXPECT_EQ(Variant(ByteArray{0x00, 0xD8}).ToString(), "\xEF\xBF\xBD");  // lone surrogate
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant(1.0).ToBytes(); }), kErrTypeMismatch);
}

TEST(Variant, EqualityComparesNumbersAcrossTypesAndEmptyWithZeroAndEmptyText) {
  EXPECT_EQ(Variant(std::int16_t{5}), Variant(5.0));
  EXPECT_EQ(Variant(), Variant(""));
  EXPECT_EQ(Variant(), Variant(0));
  EXPECT_EQ(Variant(true), Variant(-1));
  EXPECT_EQ(Variant::Null(), Variant::Null());
  EXPECT_FALSE(Variant::Null() == Variant());
  EXPECT_FALSE(Variant("5") == Variant(5));
  EXPECT_FALSE(Variant("a") == Variant("A"));
  EXPECT_EQ(Variant(ByteArray{1, 2}), Variant(ByteArray{1, 2}));
  EXPECT_EQ(Variant(std::uint8_t{200}).Type(), VarType::Byte);
  EXPECT_EQ(Variant("x").Type(), VarType::String);
}

}  // namespace qorvexctl
