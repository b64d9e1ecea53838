#pragma once
// What the euro field needs of its pop-up calculator: the field opens one with its amount (and a
// multiplication or division pending) or with the tape it stored, shows it modally, and takes
// the confirmed result from SetValue. The calculator window implements this; a field is given
// a factory that makes one.

#include <functional>
#include <memory>
#include <string>

#include "qorvexctl/base/Currency.h"
#include "qorvexctl/base/Event.h"

namespace qorvexctl {

namespace platform {
class Desktop;
}  // namespace platform

class AmountCalculator {
 public:
  virtual ~AmountCalculator() = default;

  // Raised once when the user confirms, with the result.
  Event<Currency> SetValue;

  // The amount shown in the display.
  virtual void Value(Currency amount) = 0;
  // The tape lines joined by CR LF.
  virtual std::string List() const = 0;
  virtual void List(const std::string& lines) = 0;
  // "Memorizar dados da lista associando-os ao campo de valores".
  virtual bool ListMemory() const = 0;
  virtual void ListMemory(bool on) = 0;
  // The "x" and "÷" operator keys.
  virtual void ActionOpMult() = 0;
  virtual void ActionOpDiv() = 0;
  // Shows the window modally; returns when it has been closed.
  virtual void ShowModal() = 0;
};

using AmountCalculatorFactory =
    std::function<std::unique_ptr<AmountCalculator>(platform::Desktop& desktop)>;

}  // namespace qorvexctl
