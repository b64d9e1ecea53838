#include "qorvexctl/frame/IntrinsicControls.h"

#include <algorithm>
#include <cstdint>
#include <exception>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Image.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/Line.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/PictureBox.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/Shape.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {
namespace {

using platform::Window;

// A property of control type T: `apply(T&, const Variant&)` sets it, `value(const T&)` reads it
// as anything a Variant is made of.
template <class T, class Apply, class Value>
IntrinsicProperty Kept(std::string key, Apply apply, Value value) {
  return IntrinsicProperty{
      std::move(key), [apply](Window& w, const Variant& v) { apply(static_cast<T&>(w), v); },
      [value](const Window& w) { return Variant(value(static_cast<const T&>(w))); }};
}

Variant ColourValue(Colour colour) { return Variant(static_cast<std::int32_t>(colour)); }
Colour ToColour(const Variant& v) { return static_cast<Colour>(v.ToLong()); }

// A part of the window's font: `change(Font&, const Variant&)` and `part(const Font&)`.
template <class Change, class Part>
IntrinsicProperty FontPart(std::string key, Change change, Part part) {
  return Kept<Window>(
      std::move(key),
      [change](Window& w, const Variant& v) {
        platform::Font font = w.Font();
        change(font, v);
        w.Font(font);
      },
      [part](const Window& w) { return part(w.Font()); });
}

IntrinsicProperties FontProperties() {
  using platform::Font;
  return {
      FontPart(
          "FontName", [](Font& f, const Variant& v) { f.Face(v.ToString()); },
          [](const Font& f) { return f.Face(); }),
      FontPart(
          "FontSize", [](Font& f, const Variant& v) { f.PointSize(v.ToDouble()); },
          [](const Font& f) { return f.PointSize(); }),
      FontPart(
          "FontBold", [](Font& f, const Variant& v) { f.Bold(v.ToBoolean()); },
          [](const Font& f) { return f.Bold(); }),
      FontPart(
          "FontItalic", [](Font& f, const Variant& v) { f.Italic(v.ToBoolean()); },
          [](const Font& f) { return f.Italic(); }),
      FontPart(
          "FontUnderline", [](Font& f, const Variant& v) { f.Underline(v.ToBoolean()); },
          [](const Font& f) { return f.Underline(); }),
      FontPart(
          "FontStrikethru", [](Font& f, const Variant& v) { f.Strikethrough(v.ToBoolean()); },
          [](const Font& f) { return f.Strikethrough(); }),
  };
}

IntrinsicProperties ColourProperties() {
  return {
      Kept<Window>(
          "BackColor", [](Window& w, const Variant& v) { w.BackColor(ToColour(v)); },
          [](const Window& w) { return ColourValue(w.BackColor()); }),
      Kept<Window>(
          "ForeColor", [](Window& w, const Variant& v) { w.ForeColor(ToColour(v)); },
          [](const Window& w) { return ColourValue(w.ForeColor()); }),
  };
}

IntrinsicProperties Join(std::initializer_list<IntrinsicProperties> parts) {
  IntrinsicProperties all;
  for (const IntrinsicProperties& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The caption of a control type that has one.
template <class T>
IntrinsicProperty Caption() {
  return Kept<T>(
      "Caption", [](T& c, const Variant& v) { c.Caption(v.ToString()); },
      [](const T& c) { return c.Caption(); });
}

// An integer property of T read and written through `get` and `set` members.
template <class T>
IntrinsicProperty Number(std::string key, int (T::*get)() const, void (T::*set)(int)) {
  return Kept<T>(
      std::move(key), [set](T& c, const Variant& v) { (c.*set)(v.ToLong()); },
      [get](const T& c) { return (c.*get)(); });
}

template <class T>
IntrinsicProperty Flag(std::string key, bool (T::*get)() const, void (T::*set)(bool)) {
  return Kept<T>(
      std::move(key), [set](T& c, const Variant& v) { (c.*set)(v.ToBoolean()); },
      [get](const T& c) { return (c.*get)(); });
}

template <class T>
IntrinsicProperty ColourOf(std::string key, Colour (T::*get)() const, void (T::*set)(Colour)) {
  return Kept<T>(
      std::move(key), [set](T& c, const Variant& v) { (c.*set)(ToColour(v)); },
      [get](const T& c) { return ColourValue((c.*get)()); });
}

IntrinsicProperties TextBoxProperties() {
  using platform::TextBox;
  return {
      Flag<TextBox>("MultiLine", &TextBox::MultiLine, &TextBox::MultiLine),
      Number<TextBox>("ScrollBars", &TextBox::ScrollBars, &TextBox::ScrollBars),
      Number<TextBox>("BorderStyle", &TextBox::BorderStyle, &TextBox::BorderStyle),
      Number<TextBox>("Alignment", &TextBox::Alignment, &TextBox::Alignment),
      Flag<TextBox>("Locked", &TextBox::Locked, &TextBox::Locked),
      Number<TextBox>("MaxLength", &TextBox::MaxLength, &TextBox::MaxLength),
      Kept<TextBox>(
          "Text", [](TextBox& t, const Variant& v) { t.Text(v.ToString()); },
          [](const TextBox& t) { return t.Text(); }),
  };
}

IntrinsicProperties LabelProperties() {
  using platform::Label;
  return {
      Caption<Label>(),
      Number<Label>("Alignment", &Label::Alignment, &Label::Alignment),
      Number<Label>("BackStyle", &Label::BackStyle, &Label::BackStyle),
      Number<Label>("BorderStyle", &Label::BorderStyle, &Label::BorderStyle),
      Flag<Label>("WordWrap", &Label::WordWrap, &Label::WordWrap),
      Flag<Label>("UseMnemonic", &Label::UseMnemonic, &Label::UseMnemonic),
      Flag<Label>("AutoSize", &Label::AutoSize, &Label::AutoSize),
  };
}

IntrinsicProperties ShapeProperties() {
  using platform::Shape;
  return {
      Number<Shape>("Shape", &Shape::ShapeKind, &Shape::ShapeKind),
      ColourOf<Shape>("BorderColor", &Shape::BorderColor, &Shape::BorderColor),
      Number<Shape>("BorderWidth", &Shape::BorderWidth, &Shape::BorderWidth),
      Number<Shape>("BorderStyle", &Shape::BorderStyle, &Shape::BorderStyle),
      ColourOf<Shape>("FillColor", &Shape::FillColor, &Shape::FillColor),
      Number<Shape>("FillStyle", &Shape::FillStyle, &Shape::FillStyle),
      Number<Shape>("BackStyle", &Shape::BackStyle, &Shape::BackStyle),
  };
}

// One end coordinate of a line, in twips: `which` 0..3 for X1, Y1, X2, Y2.
IntrinsicProperty LineEnd(std::string key, int which) {
  using platform::Line;
  return Kept<Line>(
      std::move(key),
      [which](Line& l, const Variant& v) {
        double points[] = {l.X1(), l.Y1(), l.X2(), l.Y2()};
        points[which] = v.ToDouble();
        l.SetPoints(points[0], points[1], points[2], points[3]);
      },
      [which](const Line& l) {
        const double points[] = {l.X1(), l.Y1(), l.X2(), l.Y2()};
        return points[which];
      });
}

IntrinsicProperties LineProperties() {
  using platform::Line;
  return {
      LineEnd("X1", 0),
      LineEnd("Y1", 1),
      LineEnd("X2", 2),
      LineEnd("Y2", 3),
      ColourOf<Line>("BorderColor", &Line::BorderColor, &Line::BorderColor),
      Number<Line>("BorderWidth", &Line::BorderWidth, &Line::BorderWidth),
  };
}

IntrinsicProperties ScrollBarProperties() {
  using platform::ScrollBar;
  return {
      Number<ScrollBar>("Min", &ScrollBar::Min, &ScrollBar::Min),
      Number<ScrollBar>("Max", &ScrollBar::Max, &ScrollBar::Max),
      Number<ScrollBar>("SmallChange", &ScrollBar::SmallChange, &ScrollBar::SmallChange),
      Number<ScrollBar>("LargeChange", &ScrollBar::LargeChange, &ScrollBar::LargeChange),
      Number<ScrollBar>("Value", &ScrollBar::Value, &ScrollBar::Value),
  };
}

// The column headers of a list view as one text: a line per column, "caption;width in twips".
std::string ColumnsText(const platform::ListView& list) {
  std::string text;
  for (const platform::ColumnHeader* column : list.Columns()) {
    text += column->Text() + ";" + std::to_string(column->Width()) + "\n";
  }
  return text;
}

void ApplyColumnsText(platform::ListView& list, std::string_view text) {
  list.ClearColumns();
  for (const std::string& line : Split(text, "\n")) {
    const auto separator = line.rfind(';');
    if (separator == std::string::npos) continue;
    const std::string width = line.substr(separator + 1);
    list.AddColumn(line.substr(0, separator), width.empty() ? 0 : std::stoi(width));
  }
}

IntrinsicProperties ListViewProperties() {
  using platform::ListView;
  return {
      Kept<ListView>(
          "ColumnHeaders", [](ListView& l, const Variant& v) { ApplyColumnsText(l, v.ToString()); },
          [](const ListView& l) { return ColumnsText(l); }),
      Number<ListView>("SortKey", &ListView::SortKey, &ListView::SortKey),
      Number<ListView>("SortOrder", &ListView::SortOrder, &ListView::SortOrder),
      Flag<ListView>("Sorted", &ListView::Sorted, &ListView::Sorted),
      Flag<ListView>("FullRowSelect", &ListView::FullRowSelect, &ListView::FullRowSelect),
      Flag<ListView>("HideSelection", &ListView::HideSelection, &ListView::HideSelection),
  };
}

// A scroll bar of one orientation, under its classic type name.
IntrinsicType ScrollBarType(std::string name, platform::ScrollBarOrientation orientation) {
  return IntrinsicType{std::move(name),
                       [orientation](Window& container) {
                         return std::make_unique<platform::ScrollBar>(container, orientation);
                       },
                       Join({IntrinsicControls::WindowProperties(), ScrollBarProperties()}), false};
}

// The type T made on a container, with the window properties and `own` ones.
template <class T>
IntrinsicType TypeOf(std::string name, IntrinsicProperties own, bool holdsControls = false) {
  return IntrinsicType{std::move(name),
                       [](Window& container) { return std::make_unique<T>(container); },
                       Join({IntrinsicControls::WindowProperties(), own}), holdsControls};
}

}  // namespace

IntrinsicProperties IntrinsicControls::WindowProperties() {
  IntrinsicProperties common = {
      Kept<Window>(
          "Visible", [](Window& w, const Variant& v) { w.Visible(v.ToBoolean()); },
          [](const Window& w) { return w.Visible(); }),
      Kept<Window>(
          "Enabled", [](Window& w, const Variant& v) { w.Enabled(v.ToBoolean()); },
          [](const Window& w) { return w.Enabled(); }),
      Number<Window>("TabIndex", &Window::TabIndex, &Window::TabIndex),
      Flag<Window>("TabStop", &Window::TabStop, &Window::TabStop),
      Number<Window>("MousePointer", &Window::MousePointer, &Window::MousePointer),
      Kept<Window>(
          "Tag", [](Window& w, const Variant& v) { w.Tag(v.ToString()); },
          [](const Window& w) { return w.Tag(); }),
      Kept<Window>(
          "ToolTipText", [](Window& w, const Variant& v) { w.ToolTipText(v.ToString()); },
          [](const Window& w) { return w.ToolTipText(); }),
  };
  return Join({common, ColourProperties(), FontProperties()});
}

IntrinsicProperties IntrinsicControls::FormProperties() {
  using platform::Form;
  const auto twips = [](std::string key, int (Window::*get)() const, void (Window::*set)(double)) {
    return Kept<Window>(
        std::move(key), [set](Window& w, const Variant& v) { (w.*set)(v.ToDouble()); },
        [get](const Window& w) { return (w.*get)(); });
  };
  return Join(
      {{Caption<Form>(), Flag<Form>("KeyPreview", &Form::KeyPreview, &Form::KeyPreview),
        Number<Form>("BorderStyle", &Form::BorderStyle, &Form::BorderStyle),
        twips("Left", &Window::Left, &Window::Left), twips("Top", &Window::Top, &Window::Top),
        twips("Width", &Window::Width, &Window::Width),
        twips("Height", &Window::Height, &Window::Height),
        Kept<Window>(
            "Tag", [](Window& w, const Variant& v) { w.Tag(v.ToString()); },
            [](const Window& w) { return w.Tag(); })},
       ColourProperties(),
       FontProperties()});
}

IntrinsicControls IntrinsicControls::Standard() {
  using namespace platform;
  IntrinsicControls types;
  types.Register(TypeOf<TextBox>("TextBox", TextBoxProperties()));
  types.Register(TypeOf<Label>("Label", LabelProperties()));
  types.Register(TypeOf<platform::Frame>("Frame", {Caption<platform::Frame>()}, true));
  types.Register(TypeOf<CommandButton>(
      "CommandButton",
      {Caption<CommandButton>(),
       Flag<CommandButton>("Default", &CommandButton::Default, &CommandButton::Default),
       Flag<CommandButton>("Cancel", &CommandButton::Cancel, &CommandButton::Cancel)}));
  types.Register(TypeOf<CheckBox>(
      "CheckBox",
      {Caption<CheckBox>(), Number<CheckBox>("Value", &CheckBox::Value, &CheckBox::Value)}));
  types.Register(TypeOf<PictureBox>(
      "PictureBox",
      {Number<PictureBox>("BorderStyle", &PictureBox::BorderStyle, &PictureBox::BorderStyle),
       Number<PictureBox>("ScaleMode", &PictureBox::ScaleMode, &PictureBox::ScaleMode),
       Flag<PictureBox>("AutoRedraw", &PictureBox::AutoRedraw, &PictureBox::AutoRedraw)},
      true));
  types.Register(
      TypeOf<Image>("Image", {Flag<Image>("Stretch", &Image::Stretch, &Image::Stretch)}));
  types.Register(TypeOf<Shape>("Shape", ShapeProperties()));
  types.Register(TypeOf<Line>("Line", LineProperties()));
  types.Register(ScrollBarType("VScrollBar", ScrollBarOrientation::Vertical));
  types.Register(ScrollBarType("HScrollBar", ScrollBarOrientation::Horizontal));
  types.Register(TypeOf<ListView>("ListView", ListViewProperties()));
  return types;
}

bool IntrinsicControls::Register(IntrinsicType type) {
  if (type.name.empty() || !type.create || Find(type.name)) return false;
  m_types.push_back(std::move(type));
  return true;
}

const IntrinsicType* IntrinsicControls::Find(std::string_view name) const {
  const auto found = std::find_if(m_types.begin(), m_types.end(), [&](const IntrinsicType& t) {
    return EqualsNoCase(t.name, name);
  });
  return found == m_types.end() ? nullptr : &*found;
}

void WriteIntrinsicProperties(const IntrinsicProperties& properties, const Window& control,
                              const Window& prototype, PropertyBag& bag) {
  for (const IntrinsicProperty& property : properties) {
    bag.WriteProperty(property.key, property.value(control), property.value(prototype));
  }
}

void ReadIntrinsicProperties(const IntrinsicProperties& properties, Window& control,
                             const PropertyBag& bag) {
  for (const IntrinsicProperty& property : properties) {
    if (!bag.Contains(property.key)) continue;
    try {
      property.apply(control, bag.ReadProperty(property.key));
    } catch (const std::exception&) {
      // A stored value of the wrong kind leaves the property as it was.
    }
  }
}

}  // namespace qorvexctl
