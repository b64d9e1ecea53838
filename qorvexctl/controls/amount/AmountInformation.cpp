#include "qorvexctl/controls/amount/AmountInformation.h"

#include <vector>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"

namespace qorvexctl {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kSeparator = " - ";
constexpr int kRuleLength = 80;

std::string Euros(double amount, const Locale& locale) { return FormatEuroAmount(amount, locale); }

std::string BooleanText(bool value) { return value ? "True" : "False"; }

// Appends a part of the information text, after " - " when something stands before it.
void AppendPart(std::string& text, std::string_view part) {
  if (!text.empty()) text += kSeparator;
  text += part;
}

}  // namespace

std::string ArticleText(std::string_view reference) {
  const std::vector<std::string> parts =
      reference.empty() ? std::vector<std::string>{} : Split(reference, ",");
  if (parts.empty() || parts.size() > 4) return {};
  std::string text = "Código de " + parts[0];
  if (parts.size() > 1) text += " artigo " + parts[1] + ".º";
  if (parts.size() > 2) text += " número " + parts[2];
  if (parts.size() > 3) text += " alínea " + parts[3];
  return text;
}

std::string ExpandDescription(std::string_view description, const DescriptionValues& values,
                              const Locale& locale) {
  std::string text = Replace(description, "%MAX%", Euros(values.max, locale));
  text = Replace(text, "%MIN%", Euros(values.min, locale));
  text = Replace(text, "%MULT%", locale.FormatGeneral(values.mult * 100));
  text = Replace(text, "%ARTICLE%", values.article);
  if (!values.article.empty()) text += std::string(kLineBreak) + values.article;
  return text;
}

std::string InformationText(const InformationValues& values, const Locale& locale) {
  std::string text = values.description;
  if (!text.empty()) text += kLineBreak;
  if (values.mult != 1) {
    AppendPart(text, "Percentagem a considerar: " + locale.FormatGeneral(values.mult * 100) +
                         "% de " + values.shownText);
  }
  if (values.useMax) AppendPart(text, "Máximo a aplicar: " + Euros(values.max, locale));
  if (values.useMin) AppendPart(text, "Mínimo a aplicar: " + Euros(values.min, locale));
  if (values.considered != values.stored) {
    std::string part = "Valor a ser considerado: " + Euros(values.considered, locale);
    if (values.useMax && values.max == values.considered)
      part += " (aplicado o máximo de " + Euros(values.max, locale) + ")";
    AppendPart(text, part);
  }
  return text;
}

bool MaximumApplied(const InformationValues& values) {
  return values.useMax && values.considered == values.max;
}

std::string BalloonTitle(int fieldType, std::string_view code) {
  const std::string c(code);
  switch (fieldType) {
    case 0:
      return c.empty() ? "Informação sobre este campo" : "Valor do campo " + c;
    case 1:
      return "Campo " + Trim(c + " de soma");
    case 2:
      return c.empty() ? "Campo referência" : "Campo referência " + c;
    case 3:
      return c.empty() ? "Transporte" : "Transporte(Campo " + c + ")";
    default:
      return {};
  }
}

std::string DetailsText(const DetailsValues& values, const Locale& locale) {
  const std::string br(kLineBreak);
  std::string text = "Informação:" + br + StringOf(kRuleLength, U'-') + br;
  text += "Campo=" + values.code + br;
  text += "Savevar=" + values.saveVar + br;
  if (!values.objectName.empty()) {
    text += "Parent form name='" + values.formName + "'" + br;
    text += "Parent form objects=" + std::to_string(values.formControls) + br;
    text += "Object name='" + values.objectName + "'" + br;
  }
  text += "Usemax=" + BooleanText(values.useMax) + " (" + Euros(values.max, locale) + ")" + br;
  text += "Usemin=" + BooleanText(values.useMin) + " (" + Euros(values.min, locale) + ")" + br;
  text += "Multiplier=" + locale.FormatGeneral(values.mult) + br;
  text += br + values.information;
  return text;
}

}  // namespace qorvexctl
