#pragma once
// The euro amount field: a field-code label, the amount's text box ("1.234,50 €") and, while the
// field has the focus, the calculator button. Typing is reformatted key by key into the stored
// amount (`CurrentValue`, ten-thousandths); multipliers and bounds give the amounts the host
// counts (`RVal`, `RVal98`); Enter and the arrows move between the amount fields of the form by
// tab index; "*" and "/" open the calculator. The field explains itself through a description
// with placeholders, a balloon tip over the text box, and an information and a details box.
//
//   eurbox field(library, desktop, &form);
//   field.CampoID("301");
//   field.max(1500);                                    // RVal never counts more than 1500
//   field.ValueChanged.connect([&] { Save(field.RVal()); });
//
// Menu commands, keys and focus: eurbox_input.cpp; information texts: eurbox_info.cpp;
// persisted properties and the member table: eurbox_members.cpp.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/base/Currency.h"
#include "qorvexctl/base/Event.h"
#include "qorvexctl/base/Locale.h"
#include "qorvexctl/controls/amount/AmountCalculator.h"
#include "qorvexctl/controls/amount/AmountTyping.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/widgets/Image.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {

class Registry;
class clsBalloonTip;

class eurbox;

// The field's text box: with FocusNavEnter it takes Enter itself, also on a form with a default
// button, so that Enter moves between the amount fields.
class AmountTextBox final : public platform::TextBox {
 public:
  explicit AmountTextBox(eurbox& field);
  bool WantsKey(int keyCode) const override;

 private:
  const eurbox& m_field;
};

// The field kinds: the label colour and the balloon title follow them.
enum fields : int { valor = 0, Total = 1, Referencia = 2, transporte = 3 };

class eurbox : public UserControl {
 public:
  eurbox(LibraryState& library, platform::Desktop& desktop, platform::Window* container = nullptr);
  ~eurbox() override;
  std::string_view ClassName() const override { return "eurbox"; }
  static const MemberTable& Members();

  // Events, in declaration order; KeyDown and KeyPress are the control's own (Control).
  Event<> ReadVariable;
  Event<const std::string&, double> WriteVariable;  // declared, never raised
  Event<> Change;
  Event<> ValueChanged;
  Event<bool&, std::string&> ShowInfo;  // ShowDefault, MessageString

  // --- The amount.
  Currency CurrentValue{};  // the stored amount; reading and writing it has no side effects
  std::string Curr{"€"};    // the unit RealValue reads CurrentValue in: "€", "c" or "$"
  bool EnableCalculadora{true};
  std::string ShoppingData;  // the calculator's tape kept with the field
  std::string ExtraSaveVar;

  double Value() const { return CurrentValue.ToDouble(); }
  void Value(double value);
  double VisibleValue() const { return Value(); }
  void VisibleValue(double value);
  std::string Text() const { return m_text.Text(); }
  void Text(std::string_view text) { m_text.Text(text); }
  double RealValue() const;
  double RVal() const;
  double RVal98() const;
  double mult() const { return m_mult; }
  void mult(double value);
  double mult98() const { return m_mult98; }
  void mult98(double value);
  double max() const { return m_max; }
  void max(double value);
  double Min() const { return m_min; }
  void Min(double value);
  double max98() const { return m_max98; }
  void max98(double value);
  double min98() const { return m_min98; }
  void min98(double value);
  bool Centimos() const { return !m_form.wholeEuros; }
  void Centimos(bool value);
  bool EuroEsquerda() const { return m_form.euroLeft; }
  void EuroEsquerda(bool value);
  // One flag for every amount field of the thread: "." is the decimal separator.
  bool AmericanCurrency() const;
  void AmericanCurrency(bool value);
  std::string Cur() const { return "€"; }
  void Cur(std::string_view) {}
  const std::string& ForceCurrency() const { return m_forceCurrency; }
  void ForceCurrency(std::string value);
  bool REWD() const { return m_rewd; }
  void REWD(bool value) { m_rewd = value; }
  // Reformats the typed text into the stored amount and the shown text.
  void FormatText();
  // Shows the stored amount again as FormatEuroAmount writes it.
  void TextRefresh();

  // --- The field.
  bool Enabled() const { return m_enabled; }
  void Enabled(bool value);
  bool Transparent() const { return m_label.BackStyle() == 0; }
  void Transparent(bool value);
  Colour BackGroundColor() const { return m_labelColour; }
  void BackGroundColor(Colour colour);
  fields FieldType() const { return m_fieldType; }
  void FieldType(fields type);
  std::string CampoID() const { return m_label.Caption(); }
  void CampoID(const std::string& code);
  std::string SaveVar() const { return m_saveVar + ExtraSaveVar; }
  void SaveVar(std::string name) { m_saveVar = std::move(name); }
  bool FocusNavEnter() const { return m_navEnter; }
  void FocusNavEnter(bool value);
  bool FocusNavArrows() const { return m_navArrows; }
  void FocusNavArrows(bool value);
  std::uint32_t hwnd() const { return hWnd(); }
  static constexpr bool GotBalloonClass() { return false; }
  void CreateToolTip() {}
  void DestroyToolTip() {}
  void SetToolTip2(const std::string&) {}

  // --- Information (eurbox_info.cpp).
  std::string descricao() const { return m_description; }
  void descricao(std::string text);
  const std::string& RefArtigo() const { return m_reference; }
  void RefArtigo(std::string reference);
  const std::string& RefArtigo2() const { return m_articleText; }
  void RefArtigo2(const std::string&) {}
  // The last information text built (what the balloon shows, " - " as line breaks).
  const std::string& InformationText() const { return m_lastInformation; }
  void ShowInformationBox();
  void ShowDetailsBox();

  // --- Calculator, context menu, navigation (eurbox_input.cpp).
  void Calculator(AmountCalculatorFactory factory) { m_calculatorFactory = std::move(factory); }
  void OpenCalculator();
  void PopupContextMenu();
  // The enabled amount field of the parent form with the next higher (lower) tab index.
  eurbox* NeighbourField(bool next) const;

  // The number conventions the field formats with: the library's locale, which the host
  // chooses; choosing it through a field also sets AmericanCurrency, as creating a field does.
  const Locale& SystemLocale() const;
  void SystemLocale(const Locale& locale);

  // The inner parts, for hosts and tests.
  platform::TextBox& TextBox() { return m_text; }
  platform::Label& CodeLabel() { return m_label; }
  platform::Image& CalculatorButton() { return m_calcButton; }
  platform::Menu& ContextMenu() { return m_popup; }
  clsBalloonTip* BalloonTip() const { return m_tip.get(); }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  std::span<const PersistedProperty> WrittenProperties() const override;
  void ApplyInitialProperties() override { m_navEnter = true; }
  void PropertiesLoaded() override;
  void OnResize() override { Arrange(); }
  void OnTerminate() override;
  void Show() override;
  void Hide() override;
  void EnterFocus() override;
  void ExitFocus() override;

 private:
  void TextChanged();
  void WriteOwnText(const std::string& text);
  bool FieldHasInformation() const;
  void RefreshInformation();
  void ExpandDescription();
  void UpdateBalloonTitle();
  void ReleaseBalloonTip();
  void PointerMoved();
  void Arrange();
  void OnTextKeyDown(int& keyCode, int& shift);
  void OnTextKeyPress(int& keyAscii);
  void OnTextKeyUp(int keyCode, int shift);
  void MoveToNeighbour(bool next);
  void BuildContextMenu();
  void DrawCalculatorPicture();
  void NoteAmericanCurrency();
  void CopyText();
  void CutText();
  void PasteText();
  void ResetToZero();
  void ApplyBound(double& bound, bool& flag, double value);
  void ShowCode(const std::string& code);
  void ApplyEuroEsquerda(const Variant& stored);
  void StoreCalculatorResult(Currency result, const AmountCalculator& calculator);

  platform::Label m_label{*this};
  platform::Image m_calcButton{*this};
  AmountTextBox m_text{*this};
  platform::Menu m_popup{"MnuPopup"};
  AmountForm m_form;
  double m_mult{1.0};
  double m_mult98{1.0};
  double m_max{0}, m_min{0}, m_max98{0}, m_min98{0};
  bool m_useMax{false};
  bool m_useMin{false};
  bool m_rewd{true};
  bool m_busy{false};
  std::string m_forceCurrency;
  bool m_enabled{true};
  Colour m_labelColour{RGB(128, 128, 255)};
  fields m_fieldType{valor};
  std::string m_saveVar;
  bool m_navEnter{false};
  bool m_navArrows{false};
  bool m_hasFocus{false};
  bool m_navigating{false};
  bool m_calcShown{false};
  std::string m_pendingOperation;
  bool m_armed{false};
  std::string m_descriptionTemplate;
  std::string m_description;
  std::string m_reference;
  std::string m_articleText;
  std::string m_lastInformation;
  std::unique_ptr<clsBalloonTip> m_tip;
  std::unique_ptr<AmountCalculator> m_calculator;
  AmountCalculatorFactory m_calculatorFactory;
};

// Makes "QORVEXCTL.eurbox" creatable through the registry, on `desktop`.
void RegisterAmountField(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
