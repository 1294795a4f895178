// Named pictures for status-panel markup ("<IMG SRC=\"name\">" and the
// body's picture backgrounds): the container looks a picture up by name.
#pragma once

#include <string_view>

class TGraphic;

class IHtmlPictureContainer {
 public:
  // The picture of that name, or nullptr; it stays valid for the call.
  virtual TGraphic* FindPicture(std::string_view Name) const = 0;

 protected:
  ~IHtmlPictureContainer() = default;
};
