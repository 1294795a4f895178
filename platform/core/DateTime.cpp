// Date-time formatting with the specifiers of the kit's original platform.
#include "DateTime.h"

#include <cctype>
#include <string>

namespace {

constexpr const char* kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
constexpr std::string_view kShortDate = "m/d/yyyy";
constexpr std::string_view kLongDate = "dddd, mmmm d, yyyy";
constexpr std::string_view kShortTime = "h:mm AMPM";
constexpr std::string_view kLongTime = "h:mm:ss AMPM";

bool StartsWithNoCase(std::string_view Text, std::string_view Prefix) {
  if (Text.size() < Prefix.size()) return false;
  for (size_t i = 0; i < Prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(Text[i])) != Prefix[i]) return false;
  return true;
}

// Whether a format puts the hours on a 12-hour clock: it holds an AM/PM
// specifier outside quoted text.
bool UsesTwelveHours(std::string_view Format) {
  char quote = 0;
  for (size_t i = 0; i < Format.size(); ++i) {
    char c = Format[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (StartsWithNoCase(Format.substr(i), "am/pm") || StartsWithNoCase(Format.substr(i), "a/p") ||
               StartsWithNoCase(Format.substr(i), "ampm")) {
      return true;
    }
  }
  return false;
}

// Name of an index that the caller may not have checked (a bad time).
template <size_t N>
const char* NameOf(const char* const (&Names)[N], int Index) {
  return Index >= 0 && static_cast<size_t>(Index) < N ? Names[Index] : "";
}

class TFormatter {
 public:
  explicit TFormatter(const TSystemTime& Time) : time_(Time) {}

  void Append(std::string_view Format, int Depth = 0) {
    bool twelve = UsesTwelveHours(Format);
    char last = ' ';  // the last letter specifier, upper-cased
    size_t i = 0;
    while (i < Format.size()) {
      char c = Format[i];
      char token = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      size_t run = 1;
      while (i + run < Format.size() &&
             std::toupper(static_cast<unsigned char>(Format[i + run])) == token)
        ++run;
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && last == 'H') token = 'N';
        last = token;
      }
      switch (token) {
        case '"':
        case '\'': {
          size_t end = Format.find(c, i + 1);
          if (end == std::string_view::npos) end = Format.size();
          out_.append(Format.substr(i + 1, end - i - 1));
          i = end + 1;
          continue;
        }
        case 'Y': Number(run <= 2 ? time_.Year % 100 : time_.Year, run <= 2 ? 2 : 4); break;
        case 'M':
          if (run >= 4) out_ += NameOf(kLongMonths, time_.Month - 1);
          else if (run == 3) out_ += NameOf(kShortMonths, time_.Month - 1);
          else Number(time_.Month, static_cast<int>(run));
          run = std::min<size_t>(run, 4);
          break;
        case 'N': Number(time_.Minute, run >= 2 ? 2 : 1); run = std::min<size_t>(run, 2); break;
        case 'D':
          if (run >= 6) Nested(kLongDate, Depth);
          else if (run == 5) Nested(kShortDate, Depth);
          else if (run == 4) out_ += NameOf(kLongDays, time_.DayOfWeek);
          else if (run == 3) out_ += NameOf(kShortDays, time_.DayOfWeek);
          else Number(time_.Day, static_cast<int>(run));
          run = std::min<size_t>(run, 6);
          break;
        case 'H': {
          int hour = time_.Hour;
          if (twelve) hour = hour % 12 == 0 ? 12 : hour % 12;
          Number(hour, run >= 2 ? 2 : 1);
          run = std::min<size_t>(run, 2);
          break;
        }
        case 'S': Number(time_.Second, run >= 2 ? 2 : 1); run = std::min<size_t>(run, 2); break;
        case 'Z': Number(time_.Millisecond, run >= 3 ? 3 : 1); run = std::min<size_t>(run, 3); break;
        case 'T': Nested(run >= 2 ? kLongTime : kShortTime, Depth); run = std::min<size_t>(run, 2); break;
        case 'C':
          Nested(kShortDate, Depth);
          out_ += ' ';
          Nested(kLongTime, Depth);
          run = 1;
          break;
        case 'A': run = AmPm(Format.substr(i)); break;
        default: out_.append(Format.substr(i, run)); break;
      }
      i += run;
    }
  }

  std::string Text() && { return std::move(out_); }

 private:
  void Number(int Value, int Digits) {
    std::string digits = std::to_string(Value < 0 ? -Value : Value);
    if (digits.size() < static_cast<size_t>(Digits)) digits.insert(0, Digits - digits.size(), '0');
    out_ += digits;
  }

  // The built-in formats cannot recurse, but a guard costs nothing.
  void Nested(std::string_view Format, int Depth) {
    if (Depth < 2) Append(Format, Depth + 1);
  }

  // An AM/PM specifier at the start of Text: appends it, returns its length.
  size_t AmPm(std::string_view Text) {
    bool pm = time_.Hour >= 12;
    if (StartsWithNoCase(Text, "ampm")) {
      out_ += pm ? "PM" : "AM";
      return 4;
    }
    for (std::string_view pair : {std::string_view("am/pm"), std::string_view("a/p")}) {
      if (!StartsWithNoCase(Text, pair)) continue;
      // The case of the letters written picks the case of the marker.
      size_t half = pair.size() / 2;
      std::string_view marker = pm ? Text.substr(half + 1, half) : Text.substr(0, half);
      out_.append(marker);
      return pair.size();
    }
    out_ += Text.front();
    return 1;
  }

  const TSystemTime& time_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view Format, const TSystemTime& Time) {
  TFormatter formatter(Time);
  formatter.Append(Format);
  return std::move(formatter).Text();
}
