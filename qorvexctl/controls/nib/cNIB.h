#pragma once
// The bank account number (NIB) entry field: four text boxes side by side for the bank (4
// digits), the branch (4), the account (11) and the check digits (2), and an indicator after
// them: a green tick (validpic) for a correct number, a red cross (Image1) for a wrong one,
// whose click explains the fault in a message box.
//
// As a box fills up the caret moves on to the next one; Backspace in an empty box goes back to
// the previous one and deletes its last character; entering a box selects its text. When the
// user leaves the field after the account number (19 characters) the check digits are filled
// in. The indicator is brought up to date when the field loses the focus and whenever the
// number reaches its 21 characters, which also raises Changed.
//
//   cNIB field(library, desktop, &form);
//   field.Changed.connect([&] { if (field.Valid()) Save(field.Text()); });
//   field.Text("003501230001234567818");        // fills the four boxes
//
// Nothing filters the keys: a non-digit can be typed and counts 0 in the check.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/widgets/Image.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {

class Registry;
struct MemberTable;

class cNIB : public UserControl {
 public:
  // The boxes and how many characters each takes; the number is their concatenation.
  static constexpr int kBoxCount = 4;
  static constexpr std::array<int, kBoxCount> kBoxLengths{4, 4, 11, 2};
  static constexpr int kNumberLength = 21;
  static constexpr int kIndicatorSize = 16;  // pixels

  cNIB(LibraryState& library, platform::Desktop& desktop, platform::Window* container = nullptr);
  ~cNIB() override;
  std::string_view ClassName() const override { return "cNIB"; }
  // Properties, methods, events and inner parts by name.
  static const MemberTable& Members();

  Event<> Changed;

  // The four boxes concatenated.
  std::string Text() const;
  // Fills the boxes from characters 1-4, 5-8, 9-19 and 20-21; a shorter value empties them.
  void Text(std::string_view value);
  // True when the number has 21 characters and the last box holds its check digits.
  bool Valid() const;
  // The check digits of the first 19 characters of `mynib`; "" for fewer.
  static std::string CalculateCheckDigits(std::string_view mynib);
  using platform::Window::BackColor;
  // The control's background; marks the property changed for saving.
  void BackColor(Colour colour);
  std::uint32_t hwnd() const { return hWnd(); }

  // The inner parts: nib(0) to nib(3), and the two indicator pictures.
  platform::TextBox& nib(int index) { return *m_boxes.at(static_cast<std::size_t>(index)); }
  platform::Image& validpic() { return m_validPicture; }
  platform::Image& Image1() { return m_invalidPicture; }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void OnResize() override;
  void ExitFocus() override { UpdateIndicator(); }

 private:
  void BoxChanged(int index);
  void BoxKeyPress(int index, int& keyAscii);
  void SelectWholeText(int index);
  // Brings the pictures up to date with the number, filling in the check digits after 19.
  void UpdateIndicator();
  void ShowIndicator(bool valid);
  void HideIndicator();
  void ExplainIncorrectNumber();

  std::array<std::unique_ptr<platform::TextBox>, kBoxCount> m_boxes;
  platform::Image m_validPicture{*this};
  platform::Image m_invalidPicture{*this};
};

// Makes "QORVEXCTL.cNIB" creatable through the registry, on `desktop`.
void RegisterNibField(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
