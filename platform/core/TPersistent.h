// Objects that can copy their settings from another object of a kind
// they know (Assign), or let the source copy itself into them (AssignTo).
#pragma once

#include <string>
#include <string_view>

#include "TObject.h"

class TPersistent : public TObject {
 public:
  // Copies Source into this object; an unknown source is asked to assign
  // itself, and raises EConvertError when it cannot.
  virtual void Assign(const TPersistent* Source);
  virtual std::string ClassName() const { return "TPersistent"; }
  // The object a class publishes under Name (such as "OfficeHint"), for
  // code that finds cooperating objects by property name rather than by
  // type; nullptr when it publishes none by that name.
  virtual TPersistent* PublishedObject([[maybe_unused]] std::string_view Name) const { return nullptr; }

 protected:
  virtual void AssignTo(TPersistent* Dest) const;
};
