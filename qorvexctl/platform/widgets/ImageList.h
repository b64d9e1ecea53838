#pragma once
// An image list: pictures kept under text keys, all shown at one image size (16 x 16 unless
// set otherwise). Keys match without regard to case, like the keys of the classic collection.
// Controls that show its pictures (a list view's small icons) look them up by key.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl::platform {

class ImageList {
 public:
  explicit ImageList(int imageWidth = 16, int imageHeight = 16);

  // Adds a picture under `key`. Returns false, keeping the list as it was, when the key is
  // already taken or the picture is empty.
  bool Add(std::string key, std::shared_ptr<Picture> picture);
  bool Add(std::string key, Picture picture);
  bool Contains(std::string_view key) const { return Find(key) != nullptr; }
  // The picture under `key`, or nullptr.
  const Picture* Find(std::string_view key) const;
  int Count() const { return static_cast<int>(m_entries.size()); }
  void Clear() { m_entries.clear(); }

  // The size pictures are drawn at, in pixels.
  int ImageWidth() const { return m_imageWidth; }
  int ImageHeight() const { return m_imageHeight; }

 private:
  struct Entry {
    std::string key;
    std::shared_ptr<Picture> picture;
  };
  std::vector<Entry> m_entries;
  int m_imageWidth;
  int m_imageHeight;
};

}  // namespace qorvexctl::platform
