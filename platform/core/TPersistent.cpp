#include "TPersistent.h"

#include "Exceptions.h"

void TPersistent::Assign(const TPersistent* Source) {
  if (!Source) throw EConvertError("Cannot assign a nil to a " + ClassName());
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + Dest->ClassName());
}
