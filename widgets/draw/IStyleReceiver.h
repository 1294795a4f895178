// What a container hands a style code to without knowing the class of
// the receiver: glow buttons, the Office hint and the stylers take one.
#pragma once

class IStyleReceiver {
 public:
  virtual ~IStyleReceiver() = default;
  virtual void ApplyStyleCode(int Code) = 0;
};
