#pragma once
// A monkey on a form: random clicks, keystrokes, pastes, popup-menu and message-box answers and
// clock advances, each followed by a check of what must hold whatever the user did: every NIF
// field coloured as its number's validity says, every amount field's text reading back as its
// amount, every NIB field's verdict agreeing with its check digits, and no window left modal.
// The seed makes a run repeatable: the same seed replays the same events.
//
//   DemoMonkey monkey(desktop, form.Window(), seed);
//   for (long i = 0; i < 10000; ++i) {
//     if (auto failure = monkey.Step()) { report(*failure, monkey.LastAction()); break; }
//   }

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

// A NIF field's text as the monkey last saw it and the country its colours were judged in.
struct NifJudgement {
  std::string text;
  std::string country;
};

class DemoMonkey {
 public:
  DemoMonkey(platform::Desktop& desktop, platform::Form& form, std::uint64_t seed);

  // One random action and the checks after it; the failed check's description, or nothing.
  std::optional<std::string> Step();
  // What the last step did ("click nif1.nif 12,4 right"), for the report of a failure.
  const std::string& LastAction() const { return m_lastAction; }

 private:
  void Act();
  void ClickSomewhere();
  void PressKeys();
  void Paste();
  void AnswerNextDialogs();
  void AdvanceClock();
  std::vector<platform::Window*> ShownWindows() const;
  std::optional<std::string> CheckInvariants();

  platform::Desktop& m_desktop;
  platform::Form& m_form;
  std::mt19937_64 m_random;
  std::string m_lastAction;
  std::map<const cNIF*, NifJudgement> m_nifJudgements;
};

struct MonkeyRun {
  long events = 0;      // steps taken
  std::string failure;  // "" when every check held, else what failed, after which action
};

// The monkey on the demo's IRS form, with the demo register in `database`, for `events` steps;
// then the form is closed and every window and timer it made must be gone.
MonkeyRun RunIrsFormMonkey(long events, std::uint64_t seed, const std::string& database);

}  // namespace qorvexctl::demo
