#pragma once
// The order in which Tab visits the controls of a form: each container's children by TabIndex
// (ties in creation order), a container's own children right after it. Only shown, enabled
// windows that take the focus and have TabStop set are visited.

#include <vector>

namespace qorvexctl::platform {

class Window;

// The tab stops inside `root`, in tab order.
std::vector<Window*> TabStops(const Window& root);
// The first window inside `root` that can take the focus: the first tab stop, else the first
// focusable window even without TabStop; nullptr when there is none.
Window* FirstFocusable(const Window& root);
// The tab stop after (or before) `from` inside `root`, wrapping around; the first (or last)
// tab stop when `from` is not one. nullptr when `root` has no tab stops.
Window* NextTabStop(const Window& root, const Window* from, bool forward);
// Whether `window` can take the focus now (shown, enabled, a focusable kind).
bool CanFocusNow(const Window& window);

}  // namespace qorvexctl::platform
