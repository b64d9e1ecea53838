#pragma once
// cTipDefCTLNew: a taxpayer's disability situation. Three picture options side by side (not
// disabled, disabled, disabled member of the armed forces) and, for the two disability options
// when ShowGrauDef is set, the degree of disability in percent (0 to 100) in a small text box
// with an up/down scroll bar beside it.
//
//   cTipDefCTLNew situation(library, desktop, &form);
//   situation.ShowGrauDef(true);
//   situation.Changed.connect([&] { Save(situation.Tipo()); });
//   situation.GrauChanged.connect([&] { Save(situation.GrauDef()); });
//
// The degree box takes digits and Backspace only; what it holds is kept within 0 to 100 and in
// step with the scroll bar, whose changes raise GrauChanged. The option pictures are the
// "TIP_" resources (TipPicture).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/drawing/Picture.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {

class Registry;

enum IRS_TipoSujeito : int {
  IRS_SujeitoNormal = 0,
  IRS_SujeitoDeficiente = 1,
  IRS_SujeitoDeficienteFA = 2,
};

// An option picture by resource name: "TIP_A", "TIP_B", "TIP_C" (disabled looks) and
// "TIP_A0" ... "TIP_C1" (not selected, selected); an empty surface for any other name.
platform::Surface TipPicture(std::string_view name);

class cTipDefCTLNew : public UserControl {
 public:
  static constexpr int kOptionPixels = 32;  // each option picture is square
  static constexpr int kOptions = 3;

  cTipDefCTLNew(LibraryState& library, platform::Desktop& desktop,
                platform::Window* container = nullptr);
  ~cTipDefCTLNew() override;
  std::string_view ClassName() const override { return "cTipDefCTLNew"; }
  static const MemberTable& Members();

  Event<> Changed;      // the option changed
  Event<> GrauChanged;  // the degree changed

  // --- Properties.
  IRS_TipoSujeito Tipo() const { return m_tipo; }
  // Below 0 selects the first option, above 2 the last; raises Changed.
  void Tipo(int value);
  std::int32_t GrauDef() const { return m_gDef.Value(); }
  // Accepted from 0 to 100 only.
  void GrauDef(std::int32_t value);
  bool ShowGrauDef() const { return m_showGrauDef; }
  void ShowGrauDef(bool value);
  bool Enabled() const { return m_enabled; }
  void Enabled(bool value);
  // Tooltips of the three options (1 to 3) and of the degree field (4).
  const std::string& ToolTip(int number) const { return m_tips.at(number - 1); }
  void ToolTip(int number, std::string text);

  // --- Inner parts, for hosts and tests.
  platform::Label& Option(int index) { return *m_itm.at(index); }
  platform::Label& DegreeLabel() { return m_lblDef; }
  platform::TextBox& DegreeBox() { return m_txtDef; }
  platform::ScrollBar& DegreeScroll() { return m_gDef; }
  // Whether the degree field is shown (ShowGrauDef and a disability option).
  bool DegreeFieldVisible() const { return m_showGrauDef && m_tipo != IRS_SujeitoNormal; }
  // The resource name of the picture option `index` shows now.
  std::string OptionPictureName(int index) const;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void OnResize() override { Layout(); }
  void OnPaint(platform::Canvas& canvas) override;

 private:
  void OptionClicked(int index);
  void ShowDegreeField();
  void Layout();
  // The degree the box's text stands for; empties a text that is not a number.
  int NormalisedBoxValue();
  void ScrollChanged(bool raise);
  void BoxChanged();
  void BoxLeft();
  void WriteBox(int value);

  std::array<std::unique_ptr<platform::Label>, kOptions> m_itm;
  platform::Label m_lblDef{*this, "Grau:"};
  platform::TextBox m_txtDef{*this};
  platform::ScrollBar m_gDef{*this};
  IRS_TipoSujeito m_tipo{IRS_SujeitoNormal};
  bool m_showGrauDef{false};
  bool m_enabled{true};
  bool m_writingBox{false};
  std::array<std::string, 4> m_tips;
};

// Makes "QORVEXCTL.cTipDefCTLNew" creatable by name, on `desktop`.
void RegisterTipDefSelector(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
