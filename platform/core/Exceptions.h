// Failures raised by the platform and the widgets. A failure that no
// handler catches reaches the message loop, which shows its message.
#pragma once

#include <stdexcept>
#include <string>

class EPlatformError : public std::runtime_error {
 public:
  explicit EPlatformError(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// An assignment between two persistent objects that do not know each other.
class EConvertError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

// A graphic asked for something its format cannot do.
class EInvalidGraphicOperation : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

// A list index outside the list.
class EListError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

class EOutOfMemory : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

// A stream ended before the bytes asked for.
class EReadError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

// A file could not be opened.
class EFOpenError : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};

// Bytes that are not a picture of the expected kind.
class EInvalidGraphic : public EPlatformError {
 public:
  using EPlatformError::EPlatformError;
};
