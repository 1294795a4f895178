#include "procObject.h"

procObject::procObject(const PROCESSENTRY32& AEntry) : Entry{} {
  SetEntry(AEntry);
  ++live_;
}

procObject::~procObject() { --live_; }
