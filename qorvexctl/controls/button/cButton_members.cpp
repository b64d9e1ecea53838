// cButton as hosts and form files see it: the persisted properties in their read order, the
// member table (properties, methods and events by name) and the registration by name.

#include <algorithm>
#include <charconv>
#include <vector>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/imaging/PictureFormats.h"
#include "qorvexctl/platform/drawing/Screenshot.h"

namespace qorvexctl {

namespace {

// A font as one text: face, point size and the FontStyles bits, separated by ";". The size is
// written with "." whatever the locale ("Tahoma;8.25;1"), so a form file reads back anywhere.
std::string FontText(const platform::Font& font) {
  const int style = (font.Bold() ? efbxp_Bold : 0) | (font.Italic() ? efbxp_Italic : 0) |
                    (font.Underline() ? efbxp_Underline : 0);
  char size[32];
  const auto written = std::to_chars(size, size + sizeof size, font.PointSize());
  return font.Face() + ";" + std::string(size, written.ptr) + ";" + std::to_string(style);
}

// A point size written with "." or, as files from a Portuguese system once had it, ",".
std::optional<double> PointSizeOfText(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  double size = 0;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), size);
  if (read.ec != std::errc{} || read.ptr != text.data() + text.size()) return std::nullopt;
  return size;
}

std::optional<platform::Font> FontOfText(std::string_view text) {
  const std::size_t first = text.find(';');
  const std::size_t second = text.find(';', first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
  platform::Font font(std::string(text.substr(0, first)));
  int style = 0;
  const auto size = PointSizeOfText(std::string(text.substr(first + 1, second - first - 1)));
  const std::string_view styleText = text.substr(second + 1);
  if (!size || std::from_chars(styleText.data(), styleText.data() + styleText.size(), style).ec !=
                   std::errc{}) {
    return std::nullopt;
  }
  font.PointSize(*size);
  font.Bold((style & efbxp_Bold) != 0);
  font.Italic((style & efbxp_Italic) != 0);
  font.Underline((style & efbxp_Underline) != 0);
  return font;
}

// Pictures are stored as the bytes of a PNG file; no picture is stored as nothing.
Variant StoredPicture(const std::shared_ptr<platform::Picture>& picture) {
  if (!picture || picture->IsEmpty()) return Variant();
  return Variant(platform::EncodePng(picture->Pixels()));
}

std::shared_ptr<platform::Picture> PictureOf(const Variant& v) {
  if (v.Type() != VarType::ByteArray) return nullptr;
  platform::Picture picture = PictureFormats().Load(v.ToBytes());
  if (picture.IsEmpty()) return nullptr;
  return std::make_shared<platform::Picture>(std::move(picture));
}

Colour ColourOf(const Variant& v) { return static_cast<Colour>(v.ToLong()); }
std::int32_t Stored(Colour c) { return static_cast<std::int32_t>(c); }

template <class E>
bool InRange(const Variant& v, E last, E& out) {
  const std::int32_t value = v.ToLong();
  if (value < 0 || value > static_cast<std::int32_t>(last)) return false;
  out = static_cast<E>(value);
  return true;
}

// The window's own events seen as cButton members.
template <class... A>
constexpr auto Own(Event<A...> platform::Control::*event) {
  return static_cast<Event<A...> cButton::*>(event);
}

// A default taken from the container when the control is placed (Empty in the table).
const Variant kFromContainer{};

}  // namespace

// Direct access for the property passes: stored values are taken as they are (a custom shape
// is read before its picture), and PropertiesLoaded settles the group, shape and drawing.
struct cButtonProperties {
  static std::vector<PersistedProperty> Table();
};

std::vector<PersistedProperty> cButtonProperties::Table() {
  using B = cButton;
  return {
      Persisted<B>(
          "Caption", kFromContainer,
          [](B& b, const Variant& v) {
            b.m_caption.clear();
            b.Caption(v.IsEmpty() ? b.Ambient().DisplayName : v.ToString());
          },
          [](const B& b) { return b.Caption(); }),
      Persisted<B>(
          "CapAlign", std::int32_t{2},
          [](B& b, const Variant& v) { InRange(v, 2, b.m_captionAlign); },
          [](const B& b) { return std::int32_t{b.m_captionAlign}; }),
      Persisted<B>(
          "BackStyle", std::int32_t{efbxp_XP},
          [](B& b, const Variant& v) { InRange(v, efbxp_Macintosh, b.m_look); },
          [](const B& b) { return std::int32_t{b.m_look}; }),
      Persisted<B>(
          "Shape", std::int32_t{efbxp_Rectangular},
          [](B& b, const Variant& v) { InRange(v, efbxp_Custom3DBorder, b.m_shape); },
          [](const B& b) { return std::int32_t{b.m_shape}; }),
      Persisted<B>(
          "GotGradient", std::int32_t{efbxp_NoGradient},
          [](B& b, const Variant& v) { InRange(v, efbxp_Bottom2Top, b.m_gradientMode); },
          [](const B& b) { return std::int32_t{b.m_gradientMode}; }),
      Persisted<B>(
          "cGradientColor", Stored(0x8000000Fu),
          [](B& b, const Variant& v) { b.m_gradientColour = ColourOf(v); },
          [](const B& b) { return Stored(b.m_gradientColour); }),
      Persisted<B>(
          "cForecolor", Stored(0x80000012u),
          [](B& b, const Variant& v) { b.platform::Window::ForeColor(ColourOf(v)); },
          [](const B& b) { return Stored(b.ForeColor()); }),
      Persisted<B>(
          "Font", kFromContainer,
          [](B& b, const Variant& v) {
            const auto font =
                v.IsEmpty() ? std::optional(b.Ambient().Font) : FontOfText(v.ToString());
            if (font) b.platform::Window::Font(*font);
          },
          [](const B& b) { return FontText(b.Font()); }),
      Persisted<B>(
          "ShowFocus", true, [](B& b, const Variant& v) { b.m_showFocusRect = v.ToBoolean(); },
          [](const B& b) { return b.m_showFocusRect; }),
      Persisted<B>(
          "Mode", std::int32_t{efbxp_CommandButton},
          [](B& b, const Variant& v) { InRange(v, efbxp_OptionButton, b.m_mode); },
          [](const B& b) { return std::int32_t{b.m_mode}; }),
      Persisted<B>(
          "Value", false,
          [](B& b, const Variant& v) {
            b.m_value = v.ToBoolean() && b.m_mode != efbxp_CommandButton;
          },
          [](const B& b) { return b.m_value; }),
      Persisted<B>(
          "CustomClick", std::int32_t{efbxp_cDefault},
          [](B& b, const Variant& v) { InRange(v, efbxp_cWest, b.m_customClick); },
          [](const B& b) { return std::int32_t{b.m_customClick}; }),
      Persisted<B>(
          "Picture", Variant(), [](B& b, const Variant& v) { b.m_picture = PictureOf(v); },
          [](const B& b) { return StoredPicture(b.m_picture); }),
      Persisted<B>(
          "ImgSize", std::int32_t{16},
          [](B& b, const Variant& v) {
            const std::int32_t pixels = v.ToLong();
            if (pixels % 8 == 0 && pixels >= 16 && pixels <= 48) b.m_imageSizePixels = pixels;
          },
          [](const B& b) { return std::int32_t{b.m_imageSizePixels}; }),
      Persisted<B>(
          "ImgAlign", std::int32_t{efbxp_LeftEdge},
          [](B& b, const Variant& v) { InRange(v, efbxp_BottomCenter, b.m_pictureAlign); },
          [](const B& b) { return std::int32_t{b.m_pictureAlign}; }),
      Persisted<B>(
          "cFHovercolor", Stored(0x80000012u),
          [](B& b, const Variant& v) { b.m_hoverFore = ColourOf(v); },
          [](const B& b) { return Stored(b.m_hoverFore); }),
      Persisted<B>(
          "Enabled", true,
          [](B& b, const Variant& v) { b.platform::Window::Enabled(v.ToBoolean()); },
          [](const B& b) { return b.Enabled(); }),
      Persisted<B>(
          "cBackColor", kFromContainer,
          [](B& b, const Variant& v) {
            b.platform::Window::BackColor(v.IsEmpty() ? b.Ambient().BackColor : ColourOf(v));
          },
          [](const B& b) { return Stored(b.BackColor()); }),
      Persisted<B>(
          "cBHovercolor", kFromContainer,
          [](B& b, const Variant& v) { b.m_hoverBack = v.IsEmpty() ? b.BackColor() : ColourOf(v); },
          [](const B& b) { return Stored(b.m_hoverBack); }),
      Persisted<B>(
          "LockHoverType", std::int32_t{efbxp_LockTextandBackColor},
          [](B& b, const Variant& v) { InRange(v, efbxp_NoLocks, b.m_hoverLocks); },
          [](const B& b) { return std::int32_t{b.m_hoverLocks}; }),
      Persisted<B>(
          "CaptionStyle", std::int32_t{efbxp_Default},
          [](B& b, const Variant& v) { InRange(v, efbxp_Raised, b.m_captionStyle); },
          [](const B& b) { return std::int32_t{b.m_captionStyle}; }),
      Persisted<B>(
          "mIcon", Variant(), [](B& b, const Variant& v) { b.MouseIcon(PictureOf(v)); },
          [](const B& b) { return StoredPicture(b.MouseIcon()); }),
      Persisted<B>(
          "mPointer", std::int32_t{0}, [](B& b, const Variant& v) { b.MousePointer(v.ToLong()); },
          [](const B& b) { return std::int32_t{b.MousePointer()}; }),
      Persisted<B>(
          "Tip", "", [](B& b, const Variant& v) { b.m_tooltip = v.ToString(); },
          [](const B& b) { return b.m_tooltip; }),
  };
}

std::span<const PersistedProperty> cButton::PersistedProperties() const {
  static const std::vector<PersistedProperty> table = cButtonProperties::Table();
  return table;
}

void cButton::PropertiesLoaded() {
  if (m_mode == efbxp_OptionButton) JoinGroup();
  if (IsCustomShape(m_shape) && !m_picture) m_shape = efbxp_Rectangular;
  UpdateShape();
  Redraw();
}

const MemberTable& cButton::Members() {
  using B = cButton;
  static const MemberTable table =
      MembersOf<B>("cButton")
          .Property(
              "ButtonStyle", [](const B& b) { return b.ButtonStyle(); },
              [](B& b, std::int32_t v) { b.ButtonStyle(static_cast<BackStyleConstants>(v)); })
          .Property(
              "Mode", [](const B& b) { return b.Mode(); },
              [](B& b, std::int32_t v) { b.Mode(static_cast<ButtonModeConstants>(v)); })
          .Property(
              "Caption", [](const B& b) { return b.Caption(); },
              [](B& b, std::string v) { b.Caption(v); })
          .Property(
              "CaptionAlign", [](const B& b) { return std::int32_t{b.CaptionAlign()}; },
              [](B& b, std::int32_t v) { b.CaptionAlign(v); })
          .Property(
              "CaptionStyle", [](const B& b) { return b.CaptionStyle(); },
              [](B& b, std::int32_t v) { b.CaptionStyle(static_cast<CaptionEffectConstants>(v)); })
          .Property(
              "CustomClick", [](const B& b) { return b.CustomClick(); },
              [](B& b, std::int32_t v) { b.CustomClick(static_cast<CustomCickConstants>(v)); })
          .Property(
              "ButtonShape", [](const B& b) { return b.ButtonShape(); },
              [](B& b, std::int32_t v) { b.ButtonShape(static_cast<ButtonStyleConstants>(v)); })
          .Property(
              "PictureAlign", [](const B& b) { return b.PictureAlign(); },
              [](B& b, std::int32_t v) { b.PictureAlign(static_cast<ImagePlacementConstants>(v)); })
          .Property(
              "Enabled", [](const B& b) { return b.Enabled(); }, [](B& b, bool v) { b.Enabled(v); })
          .Property(
              "ShowFocusRect", [](const B& b) { return b.ShowFocusRect(); },
              [](B& b, bool v) { b.ShowFocusRect(v); })
          .Property(
              "Value", [](const B& b) { return b.Value(); }, [](B& b, bool v) { b.Value(v); })
          .Property(
              "PictureSize", [](const B& b) { return b.PictureSize(); },
              [](B& b, std::int32_t v) { b.PictureSize(static_cast<ImageSizeConstants>(v)); })
          .Property(
              "MousePointer", [](const B& b) { return std::int32_t{b.MousePointer()}; },
              [](B& b, std::int32_t v) { b.MousePointer(v); })
          .Property(
              "Font", [](const B& b) { return b.Font().Face(); },
              [](B& b, std::string face) {
                platform::Font font = b.Font();
                font.Face(face);
                b.Font(font);
              })
          .Property(
              "FontStyle", [](const B& b) { return b.FontStyle(); },
              [](B& b, std::int32_t v) { b.FontStyle(static_cast<FontStyles>(v)); })
          .Property(
              "ForeColor", [](const B& b) { return b.ForeColor(); },
              [](B& b, std::uint32_t v) { b.ForeColor(v); })
          .Property(
              "BackColor", [](const B& b) { return b.BackColor(); },
              [](B& b, std::uint32_t v) { b.BackColor(v); })
          .Property(
              "GradientColor", [](const B& b) { return b.GradientColor(); },
              [](B& b, std::uint32_t v) { b.GradientColor(v); })
          .Property(
              "GradientMode", [](const B& b) { return b.GradientMode(); },
              [](B& b, std::int32_t v) { b.GradientMode(static_cast<GradientConstants>(v)); })
          .Property(
              "ResetDefaultColors", [](const B& b) { return b.ResetDefaultColors(); },
              [](B& b, bool v) { b.ResetDefaultColors(v); })
          .Property(
              "HoverColorLocks", [](const B& b) { return b.HoverColorLocks(); },
              [](B& b, std::int32_t v) { b.HoverColorLocks(static_cast<HoverLockConstants>(v)); })
          .Property(
              "HoverForeColor", [](const B& b) { return b.HoverForeColor(); },
              [](B& b, std::uint32_t v) { b.HoverForeColor(v); })
          .Property(
              "HoverBackColor", [](const B& b) { return b.HoverBackColor(); },
              [](B& b, std::uint32_t v) { b.HoverBackColor(v); })
          .Property("hwnd", [](const B& b) { return static_cast<std::int32_t>(b.hwnd()); })
          .Property(
              "Tooltip", [](const B& b) { return b.Tooltip(); },
              [](B& b, std::string v) { b.Tooltip(std::move(v)); })
          .Method("Refresh", {}, [](B& b) { b.Refresh(); })
          .Method("DelayDrawing", {"bDelay"}, [](B& b, bool delay) { b.DelayDrawing(delay); })
          .Event("MouseDown", {"Button", "Shift", "x", "y"}, Own(&B::MouseDown))
          .Event("MouseUp", {"Button", "Shift", "x", "y"}, Own(&B::MouseUp))
          .Event("MouseMove", {"Button", "Shift", "x", "y"}, Own(&B::MouseMove))
          .Event("KeyDown", {"KeyCode", "Shift"}, Own(&B::KeyDown))
          .Event("KeyPress", {"KeyAscii"}, Own(&B::KeyPress))
          .Event("KeyUp", {"KeyCode", "Shift"}, Own(&B::KeyUp))
          .Event("MouseOnButton", {"OnButton"}, &B::MouseOnButton)
          .Event("Click", {}, Own(&B::Click))
          .Event("DoubleClick", {"Button"}, &B::DoubleClick)
          .Build();
  return table;
}

}  // namespace qorvexctl
