#pragma once
// The texts with which a euro field explains itself: the law article of its reference, its
// description with the placeholders filled in, the information text the balloon tip shows, the
// balloon's title and the details for support staff. Each is built from plain values, so the
// field and its tests share one definition. Line breaks are CR LF.

#include <string>
#include <string_view>

#include "qorvexctl/base/Locale.h"

namespace qorvexctl {

// "IRS,78,2,a)" gives "Código de IRS artigo 78.º número 2 alínea a)"; one to four parts are
// written out, none or more than four give "".
std::string ArticleText(std::string_view reference);

// What the placeholders of a description stand for.
struct DescriptionValues {
  double max = 0;
  double min = 0;
  double mult = 1;
  std::string article;
};
// "%MAX%", "%MIN%" (euro amounts), "%MULT%" (the multiplier as a percentage) and "%ARTICLE%"
// replaced; a non-empty article is appended on a line of its own.
std::string ExpandDescription(std::string_view description, const DescriptionValues& values,
                              const Locale& locale);

// What the information text says about a field.
struct InformationValues {
  std::string description;  // expanded
  double mult = 1;
  bool useMax = false;
  bool useMin = false;
  double max = 0;
  double min = 0;
  double considered = 0;  // RVal
  double stored = 0;      // CurrentValue
  std::string shownText;  // the text box content
};
// The description, then " - "-separated parts: the percentage counted, the maximum and the
// minimum applied, and the amount counted when it is not the stored one.
std::string InformationText(const InformationValues& values, const Locale& locale);
// Whether the amount counted is the maximum (the balloon then warns).
bool MaximumApplied(const InformationValues& values);

// The balloon's title for a field kind (0 to 3) and field code.
std::string BalloonTitle(int fieldType, std::string_view code);

// The details box.
struct DetailsValues {
  std::string code;     // the label caption
  std::string saveVar;  // with its suffix
  std::string formName;
  int formControls = 0;
  std::string objectName;  // "" leaves out the form lines
  bool useMax = false;
  bool useMin = false;
  double max = 0;
  double min = 0;
  double mult = 1;
  std::string information;  // the last information text
};
std::string DetailsText(const DetailsValues& values, const Locale& locale);

}  // namespace qorvexctl
