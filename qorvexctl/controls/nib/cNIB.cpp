// cNIB: the four boxes, the caret moving between them, the check digits and the indicator.

#include "qorvexctl/controls/nib/cNIB.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/imaging/PngPicture.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/validation/NibCheckDigits.h"

// resources/nib_valid.png and nib_invalid.png, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_nib_valid_png[];
extern const std::size_t qorvexctl_nib_valid_png_size;
extern const unsigned char qorvexctl_nib_invalid_png[];
extern const std::size_t qorvexctl_nib_invalid_png_size;

namespace qorvexctl {

namespace {

constexpr int kBackspace = 8;
constexpr int kCheckedLength = 19;  // bank, branch and account
constexpr int kLastBox = cNIB::kBoxCount - 1;
constexpr int kGap = 2;       // pixels between the boxes and before the indicator
constexpr int kBoxEdges = 8;  // pixels of a box for its border, margins and caret

std::shared_ptr<platform::Picture> EmbeddedPicture(const unsigned char* bytes, std::size_t size) {
  auto picture = std::make_shared<platform::Picture>();
  if (!DecodePngPicture(std::span<const std::uint8_t>(bytes, size), *picture)) return nullptr;
  return picture;
}

std::size_t CharCount(const platform::TextBox& box) { return Len(box.Text()); }

}  // namespace

cNIB::cNIB(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container) {
  Drawing().ScaleMode(platform::vbPixels);
  for (int index = 0; index < kBoxCount; ++index) {
    auto box = std::make_unique<platform::TextBox>(*this);
    box->Name("nib");
    box->Index(index);
    box->TabIndex(index);
    box->MaxLength(kBoxLengths[static_cast<std::size_t>(index)]);
    box->Change.connect([this, index] { BoxChanged(index); });
    box->KeyPress.connect([this, index](int& keyAscii) { BoxKeyPress(index, keyAscii); });
    box->GotFocus.connect([this, index] { SelectWholeText(index); });
    m_boxes[static_cast<std::size_t>(index)] = std::move(box);
  }
  m_validPicture.Name("validpic");
  m_validPicture.Picture(EmbeddedPicture(qorvexctl_nib_valid_png, qorvexctl_nib_valid_png_size));
  m_invalidPicture.Name("Image1");
  m_invalidPicture.Picture(
      EmbeddedPicture(qorvexctl_nib_invalid_png, qorvexctl_nib_invalid_png_size));
  m_invalidPicture.Click.connect([this] { ExplainIncorrectNumber(); });
  HideIndicator();
  Text("");
}

cNIB::~cNIB() { Terminate(); }

std::string cNIB::Text() const {
  std::string number;
  for (const auto& box : m_boxes) number += box->Text();
  return number;
}

void cNIB::Text(std::string_view value) {
  const bool complete = Len(value) >= static_cast<std::size_t>(kNumberLength);
  std::size_t start = 1;
  for (std::size_t index = 0; index < m_boxes.size(); ++index) {
    const auto length = static_cast<std::size_t>(kBoxLengths[index]);
    m_boxes[index]->Text(complete ? Mid(value, start, length) : std::string());
    start += length;
  }
}

bool cNIB::Valid() const {
  const std::string number = Text();
  if (Len(number) < static_cast<std::size_t>(kNumberLength)) return false;
  return m_boxes[kLastBox]->Text() == CalculateCheckDigits(number);
}

std::string cNIB::CalculateCheckDigits(std::string_view mynib) {
  return qorvexctl::CalculateCheckDigits(mynib);
}

void cNIB::BackColor(Colour colour) {
  UserControl::BackColor(colour);
  PropertyChanged("BackColor");
}

// Typing (or an assignment) changed box `index`: a full box hands the caret on, then the
// length of the whole number decides what the indicator and the host learn.
void cNIB::BoxChanged(int index) {
  platform::TextBox& box = nib(index);
  if (index < kLastBox && box.HasFocus() &&
      CharCount(box) == static_cast<std::size_t>(box.MaxLength())) {
    nib(index + 1).SetFocus();
  }
  const std::size_t length = Len(Text());
  if (length == 0) {
    m_invalidPicture.Visible(false);
    Changed();
  } else if (length == static_cast<std::size_t>(kNumberLength)) {
    UpdateIndicator();
    Changed();
  } else {
    HideIndicator();
  }
}

// Backspace in an empty box goes back to the previous box and deletes its last character.
void cNIB::BoxKeyPress(int index, int& keyAscii) {
  if (keyAscii != kBackspace || index == 0 || !nib(index).Text().empty()) return;
  keyAscii = 0;
  platform::TextBox& previous = nib(index - 1);
  previous.SetFocus();
  GetDesktop().DoEvents();
  const std::size_t length = CharCount(previous);
  if (length == 0) return;
  previous.Text(qorvexctl::Left(previous.Text(), length - 1));
  previous.SelStart(static_cast<int>(length - 1));
}

void cNIB::SelectWholeText(int index) {
  platform::TextBox& box = nib(index);
  box.SelStart(0);
  box.SelLength(static_cast<int>(CharCount(box)));
}

void cNIB::UpdateIndicator() {
  const std::string number = Text();
  const std::size_t length = Len(number);
  if (length == 0) {
    HideIndicator();
  } else if (length == static_cast<std::size_t>(kCheckedLength)) {
    nib(kLastBox).Text(CalculateCheckDigits(number));
    ShowIndicator(Valid());
  } else if (length == static_cast<std::size_t>(kNumberLength)) {
    ShowIndicator(nib(kLastBox).Text() == CalculateCheckDigits(number));
  } else {
    ShowIndicator(false);
  }
}

void cNIB::ShowIndicator(bool valid) {
  m_validPicture.Visible(valid);
  m_invalidPicture.Visible(!valid);
}

void cNIB::HideIndicator() {
  m_validPicture.Visible(false);
  m_invalidPicture.Visible(false);
}

void cNIB::ExplainIncorrectNumber() {
  Library().MessageBoxes().Show({
      "NIB incorrecto",
      "O número de identificação bancário (NIB) não se encontra correcto.\n"
      "Por favor verifique o NIB inserido",
      platform::MessageBoxIcon::Information,
  });
}

// Each box is wide enough for its digits in its font, and the width the indicator leaves over
// goes to the boxes by the characters they take; the two pictures sit on top of each other
// after the boxes, centred in the height.
void cNIB::OnResize() {
  const int height = Bounds().Height();
  std::array<int, kBoxCount> widths{};
  int needed = kIndicatorSize;
  for (std::size_t index = 0; index < m_boxes.size(); ++index) {
    const std::string digits(static_cast<std::size_t>(kBoxLengths[index]), '0');
    widths[index] = kBoxEdges + m_boxes[index]->Font().TextWidth(digits);
    needed += widths[index] + kGap;
  }
  const int spare = std::max(Bounds().Width() - needed, 0);
  int left = 0;
  for (std::size_t index = 0; index < m_boxes.size(); ++index) {
    const int width = widths[index] + spare * kBoxLengths[index] / kNumberLength;
    m_boxes[index]->SetBounds(platform::Rect::FromSize(left, 0, width, std::max(height, 1)));
    left += width + kGap;
  }
  const int top = std::max((height - kIndicatorSize) / 2, 0);
  for (platform::Image* picture : {&m_validPicture, &m_invalidPicture}) {
    picture->SetBounds(platform::Rect::FromSize(left, top, kIndicatorSize, kIndicatorSize));
  }
}

// "BackColor" is read with the current background as its default (an empty stored value
// keeps it) and is always written. Reading it does not mark the form changed.
std::span<const PersistedProperty> cNIB::PersistedProperties() const {
  static const std::array<PersistedProperty, 1> table{
      Persisted<cNIB>(
          "BackColor", Variant(),
          [](cNIB& c, const Variant& v) {
            if (!v.IsEmpty()) c.UserControl::BackColor(static_cast<Colour>(v.ToLong()));
          },
          [](const cNIB& c) { return static_cast<std::int32_t>(c.BackColor()); }),
  };
  return table;
}

void RegisterNibField(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cNIB", [&desktop](LibraryState& library) {
    return std::make_unique<cNIB>(library, desktop);
  });
  registry.Members().Add<cNIB>(cNIB::Members());
}

}  // namespace qorvexctl
