// The euro field's persisted properties (read, written and initial, each in its own order) and
// its member table.

#include <array>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {
namespace {

// A stored bound or multiplier: its text with "," read as the decimal point.
double StoredNumber(const Variant& value) {
  return ReadLeadingNumber(Replace(value.ToString(), ",", ".")).value_or(0);
}

std::int32_t ColourValue(Colour colour) { return static_cast<std::int32_t>(colour); }

// Written without a default: always stored.
const Variant kAlwaysWritten = Variant::Null();

template <class Value>
PersistedProperty WriteOnly(std::string key, Variant defaultValue, Value value) {
  return Persisted<eurbox>(
      std::move(key), std::move(defaultValue), [](eurbox&, const Variant&) {}, value);
}

}  // namespace

void eurbox::ShowCode(const std::string& code) {
  if (code.empty()) return;
  m_label.Caption(code);
  m_label.Visible(true);
  Arrange();
}

// Without a stored value, the user's setting "Simbolo do Euro alinhado à esquerda" decides.
void eurbox::ApplyEuroEsquerda(const Variant& stored) {
  if (!stored.IsEmpty()) {
    EuroEsquerda(stored.ToBoolean());
    return;
  }
  const std::string setting = GetDesktop().Settings().Get(
      "Balverde", "Configuration", "Simbolo do Euro alinhado à esquerda", "0");
  EuroEsquerda(setting == "1");
}

std::span<const PersistedProperty> eurbox::PersistedProperties() const {
  using E = eurbox;
  static const std::array<PersistedProperty, 17> table{
      Persisted<E>(
          "FocusNavEnter", true, [](E& c, const Variant& v) { c.m_navEnter = v.ToBoolean(); },
          [](const E& c) { return c.m_navEnter; }),
      Persisted<E>(
          "FocusNavArrows", false, [](E& c, const Variant& v) { c.m_navArrows = v.ToBoolean(); },
          [](const E& c) { return c.m_navArrows; }),
      Persisted<E>(
          "CampoID", "", [](E& c, const Variant& v) { c.ShowCode(v.ToString()); },
          [](const E& c) { return c.CampoID(); }),
      Persisted<E>(
          "enabled", true,
          [](E& c, const Variant& v) {
            if (!v.ToBoolean()) c.Enabled(false);
          },
          [](const E& c) { return c.Enabled(); }),
      Persisted<E>(
          "FieldType", std::int32_t{0},
          [](E& c, const Variant& v) { c.FieldType(static_cast<fields>(v.ToLong())); },
          [](const E& c) { return static_cast<std::int32_t>(c.FieldType()); }),
      Persisted<E>(
          "backcolor", ColourValue(RGB(128, 128, 255)),
          [](E& c, const Variant& v) { c.m_labelColour = static_cast<Colour>(v.ToLong()); },
          [](const E& c) { return ColourValue(c.m_labelColour); }),
      Persisted<E>(
          "savevar", "", [](E& c, const Variant& v) { c.m_saveVar = v.ToString(); },
          [](const E& c) { return c.m_saveVar; }),
      Persisted<E>(
          "Transparent", false, [](E& c, const Variant& v) { c.Transparent(v.ToBoolean()); },
          [](const E& c) { return c.Transparent(); }),
      Persisted<E>(
          "max", 0.0, [](E& c, const Variant& v) { c.max(StoredNumber(v)); },
          [](const E& c) { return c.max(); }),
      Persisted<E>(
          "min", 0.0, [](E& c, const Variant& v) { c.Min(StoredNumber(v)); },
          [](const E& c) { return c.Min(); }),
      Persisted<E>(
          "Multiplier", "1", [](E& c, const Variant& v) { c.m_mult = StoredNumber(v); },
          [](const E& c) { return c.mult(); }),
      Persisted<E>(
          "Descricao", "", [](E& c, const Variant& v) { c.descricao(v.ToString()); },
          [](const E& c) { return c.m_descriptionTemplate; }),
      Persisted<E>(
          "REWD", true, [](E& c, const Variant& v) { c.m_rewd = v.ToBoolean(); },
          [](const E& c) { return c.m_rewd; }),
      Persisted<E>(
          "Centimos", false, [](E& c, const Variant& v) { c.Centimos(v.ToBoolean()); },
          [](const E& c) { return c.Centimos(); }),
      Persisted<E>(
          "EuroEsquerda", Variant(), [](E& c, const Variant& v) { c.ApplyEuroEsquerda(v); },
          [](const E& c) { return c.EuroEsquerda(); }),
      Persisted<E>(
          "EnableCalculadora", true,
          [](E& c, const Variant& v) { c.EnableCalculadora = v.ToBoolean(); },
          [](const E& c) { return c.EnableCalculadora; }),
      Persisted<E>(
          "RefArtigo", "", [](E& c, const Variant& v) { c.RefArtigo(v.ToString()); },
          [](const E& c) { return c.m_reference; }),
  };
  return table;
}

std::span<const PersistedProperty> eurbox::WrittenProperties() const {
  using E = eurbox;
  const Variant& none = kAlwaysWritten;
  static const std::array<PersistedProperty, 20> table{
      WriteOnly("FocusNavEnter", none, [](const E& c) { return c.m_navEnter; }),
      WriteOnly("FocusNavArrows", none, [](const E& c) { return c.m_navArrows; }),
      WriteOnly("max", 0.0, [](const E& c) { return c.m_max; }),
      WriteOnly("min", 0.0, [](const E& c) { return c.m_min; }),
      WriteOnly("CampoID", "", [](const E& c) { return c.CampoID(); }),
      WriteOnly("enabled", none, [](const E& c) { return c.m_enabled; }),
      WriteOnly("Cur", "€", [](const E& c) { return c.Curr; }),
      WriteOnly("FieldType", std::int32_t{0},
                [](const E& c) { return static_cast<std::int32_t>(c.m_fieldType); }),
      WriteOnly("backcolor", none, [](const E& c) { return ColourValue(c.m_labelColour); }),
      WriteOnly("savevar", "", [](const E& c) { return c.m_saveVar; }),
      WriteOnly("Multiplier", 1.0, [](const E& c) { return c.m_mult; }),
      WriteOnly("REWD", true, [](const E& c) { return c.m_rewd; }),
      WriteOnly("Transparent", false, [](const E& c) { return c.Transparent(); }),
      WriteOnly("Descricao", none, [](const E& c) { return c.m_descriptionTemplate; }),
      WriteOnly("ForceCurrency", none, [](const E& c) { return c.m_forceCurrency; }),
      WriteOnly("Centimos", none, [](const E& c) { return c.Centimos(); }),
      WriteOnly("EuroEsquerda", none, [](const E& c) { return c.EuroEsquerda(); }),
      WriteOnly("RefArtigo", none, [](const E& c) { return c.m_reference; }),
      WriteOnly("RefArtigoLong", none, [](const E& c) { return c.m_articleText; }),
      WriteOnly("EnableCalculadora", none, [](const E& c) { return c.EnableCalculadora; }),
  };
  return table;
}

const MemberTable& eurbox::Members() {
  using E = eurbox;
  using KeyDownEvent = Event<int&, int> E::*;
  using KeyPressEvent = Event<int&> E::*;
  static const MemberTable table =
      MembersOf<E>("eurbox")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "Value", [](const E& c) { return c.Value(); }, [](E& c, double v) { c.Value(v); })
          .Property(
              "VisibleValue", [](const E& c) { return c.VisibleValue(); },
              [](E& c, double v) { c.VisibleValue(v); })
          .Property(
              "Text", [](const E& c) { return c.Text(); }, [](E& c, std::string v) { c.Text(v); })
          .Property(
              "CurrentValue", [](const E& c) { return c.CurrentValue; },
              [](E& c, Currency v) { c.CurrentValue = v; })
          .Property(
              "Curr", [](const E& c) { return c.Curr; },
              [](E& c, std::string v) { c.Curr = std::move(v); })
          .Property(
              "mult", [](const E& c) { return c.mult(); }, [](E& c, double v) { c.mult(v); })
          .Property(
              "mult98", [](const E& c) { return c.mult98(); }, [](E& c, double v) { c.mult98(v); })
          .Property(
              "max", [](const E& c) { return c.max(); }, [](E& c, double v) { c.max(v); })
          .Property(
              "Min", [](const E& c) { return c.Min(); }, [](E& c, double v) { c.Min(v); })
          .Property(
              "max98", [](const E& c) { return c.max98(); }, [](E& c, double v) { c.max98(v); })
          .Property(
              "min98", [](const E& c) { return c.min98(); }, [](E& c, double v) { c.min98(v); })
          .Property(
              "Centimos", [](const E& c) { return c.Centimos(); },
              [](E& c, bool v) { c.Centimos(v); })
          .Property(
              "EuroEsquerda", [](const E& c) { return c.EuroEsquerda(); },
              [](E& c, bool v) { c.EuroEsquerda(v); })
          .Property(
              "AmericanCurrency", [](const E& c) { return c.AmericanCurrency(); },
              [](E& c, bool v) { c.AmericanCurrency(v); })
          .Property(
              "Cur", [](const E& c) { return c.Cur(); }, [](E& c, std::string v) { c.Cur(v); })
          .Property(
              "ForceCurrency", [](const E& c) { return c.ForceCurrency(); },
              [](E& c, std::string v) { c.ForceCurrency(std::move(v)); })
          .Property(
              "REWD", [](const E& c) { return c.REWD(); }, [](E& c, bool v) { c.REWD(v); })
          .Property(
              "Enabled", [](const E& c) { return c.Enabled(); }, [](E& c, bool v) { c.Enabled(v); })
          .Property(
              "Transparent", [](const E& c) { return c.Transparent(); },
              [](E& c, bool v) { c.Transparent(v); })
          .Property(
              "BackGroundColor", [](const E& c) { return c.BackGroundColor(); },
              [](E& c, std::uint32_t v) { c.BackGroundColor(v); })
          .Property(
              "FieldType", [](const E& c) { return c.FieldType(); },
              [](E& c, std::int32_t v) { c.FieldType(static_cast<fields>(v)); })
          .Property(
              "CampoID", [](const E& c) { return c.CampoID(); },
              [](E& c, std::string v) { c.CampoID(v); })
          .Property(
              "SaveVar", [](const E& c) { return c.SaveVar(); },
              [](E& c, std::string v) { c.SaveVar(std::move(v)); })
          .Property(
              "FocusNavEnter", [](const E& c) { return c.FocusNavEnter(); },
              [](E& c, bool v) { c.FocusNavEnter(v); })
          .Property(
              "FocusNavArrows", [](const E& c) { return c.FocusNavArrows(); },
              [](E& c, bool v) { c.FocusNavArrows(v); })
          .Property(
              "EnableCalculadora", [](const E& c) { return c.EnableCalculadora; },
              [](E& c, bool v) { c.EnableCalculadora = v; })
          .Property(
              "ShoppingData", [](const E& c) { return c.ShoppingData; },
              [](E& c, std::string v) { c.ShoppingData = std::move(v); })
          .Property(
              "ExtraSaveVar", [](const E& c) { return c.ExtraSaveVar; },
              [](E& c, std::string v) { c.ExtraSaveVar = std::move(v); })
          .Property(
              "descricao", [](const E& c) { return c.descricao(); },
              [](E& c, std::string v) { c.descricao(std::move(v)); })
          .Property(
              "RefArtigo", [](const E& c) { return c.RefArtigo(); },
              [](E& c, std::string v) { c.RefArtigo(std::move(v)); })
          .Property(
              "RefArtigo2", [](const E& c) { return c.RefArtigo2(); },
              [](E& c, std::string v) { c.RefArtigo2(v); })
          .Method("RealValue", {}, [](E& c) { return c.RealValue(); })
          .Method("RVal", {}, [](E& c) { return c.RVal(); })
          .Method("RVal98", {}, [](E& c) { return c.RVal98(); })
          .Method("FormatText", {}, [](E& c) { c.FormatText(); })
          .Method("TextRefresh", {}, [](E& c) { c.TextRefresh(); })
          .Method("hwnd", {}, [](E& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Method("GotBalloonClass", {}, [](E&) { return E::GotBalloonClass(); })
          .Method("CreateToolTip", {}, [](E& c) { c.CreateToolTip(); })
          .Method("DestroyToolTip", {}, [](E& c) { c.DestroyToolTip(); })
          .Method("SetToolTip2", {"strCaption"}, [](E& c, std::string s) { c.SetToolTip2(s); })
          .Event("ReadVariable", {}, &E::ReadVariable)
          .Event("WriteVariable", {"Variablename", "valor"}, &E::WriteVariable)
          .Event("KeyPress", {"KeyAscii"}, static_cast<KeyPressEvent>(&E::KeyPress))
          .Event("KeyDown", {"KeyCode", "Shift"}, static_cast<KeyDownEvent>(&E::KeyDown))
          .Event("Change", {}, &E::Change)
          .Event("ValueChanged", {}, &E::ValueChanged)
          .Event("ShowInfo", {"ShowDefault", "MessageString"}, &E::ShowInfo)
          .Part("text1", [](E& c, int) -> platform::Window* { return &c.TextBox(); })
          .Part("cid", [](E& c, int) -> platform::Window* { return &c.CodeLabel(); })
          .Part("showcalculadora",
                [](E& c, int) -> platform::Window* { return &c.CalculatorButton(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
