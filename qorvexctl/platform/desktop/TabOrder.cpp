#include "qorvexctl/platform/desktop/TabOrder.h"

#include <algorithm>

#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {
namespace {

void Collect(const Window& container, bool tabStopsOnly, std::vector<Window*>& out) {
  std::vector<Window*> children = container.Children();
  std::stable_sort(children.begin(), children.end(),
                   [](const Window* a, const Window* b) { return a->TabIndex() < b->TabIndex(); });
  for (Window* child : children) {
    if (!child->IsShown() || !child->IsEnabledInTree()) continue;
    if (child->CanTakeFocus() && (child->TabStop() || !tabStopsOnly)) out.push_back(child);
    Collect(*child, tabStopsOnly, out);
  }
}

}  // namespace

bool CanFocusNow(const Window& window) {
  return window.CanTakeFocus() && window.IsShown() && window.IsEnabledInTree();
}

std::vector<Window*> TabStops(const Window& root) {
  std::vector<Window*> out;
  Collect(root, true, out);
  return out;
}

Window* FirstFocusable(const Window& root) {
  std::vector<Window*> all;
  Collect(root, true, all);
  if (all.empty()) Collect(root, false, all);
  return all.empty() ? nullptr : all.front();
}

Window* NextTabStop(const Window& root, const Window* from, bool forward) {
  const std::vector<Window*> stops = TabStops(root);
  if (stops.empty()) return nullptr;
  auto it = std::find(stops.begin(), stops.end(), from);
  if (it == stops.end()) return forward ? stops.front() : stops.back();
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const std::ptrdiff_t i = it - stops.begin();
  return stops[static_cast<std::size_t>(((forward ? i + 1 : i - 1) + n) % n)];
}

}  // namespace qorvexctl::platform
