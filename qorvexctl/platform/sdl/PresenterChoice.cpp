#include "qorvexctl/platform/sdl/PresenterChoice.h"

#include <cstdlib>
#include <string_view>

#include "qorvexctl/platform/sdl/SdlPresenter.h"

namespace qorvexctl::platform {
namespace {

constexpr int kLargestScale = 8;

int ScaleOf(const char* text) {
  if (!text) return 0;
  const std::string_view digits(text);
  if (digits.empty() || digits.size() > 1 || digits[0] < '1' || digits[0] > '0' + kLargestScale) {
    return 0;
  }
  return digits[0] - '0';
}

}  // namespace

PresenterChoice ChoosePresenter(const char* presenter, const char* scale) {
  PresenterChoice choice;
  choice.windows.scale = ScaleOf(scale);
  const std::string_view name = presenter ? presenter : "";
  if (name == "desktop") choice.kind = PresenterChoice::Kind::Desktop;
  if (name == "headless") choice.kind = PresenterChoice::Kind::Headless;
  if (name == "classic") choice.windows.libraryFrames = true;
  return choice;
}

std::unique_ptr<Presenter> OpenChosenPresenter(Desktop& desktop, const std::string& title) {
  const PresenterChoice choice =
      ChoosePresenter(std::getenv("QORVEXCTL_PRESENTER"), std::getenv("QORVEXCTL_SCALE"));
  switch (choice.kind) {
    case PresenterChoice::Kind::Desktop:
      return SdlPresenter::Open(desktop, title);
    case PresenterChoice::Kind::Headless:
      return nullptr;
    case PresenterChoice::Kind::Windows:
      break;
  }
  return SdlWindowPresenter::Open(desktop, choice.windows);
}

}  // namespace qorvexctl::platform
