// The calculator's member table: what a host or a play script reaches by name while the
// window is open.

#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {
namespace {

// An indexed part: the button at `index`, or nullptr outside 0..count-1.
platform::Window* Indexed(cButton& (calcForm::*button)(int) const, const calcForm& form, int index,
                          int count) {
  return index >= 0 && index < count ? &(form.*button)(index) : nullptr;
}

}  // namespace

const MemberTable& calcForm::Members() {
  using C = calcForm;
  using SetValueEvent = qorvexctl::Event<Currency> C::*;
  static const MemberTable table =
      MembersOf<C>("calcForm")
          .Inherit<platform::Form>(FormMembers())
          .Property(
              "List", [](const C& c) { return c.List(); },
              [](C& c, std::string v) { c.List(v); })
          .Property(
              "Value", [](const C& c) { return c.Value(); }, [](C& c, Currency v) { c.Value(v); })
          .Property("DisplayText", [](const C& c) { return c.DisplayText(); })
          .Property("PendingOperator", [](const C& c) { return c.PendingOperator(); })
          .Property("Memory", [](const C& c) { return c.Memory(); })
          .Property("Confirmed", [](const C& c) { return c.Confirmed(); })
          .Property(
              "ListMemory", [](const C& c) { return c.ListMemory(); },
              [](C& c, bool v) { c.ListMemory(v); })
          .Method("ActionC", {}, [](C& c) { c.ActionC(); })
          .Method("ActionCE", {}, [](C& c) { c.ActionCE(); })
          .Method("ActionMAdd", {}, [](C& c) { c.ActionMAdd(); })
          .Method("ActionMSub", {}, [](C& c) { c.ActionMSub(); })
          .Method("ActionMR", {}, [](C& c) { c.ActionMR(); })
          .Method("ActionMC", {}, [](C& c) { c.ActionMC(); })
          .Method("ActionOpAdd", {}, [](C& c) { c.ActionOpAdd(); })
          .Method("ActionOpSub", {}, [](C& c) { c.ActionOpSub(); })
          .Method("ActionOpMult", {}, [](C& c) { c.ActionOpMult(); })
          .Method("ActionOpDiv", {}, [](C& c) { c.ActionOpDiv(); })
          .Method("TapeText", {}, [](C& c) { return c.TapeAsText(); })
          .Event("SetValue", {"Value"}, static_cast<SetValueEvent>(&C::SetValue))
          .Part("Display", [](C& c, int) -> platform::Window* { return &c.Display; })
          .Part("opLabel", [](C& c, int) -> platform::Window* { return &c.opLabel; })
          .Part("sfinal", [](C& c, int) -> platform::Window* { return &c.sfinal; })
          .Part("memLabel", [](C& c, int) -> platform::Window* { return &c.memLabel; })
          .Part("eLabel", [](C& c, int) -> platform::Window* { return &c.eLabel; })
          .Part("cList", [](C& c, int) -> platform::Window* { return &c.cList; })
          .Part("optEuro", [](C& c, int) -> platform::Window* { return &c.optEuro; })
          .Part("optPercent", [](C& c, int) -> platform::Window* { return &c.optPercent; })
          .Part("optListMem", [](C& c, int) -> platform::Window* { return &c.optListMem; })
          .Part("btNum", [](C& c, int i) { return Indexed(&C::btNum, c, i, 10); })
          .Part("btOp", [](C& c, int i) { return Indexed(&C::btOp, c, i, 4); })
          .Part("btMem", [](C& c, int i) { return Indexed(&C::btMem, c, i, 4); })
          .Part("btEqual", [](C& c, int) -> platform::Window* { return &c.btEqual(); })
          .Part("btOK", [](C& c, int) -> platform::Window* { return &c.btOK(); })
          .Build();
  return table;
}

void RegisterCalculator(Registry& registry) { registry.Members().Add<calcForm>(calcForm::Members()); }

}  // namespace qorvexctl
