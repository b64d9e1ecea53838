#pragma once
// The amount field's pop-up adding machine: a display with the pending operator, digit,
// operator, memory and percentage buttons, and a paper tape (a three-column list view) of the
// operations entered, evaluated left to right. Confirming (F1 or the OK button) raises
// SetValue with the tape total and hides the window; two resets within a quarter of a second
// (Esc Esc) hide it without confirming.
//
//   calcForm calculator(library, desktop);
//   calculator.Value(Currency::FromInteger(50));
//   calculator.ActionOpMult();                       // 50 with "x" pending
//   calculator.SetValue.connect([&](Currency v) { field.Value(v.ToDouble()); });
//   calculator.ShowModal();
//
// Keys and buttons: calcForm_keys.cpp; clipboard, animation and menus: calcForm_extras.cpp;
// the member table: calcForm_members.cpp; the arithmetic: CalcTape.h.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/controls/amount/AmountCalculator.h"
#include "qorvexctl/controls/amount/CalcTape.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ListView.h"

namespace qorvexctl {

class LibraryState;
class Registry;
class cButton;

// Window widths with the tape hidden and shown (twips).
inline constexpr int kCalcNarrowWidth = 2025;
inline constexpr int kCalcWideWidth = 5100;
// The key-down colour of a button, RGB(239,160,11), and the button face it returns to.
inline constexpr Colour kCalcKeyColour = 762095;
inline constexpr Colour kCalcButtonFace = 0x8000000Fu;

class calcForm : public platform::Form, public AmountCalculator {
 public:
  calcForm(LibraryState& library, platform::Desktop& desktop);
  ~calcForm() override;
  std::string TypeName() const override { return "calcForm"; }
  static const MemberTable& Members();

  // --- AmountCalculator.
  void Value(Currency amount) override;
  std::string List() const override { return m_tape.Joined(); }
  void List(const std::string& lines) override;
  bool ListMemory() const override { return optListMem.Value() != 0; }
  void ListMemory(bool on) override { optListMem.Value(on ? 1 : 0); }
  void ActionOpMult() override { OperatorKey(std::string(kCalcMultiply)); }
  void ActionOpDiv() override { OperatorKey(std::string(kCalcDivide)); }
  void ShowModal() override { Show(platform::vbModal); }

  // The tape total when the tape has lines, else the display read as an amount.
  Currency Value() const;
  void ActionC() { Reset(); }
  void ActionCE() { ClearEntry(); }
  void ActionMAdd() { MemoryAdd(1); }
  void ActionMSub() { MemoryAdd(-1); }
  void ActionMR();
  void ActionMC();
  void ActionOpAdd() { OperatorKey(std::string(kCalcAdd)); }
  void ActionOpSub() { OperatorKey(std::string(kCalcSubtract)); }
  void Equals();
  void Confirm();
  // A digit, ",", "%" or "<" (Backspace) typed into the entry.
  void EnterCharacter(char32_t character);
  void OperatorKey(const std::string& op);
  void ToggleList();
  bool Confirmed() const { return m_confirmed; }

  // What the window shows, for hosts and tests.
  std::string DisplayText() const { return Display.Caption(); }
  // The pending operator, "" when none is shown.
  std::string PendingOperator() const { return opLabel.Visible() ? opLabel.Caption() : ""; }
  Currency Memory() const;
  const CalcTape& Tape() const { return m_tape; }

  // The parts, under the names the window gives them.
  platform::Label& Display;
  platform::Label& opLabel;
  platform::Label& sfinal;
  platform::Label& memLabel;
  platform::Label& eLabel;
  platform::Label& lblList;
  platform::ListView& cList;
  platform::CheckBox& optEuro;
  platform::CheckBox& optPercent;
  platform::CheckBox& optListMem;
  platform::CommandButton& dummyEqual;
  cButton& btNum(int index) const { return *m_digits.at(static_cast<std::size_t>(index)); }
  cButton& btOp(int index) const { return *m_operators.at(static_cast<std::size_t>(index)); }
  cButton& btMem(int index) const { return *m_memoryKeys.at(static_cast<std::size_t>(index)); }
  cButton& btPoint() const { return *m_point; }
  cButton& btPercent() const { return *m_percent; }
  cButton& btEqual() const { return *m_equal; }
  cButton& btCE() const { return *m_clearEntry; }
  cButton& btReset() const { return *m_reset; }
  cButton& btOK() const { return *m_ok; }
  cButton& btList() const { return *m_list; }

  // --- Extras (calcForm_extras.cpp).
  // The display's right-click menu: copy, and paste when the clipboard holds a number.
  void DisplayMenu();
  // The tape caption's menu: the whole tape as text, one line per item, tab-separated.
  void TapeMenu();
  std::string TapeAsText() const;
  // The display's double-click animation.
  void Animate();

 private:
  // Construction and layout.
  void BuildDisplay();
  void BuildTape();
  void BuildOptions();
  void BuildButtons();
  cButton& AddButton(const std::string& name, int index, const std::string& caption, int left,
                     int top, int width = 28);
  void LoadWindow();
  // Keys and buttons (calcForm_keys.cpp).
  void ConnectButtons();
  void Clicked(cButton& button, std::function<void()> action);
  void OnKeyDown(int& keyCode, int shift) override;
  void OnKeyPress(int& keyAscii) override;
  void OnKeyUp(int& keyCode, int shift) override;
  cButton* ButtonOfKey(int keyCode) const;
  cButton* ButtonOfCharacter(char32_t character) const;
  bool CharacterKey(int keyAscii);
  void Flash(cButton& button);

  // The calculator's steps.
  void ShowDisplay(const std::string& text);
  void ShowTotal();
  std::string Written(Currency amount) const;
  void Reset();
  void ClearEntry();
  void MemoryAdd(int sign);
  void AddLine(const std::string& op, const std::string& text);
  // Re-evaluates and redraws the tape; false (after the error signal) when evaluation failed.
  bool Reevaluate();
  void ErrorSignal();
  void SetPending(const std::string& op);
  void OptionClicked();
  void SaveOptions();
  const Locale& SystemLocale() const;

  LibraryState& m_library;
  std::vector<std::shared_ptr<cButton>> m_buttons;
  std::vector<cButton*> m_digits;
  std::vector<cButton*> m_operators;
  std::vector<cButton*> m_memoryKeys;
  cButton* m_point{nullptr};
  cButton* m_percent{nullptr};
  cButton* m_equal{nullptr};
  cButton* m_clearEntry{nullptr};
  cButton* m_reset{nullptr};
  cButton* m_ok{nullptr};
  cButton* m_list{nullptr};
  platform::Menu m_displayMenu{"mnuDisplay"};
  platform::Menu m_tapeMenu{"mnuTape"};
  std::map<int, cButton*> m_keyButtons;  // the button each held key coloured
  CalcTape m_tape;
  std::string m_pending;
  bool m_confirmed{false};
  bool m_loadingOptions{false};
};

// Adds the calculator's member table to the registry's directory.
void RegisterCalculator(Registry& registry);

}  // namespace qorvexctl
