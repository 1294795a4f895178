#include "HtmlEntities.h"

#include <string_view>

namespace {

struct TEntity {
  std::string_view Name;
  std::string_view Text;
};

constexpr TEntity kTextEntities[] = {
    {"&amp;", "&&"},      {"&quot;", "\""},      {"&sect;", "\u00A7"}, {"&permil;", "\u2030"}, {"&reg;", "\u00AE"},
    {"&copy;", "\u00A9"}, {"&para;", "\u00B6"}, {"&trade;", "\u2122"}, {"&euro;", "\u20AC"},
};

constexpr TEntity kRunEntities[] = {{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Where Name (lower case) starts in Text at or after From, in any case.
size_t FindNoCase(const std::string& Text, std::string_view Name, size_t From) {
  for (size_t at = Text.find('&', From); at != std::string::npos; at = Text.find('&', at + 1)) {
    if (Text.size() - at < Name.size()) return std::string::npos;
    size_t k = 1;
    while (k < Name.size() && LowerAscii(Text[at + k]) == Name[k]) ++k;
    if (k == Name.size()) return at;
  }
  return std::string::npos;
}

// Replaces every occurrence found left to right; true when there was one.
bool ReplaceAll(std::string& Text, const TEntity& E) {
  bool any = false;
  for (size_t at = FindNoCase(Text, E.Name, 0); at != std::string::npos;
       at = FindNoCase(Text, E.Name, at + E.Text.size())) {
    Text.replace(at, E.Name.size(), E.Text);
    any = true;
  }
  return any;
}

}  // namespace

void ReplaceTextEntities(std::string& Text) {
  if (Text.find('&') == std::string::npos) return;
  // Every replacement is shorter than its entity, so the rounds end.
  bool replaced = true;
  while (replaced) {
    replaced = false;
    for (const TEntity& e : kTextEntities) replaced |= ReplaceAll(Text, e);
  }
}

void ReplaceRunEntities(std::string& Run) {
  if (Run.find('&') == std::string::npos) return;
  for (const TEntity& e : kRunEntities) ReplaceAll(Run, e);
}
