// Line breaking, trimming and placement of text in a layout rectangle,
// shared by drawing and measuring so that both agree.
#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>
#include <limits>

#include "GdiPlusBridge.h"
#include "GpStringFormat.h"

namespace {

constexpr double kUnbounded = 1e7;
const QString kEllipsis = QString(QChar(0x2026));

struct Paragraph {
  QString text;
  int underline = -1;
};

struct RawLine {
  QString text;
  int underline = -1;
  bool lastOfParagraph = false;
};

// Applies the hotkey rule: "&x" shows x (underlined with Show), "&&" is
// one "&"; with None every "&" is plain text.
Paragraph StripHotkeys(const QString& s, HotkeyPrefix mode) {
  Paragraph out;
  if (mode == HotkeyPrefixNone) {
    out.text = s;
    return out;
  }
  out.text.reserve(s.size());
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] != u'&') {
      out.text += s[i];
      continue;
    }
    if (i + 1 >= s.size()) break;
    ++i;
    if (s[i] != u'&' && mode == HotkeyPrefixShow && out.underline < 0)
      out.underline = static_cast<int>(out.text.size());
    out.text += s[i];
  }
  return out;
}

QString TrimTrailingBlanks(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  return s.left(n);
}

void BreakParagraph(const Paragraph& para, const QFont& font, double width, bool wrap, bool keepBlanks,
                    std::vector<RawLine>& out) {
  auto push = [&](int start, int length, bool last) {
    RawLine l;
    l.text = para.text.mid(start, length);
    if (!keepBlanks) l.text = TrimTrailingBlanks(l.text);
    if (para.underline >= start && para.underline < start + l.text.size()) l.underline = para.underline - start;
    l.lastOfParagraph = last;
    out.push_back(std::move(l));
  };
  if (!wrap || para.text.isEmpty()) {
    push(0, static_cast<int>(para.text.size()), true);
    return;
  }
  QTextLayout layout(para.text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  std::vector<std::pair<int, int>> spans;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max(1.0, width));
    spans.emplace_back(line.textStart(), line.textLength());
  }
  layout.endLayout();
  for (size_t i = 0; i < spans.size(); ++i) push(spans[i].first, spans[i].second, i + 1 == spans.size());
}

// The longest start of Text that fits Width, cut after a character or,
// with Words, before a blank (falling back to a character cut).
int FittingLength(const QString& text, const QFontMetricsF& fm, double width, bool words, const QString& suffix) {
  int lo = 0, hi = static_cast<int>(text.size());
  while (lo < hi) {
    int mid = (lo + hi + 1) / 2;
    if (fm.horizontalAdvance(text.left(mid) + suffix) <= width) lo = mid;
    else hi = mid - 1;
  }
  const int n = lo;
  if (!words || n == text.size()) return n;
  int cut = n;
  while (cut > 0 && text[cut] != u' ' && text[cut - 1] != u' ') --cut;
  while (cut > 0 && text[cut - 1] == u' ') --cut;
  return cut > 0 ? cut : n;
}

// Trims a line that overflows the width, or the last visible line when
// more text follows.
void Trim(RawLine& line, StringTrimming mode, const QFontMetricsF& fm, double width, bool moreFollows) {
  bool overflow = fm.horizontalAdvance(line.text) > width;
  if (!overflow && !moreFollows) return;
  int keep = static_cast<int>(line.text.size());
  QString suffix;
  switch (mode) {
    case StringTrimmingNone:
      return;
    case StringTrimmingCharacter:
    case StringTrimmingWord:
      if (!overflow) return;
      keep = FittingLength(line.text, fm, width, mode == StringTrimmingWord, QString());
      break;
    case StringTrimmingEllipsisCharacter:
    case StringTrimmingEllipsisWord:
      suffix = kEllipsis;
      keep = FittingLength(line.text, fm, width, mode == StringTrimmingEllipsisWord, suffix);
      break;
    case StringTrimmingEllipsisPath:
      if (overflow) {
        line.text = fm.elidedText(line.text, Qt::ElideMiddle, width);
        line.underline = -1;
        return;
      }
      suffix = kEllipsis;
      keep = FittingLength(line.text, fm, width, false, suffix);
      break;
  }
  line.text = TrimTrailingBlanks(line.text.left(keep)) + suffix;
  if (line.underline >= keep) line.underline = -1;
}

}  // namespace

GpTextLayout LayoutString(std::string_view Text, const QFont& Font, float EmPixels, const GpRectF& Layout,
                          const GpStringFormat& Format) {
  GpTextLayout out;
  QFontMetricsF fm(Font);
  out.ascent = fm.ascent();
  out.lineSpacing = fm.lineSpacing();
  out.bounds = {Layout.X, Layout.Y, 0, 0};

  QString s = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
  s.remove(u'\r');
  if (s.isEmpty()) return out;

  const int flags = Format.GetFormatFlags();
  const bool boundedW = Layout.Width > 0, boundedH = Layout.Height > 0;
  const double pad = Format.Padded() ? EmPixels / 6.0 : 0.0;
  const double width = boundedW ? std::max(0.0, Layout.Width - 2 * pad) : kUnbounded;
  const bool wrap = boundedW && !(flags & StringFormatFlagsNoWrap);
  const bool keepBlanks = flags & StringFormatFlagsMeasureTrailingSpaces;

  std::vector<RawLine> lines;
  for (const QString& part : s.split(u'\n'))
    BreakParagraph(StripHotkeys(part, Format.GetHotkeyPrefix()), Font, width, wrap, keepBlanks, lines);

  size_t visible = lines.size();
  if (boundedH && out.lineSpacing > 0) {
    double fit = Layout.Height / out.lineSpacing;
    // Without the line limit a partly visible last line is shown.
    double n = (flags & StringFormatFlagsLineLimit) ? std::floor(fit + 1e-9) : std::ceil(fit - 1e-9);
    visible = std::min(visible, static_cast<size_t>(std::max(0.0, n)));
  }
  if (visible == 0) return out;
  const bool moreFollows = visible < lines.size();
  lines.resize(visible);
  if (boundedW || moreFollows) {
    for (size_t i = 0; i < lines.size(); ++i)
      Trim(lines[i], Format.GetTrimming(), fm, width, moreFollows && i + 1 == lines.size());
  }

  const double total = out.lineSpacing * static_cast<double>(lines.size());
  double top = Layout.Y;
  switch (Format.GetLineAlignment()) {
    case StringAlignmentCenter:
      top = boundedH ? Layout.Y + (Layout.Height - total) / 2 : Layout.Y - total / 2;
      break;
    case StringAlignmentFar:
      top = boundedH ? Layout.Y + Layout.Height - total : Layout.Y - total;
      break;
    default: break;
  }
  double left = std::numeric_limits<double>::max(), right = std::numeric_limits<double>::lowest();
  for (size_t i = 0; i < lines.size(); ++i) {
    GpTextLine l;
    l.text = std::move(lines[i].text);
    l.underline = lines[i].underline;
    l.width = fm.horizontalAdvance(l.text);
    l.top = top + out.lineSpacing * static_cast<double>(i);
    switch (Format.GetAlignment()) {
      case StringAlignmentCenter:
        l.x = boundedW ? Layout.X + (Layout.Width - l.width) / 2 : Layout.X - l.width / 2;
        break;
      case StringAlignmentFar:
        l.x = boundedW ? Layout.X + Layout.Width - pad - l.width : Layout.X - pad - l.width;
        break;
      default:
        l.x = Layout.X + pad;
        break;
    }
    left = std::min(left, l.x - pad);
    right = std::max(right, l.x + l.width + pad);
    out.codepointsFitted += static_cast<int>(l.text.size()) + (lines[i].lastOfParagraph ? 1 : 0);
    out.lines.push_back(std::move(l));
  }
  out.codepointsFitted = std::min(out.codepointsFitted, static_cast<int>(s.size()));
  double bottom = top + total;
  if (boundedH) {
    top = std::max<double>(top, Layout.Y);
    bottom = std::min<double>(bottom, Layout.Y + Layout.Height);
  }
  out.bounds = {float(left), float(top), float(right - left), float(std::max(0.0, bottom - top))};
  out.clip = (boundedW || boundedH) && !(flags & StringFormatFlagsNoClip);
  return out;
}
