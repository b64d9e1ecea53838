#include "qorvexctl/base/Currency.h"

#include <cmath>

#include <gtest/gtest.h>

#include "qorvexctl/base/RuntimeError.h"

namespace qorvexctl {

TEST(Currency, FromDoubleRoundsToFourDecimalsTiesToEven) {
  EXPECT_EQ(Currency::FromDouble(1234.56)->Raw(), 12345600);
  // Exact ties in binary: 312.5 and 937.5 ten-thousandths go to the even neighbour.
  EXPECT_EQ(Currency::FromDouble(0.03125)->Raw(), 312);
  EXPECT_EQ(Currency::FromDouble(0.09375)->Raw(), 938);
  EXPECT_EQ(Currency::FromDouble(-0.03125)->Raw(), -312);
  EXPECT_EQ(Currency::FromDouble(0.123449)->Raw(), 1234);
  EXPECT_FALSE(Currency::FromDouble(1e15).has_value());
  EXPECT_FALSE(Currency::FromDouble(std::nan("")).has_value());
  EXPECT_TRUE(Currency::FromDouble(-922337203685477.0).has_value());
}

TEST(Currency, ArithmeticIsExactAndProductsRoundTiesToEven) {
  const Currency a = *Currency::FromDouble(0.1);
  const Currency b = *Currency::FromDouble(0.2);
  EXPECT_EQ(a + b, *Currency::FromDouble(0.3));
  EXPECT_EQ((b - a).Raw(), 1000);
  EXPECT_EQ((a * 3).Raw(), 3000);
  // 0.0005 * 0.1 = 0.00005 -> 0.5 ten-thousandths -> 0; 0.0015 * 0.1 -> 1.5 -> 2.
  EXPECT_EQ((Currency::FromRaw(5) * a).Raw(), 0);
  EXPECT_EQ((Currency::FromRaw(15) * a).Raw(), 2);
  EXPECT_EQ((Currency::FromRaw(-15) * a).Raw(), -2);
  EXPECT_DOUBLE_EQ(Currency::FromInteger(1) / Currency::FromInteger(4), 0.25);
}

TEST(Currency, OverflowAndDivisionByZeroRaiseTheClassicErrors) {
  try {
    (void)(Currency::Max() + Currency::FromRaw(1));
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), kErrOverflow);
  }
  EXPECT_THROW((void)-Currency::Min(), RuntimeError);
  EXPECT_THROW((void)(Currency::Max() * Currency::FromInteger(2)), RuntimeError);
  EXPECT_THROW((void)Currency::FromInteger(INT64_MAX / 1000), RuntimeError);
  EXPECT_THROW((void)(Currency::FromInteger(1) / Currency()), RuntimeError);
  Currency kept = Currency::Max();
  EXPECT_THROW(kept += Currency::FromRaw(1), RuntimeError);
  EXPECT_EQ(kept, Currency::Max());
}

TEST(Currency, ToStringWritesPlainDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(Currency::FromDouble(1234.5)->ToString(), "1234,5");
  EXPECT_EQ(Currency::FromDouble(-0.0001)->ToString("."), "-0.0001");
  EXPECT_EQ(Currency::FromInteger(7).ToString(), "7");
  EXPECT_EQ(Currency::Min().ToString("."), "-922337203685477.5808");
}

}  // namespace qorvexctl
