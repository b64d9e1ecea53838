#include "qorvexctl/frame/IntrinsicMembers.h"

#include <string>

#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Image.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ListItem.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/PictureBox.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {

Variant platform::VariantOf(const ListItem& item) { return Variant(item.Text()); }

namespace {

using platform::Control;
using platform::Font;
using platform::Window;

// A part of the window's font: `part(const Font&)` reads it, `change(Font&, V)` sets it.
template <class Part, class Change>
void FontMember(MembersOf<Window>& members, std::string name, Part part, Change change) {
  members.Property(
      std::move(name), [part](const Window& w) { return part(w.Font()); },
      [change](Window& w, const Variant& value) {
        Font font = w.Font();
        change(font, value);
        w.Font(font);
      });
}

// Move's optional width and height: a missing one keeps the current size.
double OrKeep(const Variant& value) { return value.IsEmpty() ? -1 : value.ToDouble(); }

MembersOf<Window> WindowGeometryAndLooks() {
  MembersOf<Window> members("Window");
  members
      .Property(
          "Left", [](const Window& w) { return w.Left(); }, [](Window& w, double v) { w.Left(v); })
      .Property(
          "Top", [](const Window& w) { return w.Top(); }, [](Window& w, double v) { w.Top(v); })
      .Property(
          "Width", [](const Window& w) { return w.Width(); },
          [](Window& w, double v) { w.Width(v); })
      .Property(
          "Height", [](const Window& w) { return w.Height(); },
          [](Window& w, double v) { w.Height(v); })
      .Property(
          "Visible", [](const Window& w) { return w.Visible(); },
          [](Window& w, bool v) { w.Visible(v); })
      .Property(
          "Enabled", [](const Window& w) { return w.Enabled(); },
          [](Window& w, bool v) { w.Enabled(v); })
      .Property(
          "BackColor", [](const Window& w) { return w.BackColor(); },
          [](Window& w, Colour v) { w.BackColor(v); })
      .Property(
          "ForeColor", [](const Window& w) { return w.ForeColor(); },
          [](Window& w, Colour v) { w.ForeColor(v); });
  FontMember(
      members, "FontName", [](const Font& f) { return f.Face(); },
      [](Font& f, const Variant& v) { f.Face(v.ToString()); });
  FontMember(
      members, "FontSize", [](const Font& f) { return f.PointSize(); },
      [](Font& f, const Variant& v) { f.PointSize(v.ToDouble()); });
  FontMember(
      members, "FontBold", [](const Font& f) { return f.Bold(); },
      [](Font& f, const Variant& v) { f.Bold(v.ToBoolean()); });
  FontMember(
      members, "FontItalic", [](const Font& f) { return f.Italic(); },
      [](Font& f, const Variant& v) { f.Italic(v.ToBoolean()); });
  FontMember(
      members, "FontUnderline", [](const Font& f) { return f.Underline(); },
      [](Font& f, const Variant& v) { f.Underline(v.ToBoolean()); });
  return members;
}

template <class T>
MembersOf<T> ControlOf(std::string typeName) {
  MembersOf<T> members(std::move(typeName));
  members.template Inherit<Control>(ControlMembers());
  return members;
}

}  // namespace

const MemberTable& WindowMembers() {
  static const MemberTable table =
      WindowGeometryAndLooks()
          .Property(
              "ToolTipText", [](const Window& w) { return w.ToolTipText(); },
              [](Window& w, std::string v) { w.ToolTipText(std::move(v)); })
          .Property(
              "Tag", [](const Window& w) { return w.Tag(); },
              [](Window& w, std::string v) { w.Tag(std::move(v)); })
          .Property("Name", [](const Window& w) { return w.Name(); })
          .Property("Index", [](const Window& w) { return w.Index(); })
          .Property(
              "TabIndex", [](const Window& w) { return w.TabIndex(); },
              [](Window& w, int v) { w.TabIndex(v); })
          .Property(
              "TabStop", [](const Window& w) { return w.TabStop(); },
              [](Window& w, bool v) { w.TabStop(v); })
          .Property(
              "MousePointer", [](const Window& w) { return w.MousePointer(); },
              [](Window& w, int v) { w.MousePointer(v); })
          .Property("hWnd", [](const Window& w) { return w.hWnd(); })
          .Property("TypeName", [](const Window& w) { return w.TypeName(); })
          .Method("Move", {"Left", "Top", "Width", "Height"},
                  [](Window& w, double left, double top, Variant width, Variant height) {
                    w.Move(left, top, OrKeep(width), OrKeep(height));
                  })
          .Method("SetFocus", {}, [](Window& w) { w.SetFocus(); })
          .Method("Refresh", {}, [](Window& w) { w.Refresh(); })
          .Method("ZOrder", {"Position"}, [](Window& w, int position) { w.ZOrder(position); })
          .Build();
  return table;
}

const MemberTable& ControlMembers() {
  static const MemberTable table =
      MembersOf<Control>("Control")
          .Inherit<Window>(WindowMembers())
          .Event("Click", {}, &Control::Click)
          .Event("DblClick", {}, &Control::DblClick)
          .Event("MouseDown", {"Button", "Shift", "X", "Y"}, &Control::MouseDown)
          .Event("MouseMove", {"Button", "Shift", "X", "Y"}, &Control::MouseMove)
          .Event("MouseUp", {"Button", "Shift", "X", "Y"}, &Control::MouseUp)
          .Event("KeyDown", {"KeyCode", "Shift"}, &Control::KeyDown)
          .Event("KeyPress", {"KeyAscii"}, &Control::KeyPress)
          .Event("KeyUp", {"KeyCode", "Shift"}, &Control::KeyUp)
          .Event("GotFocus", {}, &Control::GotFocus)
          .Event("LostFocus", {}, &Control::LostFocus)
          .Build();
  return table;
}

const MemberTable& FormMembers() {
  using platform::Form;
  static const MemberTable table =
      ControlOf<Form>("Form")
          .Property(
              "Caption", [](const Form& f) { return f.Caption(); },
              [](Form& f, std::string v) { f.Caption(std::move(v)); })
          .Property(
              "KeyPreview", [](const Form& f) { return f.KeyPreview(); },
              [](Form& f, bool v) { f.KeyPreview(v); })
          .Property(
              "BorderStyle", [](const Form& f) { return f.BorderStyle(); },
              [](Form& f, int v) { f.BorderStyle(v); })
          .Property(
              "ScaleMode", [](const Form& f) { return f.ScaleMode(); },
              [](Form& f, int v) { f.ScaleMode(v); })
          .Property("ScaleWidth", [](const Form& f) { return f.ScaleWidth(); })
          .Property("ScaleHeight", [](const Form& f) { return f.ScaleHeight(); })
          .Method("Show", {"Modal"}, [](Form& f, int modal) { f.Show(modal); })
          .Method("Hide", {}, [](Form& f) { f.Hide(); })
          .Method("Unload", {}, [](Form& f) { return f.UnloadForm(); })
          .Event("Load", {}, &Form::Load)
          .Event("QueryUnload", {"Cancel", "UnloadMode"}, &Form::QueryUnload)
          .Event("Unload", {"Cancel"}, &Form::Unload)
          .Event("Resize", {}, &Form::Resize)
          .Event("Activate", {}, &Form::Activate)
          .Build();
  return table;
}

const MemberTable& TextBoxMembers() {
  using platform::TextBox;
  static const MemberTable table =
      ControlOf<TextBox>("TextBox")
          .Property(
              "Text", [](const TextBox& t) { return t.Text(); },
              [](TextBox& t, std::string v) { t.Text(v); })
          .Property(
              "SelStart", [](const TextBox& t) { return t.SelStart(); },
              [](TextBox& t, int v) { t.SelStart(v); })
          .Property(
              "SelLength", [](const TextBox& t) { return t.SelLength(); },
              [](TextBox& t, int v) { t.SelLength(v); })
          .Property(
              "SelText", [](const TextBox& t) { return t.SelText(); },
              [](TextBox& t, std::string v) { t.SelText(v); })
          .Property(
              "MaxLength", [](const TextBox& t) { return t.MaxLength(); },
              [](TextBox& t, int v) { t.MaxLength(v); })
          .Property(
              "Locked", [](const TextBox& t) { return t.Locked(); },
              [](TextBox& t, bool v) { t.Locked(v); })
          .Property(
              "Alignment", [](const TextBox& t) { return t.Alignment(); },
              [](TextBox& t, int v) { t.Alignment(v); })
          .Property(
              "BorderStyle", [](const TextBox& t) { return t.BorderStyle(); },
              [](TextBox& t, int v) { t.BorderStyle(v); })
          .Property(
              "MultiLine", [](const TextBox& t) { return t.MultiLine(); },
              [](TextBox& t, bool v) { t.MultiLine(v); })
          .Property(
              "ScrollBars", [](const TextBox& t) { return t.ScrollBars(); },
              [](TextBox& t, int v) { t.ScrollBars(v); })
          .Property("LineCount", [](const TextBox& t) { return t.LineCount(); })
          .Method("SelectAll", {}, [](TextBox& t) { t.SelectAll(); })
          .Method("Copy", {}, [](TextBox& t) { t.Copy(); })
          .Method("Cut", {}, [](TextBox& t) { t.Cut(); })
          .Method("Paste", {}, [](TextBox& t) { t.Paste(); })
          .Method("Undo", {}, [](TextBox& t) { t.Undo(); })
          .Event("Change", {}, &TextBox::Change)
          .Build();
  return table;
}

// The caption of a control type that has one.
template <class T>
MembersOf<T> CaptionedControl(std::string typeName) {
  MembersOf<T> members = ControlOf<T>(std::move(typeName));
  members.Property(
      "Caption", [](const T& c) { return c.Caption(); },
      [](T& c, std::string v) { c.Caption(std::move(v)); });
  return members;
}

const MemberTable& LabelMembers() {
  using platform::Label;
  static const MemberTable table =
      CaptionedControl<Label>("Label")
          .Property(
              "AutoSize", [](const Label& l) { return l.AutoSize(); },
              [](Label& l, bool v) { l.AutoSize(v); })
          .Property(
              "WordWrap", [](const Label& l) { return l.WordWrap(); },
              [](Label& l, bool v) { l.WordWrap(v); })
          .Property(
              "BackStyle", [](const Label& l) { return l.BackStyle(); },
              [](Label& l, int v) { l.BackStyle(v); })
          .Property(
              "Alignment", [](const Label& l) { return l.Alignment(); },
              [](Label& l, int v) { l.Alignment(v); })
          .Property(
              "BorderStyle", [](const Label& l) { return l.BorderStyle(); },
              [](Label& l, int v) { l.BorderStyle(v); })
          .Property(
              "UseMnemonic", [](const Label& l) { return l.UseMnemonic(); },
              [](Label& l, bool v) { l.UseMnemonic(v); })
          .Build();
  return table;
}

const MemberTable& CheckBoxMembers() {
  using platform::CheckBox;
  static const MemberTable table =
      CaptionedControl<CheckBox>("CheckBox")
          .Property(
              "Value", [](const CheckBox& c) { return c.Value(); },
              [](CheckBox& c, int v) { c.Value(v); })
          .Build();
  return table;
}

const MemberTable& CommandButtonMembers() {
  using platform::CommandButton;
  static const MemberTable table =
      CaptionedControl<CommandButton>("CommandButton")
          .Property(
              "Default", [](const CommandButton& c) { return c.Default(); },
              [](CommandButton& c, bool v) { c.Default(v); })
          .Property(
              "Cancel", [](const CommandButton& c) { return c.Cancel(); },
              [](CommandButton& c, bool v) { c.Cancel(v); })
          .Build();
  return table;
}

const MemberTable& FrameMembers() {
  static const MemberTable table = CaptionedControl<platform::Frame>("Frame").Build();
  return table;
}

const MemberTable& PictureBoxMembers() {
  using platform::PictureBox;
  static const MemberTable table =
      ControlOf<PictureBox>("PictureBox")
          .Property(
              "AutoRedraw", [](const PictureBox& p) { return p.AutoRedraw(); },
              [](PictureBox& p, bool v) { p.AutoRedraw(v); })
          .Property(
              "ScaleMode", [](const PictureBox& p) { return p.ScaleMode(); },
              [](PictureBox& p, int v) { p.ScaleMode(v); })
          .Property("ScaleWidth", [](const PictureBox& p) { return p.ScaleWidth(); })
          .Property("ScaleHeight", [](const PictureBox& p) { return p.ScaleHeight(); })
          .Property(
              "BorderStyle", [](const PictureBox& p) { return p.BorderStyle(); },
              [](PictureBox& p, int v) { p.BorderStyle(v); })
          .Method("Cls", {}, [](PictureBox& p) { p.Cls(); })
          .Method("Print", {"Text"}, [](PictureBox& p, std::string text) { p.Print(text); })
          .Event("Paint", {}, &PictureBox::Paint)
          .Event("Resize", {}, &PictureBox::Resize)
          .Build();
  return table;
}

const MemberTable& ImageMembers() {
  using platform::Image;
  static const MemberTable table =
      ControlOf<Image>("Image")
          .Property(
              "Stretch", [](const Image& i) { return i.Stretch(); },
              [](Image& i, bool v) { i.Stretch(v); })
          .Build();
  return table;
}

const MemberTable& ListViewMembers() {
  using platform::ListView;
  static const MemberTable table =
      ControlOf<ListView>("ListView")
          .Property(
              "Sorted", [](const ListView& l) { return l.Sorted(); },
              [](ListView& l, bool v) { l.Sorted(v); })
          .Property(
              "SortKey", [](const ListView& l) { return l.SortKey(); },
              [](ListView& l, int v) { l.SortKey(v); })
          .Property(
              "SortOrder", [](const ListView& l) { return l.SortOrder(); },
              [](ListView& l, int v) { l.SortOrder(v); })
          .Property(
              "FullRowSelect", [](const ListView& l) { return l.FullRowSelect(); },
              [](ListView& l, bool v) { l.FullRowSelect(v); })
          .Property(
              "HideSelection", [](const ListView& l) { return l.HideSelection(); },
              [](ListView& l, bool v) { l.HideSelection(v); })
          .Property("ListItemsCount", [](const ListView& l) { return l.ItemCount(); })
          .Property("ColumnHeadersCount", [](const ListView& l) { return l.ColumnCount(); })
          .Property("SelectedItem",
                    [](const ListView& l) {
                      return l.SelectedItem() ? l.SelectedItem()->Text() : std::string();
                    })
          .Method("ListItem", {"Index"}, [](ListView& l, int i) { return l.Item(i).Text(); })
          .Method("SelectItem", {"Index"},
                  [](ListView& l, int i) {
                    l.SelectedItem(&l.Item(i));
                    l.EnsureVisible(i);
                  })
          .Event("ItemClick", {"Item"}, &ListView::ItemClick)
          .Event("ColumnClick", {"ColumnHeader"}, &ListView::ColumnClick)
          .Build();
  return table;
}

const MemberTable& ScrollBarMembers() {
  using platform::ScrollBar;
  static const MemberTable table =
      ControlOf<ScrollBar>("ScrollBar")
          .Property(
              "Min", [](const ScrollBar& s) { return s.Min(); },
              [](ScrollBar& s, int v) { s.Min(v); })
          .Property(
              "Max", [](const ScrollBar& s) { return s.Max(); },
              [](ScrollBar& s, int v) { s.Max(v); })
          .Property(
              "Value", [](const ScrollBar& s) { return s.Value(); },
              [](ScrollBar& s, int v) { s.Value(v); })
          .Property(
              "SmallChange", [](const ScrollBar& s) { return s.SmallChange(); },
              [](ScrollBar& s, int v) { s.SmallChange(v); })
          .Property(
              "LargeChange", [](const ScrollBar& s) { return s.LargeChange(); },
              [](ScrollBar& s, int v) { s.LargeChange(v); })
          .Event("Change", {}, &ScrollBar::Change)
          .Event("Scroll", {}, &ScrollBar::Scroll)
          .Build();
  return table;
}

}  // namespace qorvexctl
