#include "qorvexctl/platform/services/IniDocument.h"

#include <gtest/gtest.h>

namespace qorvexctl::platform {

TEST(IniDocument, ValuesSurviveFormatAndParseExactly) {
  IniDocument document;
  const std::string awkward = " a=b [c] ;d #e \\ f\r\ng ";
  document.Set("Calculadora", "Posição", awkward);
  document.Set("Setup", "RootPath", "/home/ana/IRS/");
  document.Set("Setup", "", "empty key");
  document.Set("Odd [name]", "k=1", "");
  const auto parsed = IniDocument::Parse(document.Format());
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->Get("Calculadora", "Posição"), awkward);
  EXPECT_EQ(parsed->Get("setup", "ROOTPATH"), "/home/ana/IRS/");
  EXPECT_EQ(parsed->Get("Setup", ""), "empty key");
  EXPECT_EQ(parsed->Get("odd [NAME]", "K=1"), "");
  EXPECT_EQ(parsed->Format(), document.Format());
}

TEST(IniDocument, ReadsHandWrittenFilesWithCommentsAndRepeatedSections) {
  const auto parsed = IniDocument::Parse(
      "; preferences\r\n[Config]\r\n  Zoom =2\r\n\n# note\n[Other]\nx=1\n[CONFIG]\nzoom=3\n");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->Get("Config", "zoom"), "3");
  EXPECT_EQ(parsed->Get("Other", "x"), "1");
}

TEST(IniDocument, RefusesMalformedText) {
  EXPECT_FALSE(IniDocument::Parse("x=1\n").has_value());  // key before a section
  EXPECT_FALSE(IniDocument::Parse("[A]\nno separator\n").has_value());
  EXPECT_FALSE(IniDocument::Parse("[A]\nx=\\q\n").has_value());   // unknown escape
  EXPECT_FALSE(IniDocument::Parse("[A]\nx=1\\").has_value());     // unfinished escape
  EXPECT_FALSE(IniDocument::Parse("[A]\nx=\xC3\n").has_value());  // not UTF-8
  EXPECT_FALSE(IniDocument::Parse(std::string("[A]\nx=1\0", 8)).has_value());
  EXPECT_TRUE(IniDocument::Parse("").has_value());
}

TEST(IniDocument, SetAndDeleteReportWhetherAnythingChanged) {
  IniDocument document;
  EXPECT_TRUE(document.Set("A", "Key", "1"));
  EXPECT_FALSE(document.Set("a", "KEY", "1"));
  EXPECT_TRUE(document.Set("A", "key", "2"));
  EXPECT_TRUE(document.Set("A", "other", "3"));
  EXPECT_TRUE(document.Delete("A", "KEY"));
  EXPECT_FALSE(document.Delete("A", "Key"));
  EXPECT_EQ(document.Get("A", "other"), "3");
  EXPECT_EQ(document.Format(), "[A]\nother=3\n");
  EXPECT_TRUE(document.DeleteSection("a"));
  EXPECT_FALSE(document.Get("A", "other").has_value());
}

}  // namespace qorvexctl::platform
