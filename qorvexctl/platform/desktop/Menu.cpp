#include "qorvexctl/platform/desktop/Menu.h"

#include <algorithm>
#include <cmath>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {
namespace {

bool SameElement(const Menu& item, std::string_view name, std::optional<int> index) {
  return item.Name() == name && (!index || item.Index() == *index);
}

}  // namespace

Menu::Menu(std::string name, std::string caption)
    : m_name(std::move(name)), m_caption(std::move(caption)) {}

Menu::~Menu() = default;

void Menu::NotifyChanged() {
  for (Menu* m = this; m; m = m->m_parent) m->Changed();
}

template <typename T>
void Menu::Set(T& field, T value) {
  if (field == value) return;
  field = std::move(value);
  NotifyChanged();
}

void Menu::Caption(std::string value) { Set(m_caption, std::move(value)); }
void Menu::Checked(bool value) { Set(m_checked, value); }
void Menu::Enabled(bool value) { Set(m_enabled, value); }
void Menu::Visible(bool value) { Set(m_visible, value); }

Menu& Menu::Add(std::string name, std::string caption, std::optional<int> index) {
  const bool taken = std::any_of(m_items.begin(), m_items.end(), [&](const auto& item) {
    return item->Name() == name && item->Index() == index.value_or(-1);
  });
  if (taken) throw RuntimeError(kErrObjectAlreadyLoaded, m_name, "Object already loaded");
  auto item = std::make_unique<Menu>(std::move(name), std::move(caption));
  item->m_index = index.value_or(-1);
  item->m_parent = this;
  m_items.push_back(std::move(item));
  NotifyChanged();
  return *m_items.back();
}

bool Menu::Remove(std::string_view name, std::optional<int> index) {
  auto it = std::find_if(m_items.begin(), m_items.end(),
                         [&](const auto& item) { return SameElement(*item, name, index); });
  if (it == m_items.end()) return false;
  m_items.erase(it);
  NotifyChanged();
  return true;
}

Menu* Menu::Item(std::string_view name, std::optional<int> index) {
  for (const auto& item : m_items) {
    if (SameElement(*item, name, index)) return item.get();
    if (Menu* found = item->Item(name, index)) return found;
  }
  return nullptr;
}

std::vector<Menu*> Menu::Items() const {
  std::vector<Menu*> out;
  out.reserve(m_items.size());
  for (const auto& item : m_items) out.push_back(item.get());
  return out;
}

Menu* Menu::FindStep(std::string_view step) {
  const std::string shown = StripMnemonic(step);
  for (const auto& item : m_items) {
    if (item->Name() == step || (!item->IsSeparator() && StripMnemonic(item->Caption()) == shown)) {
      return item.get();
    }
  }
  return nullptr;
}

Menu* Menu::Find(std::string_view path) {
  Menu* menu = this;
  for (;;) {
    const std::size_t bar = path.find('|');
    menu = menu->FindStep(path.substr(0, bar));
    if (!menu || bar == std::string_view::npos) return menu;
    path.remove_prefix(bar + 1);
  }
}

char32_t Menu::AccessKey() const { return AccessKeyOf(m_caption); }

bool Menu::IsChoosableIn(const Menu& root) const {
  if (this == &root || IsSeparator() || HasSubItems()) return false;
  for (const Menu* m = this; m; m = m->m_parent) {
    if (m == &root) return true;
    if (!m->m_visible || !m->m_enabled) return false;
  }
  return false;
}

Point PopupPoint(const Window& owner, std::optional<double> x, std::optional<double> y,
                 double unitsPerPixelX, double unitsPerPixelY) {
  Point client = owner.ScreenToClient(owner.GetDesktop().GetCursorPos());
  if (x) client.x = static_cast<int>(std::lround(*x / unitsPerPixelX));
  if (y) client.y = static_cast<int>(std::lround(*y / unitsPerPixelY));
  return owner.ClientToScreen(client);
}

}  // namespace qorvexctl::platform
