#include "qorvexctl/platform/widgets/ImageList.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"

namespace qorvexctl::platform {

ImageList::ImageList(int imageWidth, int imageHeight)
    : m_imageWidth(std::max(1, imageWidth)), m_imageHeight(std::max(1, imageHeight)) {}

bool ImageList::Add(std::string key, std::shared_ptr<Picture> picture) {
  if (!picture || picture->IsEmpty() || Contains(key)) return false;
  m_entries.push_back(Entry{std::move(key), std::move(picture)});
  return true;
}

bool ImageList::Add(std::string key, Picture picture) {
  return Add(std::move(key), std::make_shared<Picture>(std::move(picture)));
}

const Picture* ImageList::Find(std::string_view key) const {
  const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                               [key](const Entry& e) { return EqualsNoCase(e.key, key); });
  return it == m_entries.end() ? nullptr : it->picture.get();
}

}  // namespace qorvexctl::platform
