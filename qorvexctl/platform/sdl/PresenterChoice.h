#pragma once
// Which presenter a host on SDL opens, as the environment asks:
//   QORVEXCTL_PRESENTER  windows (the default): each form its own system window, with the
//                        system's decorations; classic: the same with the frames the library
//                        draws; desktop: the whole desktop in one window (for systems without a
//                        window manager); headless: no window at all.
//   QORVEXCTL_SCALE      a whole number of system pixels per library pixel (windows, classic);
//                        unset, the display's resolution chooses.

#include <memory>
#include <string>

#include "qorvexctl/platform/sdl/SdlWindowPresenter.h"

namespace qorvexctl::platform {

class Desktop;
class Presenter;

struct PresenterChoice {
  enum class Kind { Windows, Desktop, Headless };
  Kind kind{Kind::Windows};
  SdlWindowPresenter::Options windows{};
};

// The choice the two variables' values give (nullptr for an unset one). Unknown presenter names
// give the default; a scale that is not a whole number from 1 to 8 leaves it to the display.
PresenterChoice ChoosePresenter(const char* presenter, const char* scale);

// Opens the chosen presenter; nullptr for headless, or when no window can open.
std::unique_ptr<Presenter> OpenChosenPresenter(Desktop& desktop, const std::string& title);

}  // namespace qorvexctl::platform
