#include "GpFontFamily.h"

#include <algorithm>
#include <cctype>

#include "graphics/TGraphicsRuntime.h"

namespace {
bool IsArial(const std::string& s) {
  static const std::string arial = "arial";
  auto same = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
  return s.size() == arial.size() && std::equal(s.begin(), s.end(), arial.begin(), same);
}
}  // namespace

GpFontFamily::GpFontFamily(const std::string& Name)
    : name_(Name),
      status_(!Name.empty() && (IsArial(Name) || TGraphicsRuntime::IsScreenFont(Name)) ? Ok : FontFamilyNotFound) {}
