#include "qorvexctl/controls/amount/AmountInformation.h"

#include <gtest/gtest.h>

namespace qorvexctl {
namespace {

const Locale kPt = Locale::Portuguese();

TEST(AmountInformation, WritesOutOneToFourReferenceParts) {
  EXPECT_EQ(ArticleText("IRS"), "Código de IRS");
  EXPECT_EQ(ArticleText("IRS,78"), "Código de IRS artigo 78.º");
  EXPECT_EQ(ArticleText("IRS,78,2"), "Código de IRS artigo 78.º número 2");
  EXPECT_EQ(ArticleText("IRS,78,2,a)"), "Código de IRS artigo 78.º número 2 alínea a)");
  EXPECT_EQ(ArticleText("IRS,78,2,a),b"), "");
  EXPECT_EQ(ArticleText(""), "");
}

TEST(AmountInformation, ExpandsEveryPlaceholderAndAppendsTheArticle) {
  EXPECT_EQ(ExpandDescription("Limite: %MAX%", {1500, 0, 1, ""}, kPt), "Limite: 1.500,00 €");
  EXPECT_EQ(ExpandDescription("%MIN% a %MAX%, %MULT%% (%MAX%)", {10, 2.5, 0.5, ""}, kPt),
            "2,50 € a 10,00 €, 50% (10,00 €)");
  EXPECT_EQ(ExpandDescription("Ver %ARTICLE%", {0, 0, 1, "Código de IRS"}, kPt),
            "Ver Código de IRS\r\nCódigo de IRS");
  EXPECT_EQ(ExpandDescription("", {0, 0, 1, "Código de IRS"}, kPt), "\r\nCódigo de IRS");
}

TEST(AmountInformation, TheInformationTextListsWhatChangesTheCountedAmount) {
  InformationValues values;
  values.mult = 0.5;
  values.shownText = "250,00 €";
  values.considered = 125;
  values.stored = 250;
  EXPECT_EQ(InformationText(values, kPt),
            "Percentagem a considerar: 50% de 250,00 € - Valor a ser considerado: 125,00 €");
  values = {};
  values.description = "Despesas";
  values.useMax = true;
  values.max = 100;
  values.considered = 100;
  values.stored = 250;
  EXPECT_EQ(InformationText(values, kPt),
            "Despesas\r\n - Máximo a aplicar: 100,00 € - Valor a ser considerado: 100,00 € "
            "(aplicado o máximo de 100,00 €)");
  EXPECT_TRUE(MaximumApplied(values));
  values = {};
  values.useMin = true;
  values.min = 5;
  EXPECT_EQ(InformationText(values, kPt), "Mínimo a aplicar: 5,00 €");
  EXPECT_EQ(InformationText({}, kPt), "");
}

TEST(AmountInformation, TheBalloonTitleFollowsTheFieldKind) {
  EXPECT_EQ(BalloonTitle(0, "301"), "Valor do campo 301");
  EXPECT_EQ(BalloonTitle(0, ""), "Informação sobre este campo");
  EXPECT_EQ(BalloonTitle(1, "301"), "Campo 301 de soma");
  EXPECT_EQ(BalloonTitle(1, ""), "Campo de soma");
  EXPECT_EQ(BalloonTitle(2, "7"), "Campo referência 7");
  EXPECT_EQ(BalloonTitle(2, ""), "Campo referência");
  EXPECT_EQ(BalloonTitle(3, "301"), "Transporte(Campo 301)");
  EXPECT_EQ(BalloonTitle(3, ""), "Transporte");
  EXPECT_EQ(BalloonTitle(9, "1"), "");
}

TEST(AmountInformation, TheDetailsNameTheFormOnlyForANamedControl) {
  DetailsValues values;
  values.code = "301";
  values.saveVar = "AnexoH301";
  values.formName = "frmAnexoH";
  values.formControls = 12;
  values.objectName = "valor301";
  values.useMax = true;
  values.max = 1500;
  values.mult = 0.5;
  values.information = "Máximo a aplicar: 1.500,00 €";
  const std::string rule(80, '-');
  EXPECT_EQ(DetailsText(values, kPt),
            "Informação:\r\n" + rule +
                "\r\nCampo=301\r\nSavevar=AnexoH301\r\nParent form name='frmAnexoH'\r\n"
                "Parent form objects=12\r\nObject name='valor301'\r\nUsemax=True (1.500,00 €)\r\n"
                "Usemin=False (0,00 €)\r\nMultiplier=0,5\r\n\r\nMáximo a aplicar: 1.500,00 €");
  values.objectName.clear();
  EXPECT_EQ(DetailsText(values, kPt).find("Parent form"), std::string::npos);
}

}  // namespace
}  // namespace qorvexctl
