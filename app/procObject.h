// The record a process-list item owns: a whole copy of the snapshot's
// entry for that process, as it stood when the snapshot was taken.
#pragma once

#include "core/TObject.h"
#include "os/ProcessEntry.h"

class procObject : public TObject {
 public:
  explicit procObject(const PROCESSENTRY32& AEntry);
  ~procObject() override;
  void SetEntry(const PROCESSENTRY32& AEntry) { Entry = AEntry; }
  void GetEntry(PROCESSENTRY32& Buffer) const { Buffer = Entry; }

  // Records alive now; a rebuild of the list frees the previous ones.
  static int LiveCount() { return live_; }

  PROCESSENTRY32 Entry;

 private:
  static inline int live_ = 0;
};
