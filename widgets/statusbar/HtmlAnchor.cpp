#include "HtmlAnchor.h"

#include <string>

#include "HtmlValues.h"

namespace {

bool StartsWith(std::string_view Text, std::string_view Prefix) { return Text.substr(0, Prefix.size()) == Prefix; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Percent escapes decoded and upper-cased again (Text is upper case), so
// "%61ttach" reads as "ATTACH".
std::string Unescaped(std::string_view Text) {
  std::string out;
  for (size_t i = 0; i < Text.size(); ++i) {
    int hi = i + 2 < Text.size() && Text[i] == '%' ? HexValue(Text[i + 1]) : -1;
    int lo = hi >= 0 ? HexValue(Text[i + 2]) : -1;
    if (lo >= 0) {
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += Text[i];
    }
  }
  return UpperAscii(out);
}

}  // namespace

bool IsOpenableAnchor(std::string_view Anchor) {
  for (char c : Anchor) {
    auto u = static_cast<unsigned char>(c);
    // Space, the C0 controls and DEL; bytes of UTF-8 sequences pass.
    if (u <= 0x20 || u == 0x7F) return false;
  }
  std::string upper = UpperAscii(Anchor);
  if (StartsWith(upper, "HTTP://") || StartsWith(upper, "HTTPS://")) {
    std::string_view rest = std::string_view(upper).substr(upper.find("://") + 3);
    // A host must follow, and nothing may smuggle in another scheme's
    // authority (a "\" reads as "/" to some openers).
    size_t hostEnd = rest.find_first_of("/?#");
    std::string_view host = rest.substr(0, hostEnd);
    return !host.empty() && host.front() != '@' && host.front() != ':' && upper.find('\\') == std::string::npos;
  }
  if (StartsWith(upper, "MAILTO:")) {
    std::string_view rest = std::string_view(upper).substr(7);
    if (rest.empty() || rest.front() == '?') return false;
    // Mail clients take "attach=" and "attachment=" as files to send.
    size_t query = rest.find('?');
    if (query != std::string_view::npos && Unescaped(rest.substr(query)).find("ATTACH") != std::string::npos)
      return false;
    return true;
  }
  return false;
}
