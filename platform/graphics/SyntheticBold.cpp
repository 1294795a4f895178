#include "SyntheticBold.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <map>
#include <tuple>

namespace {

bool HasBoldFace(const QString& Family) {
  for (const QString& style : QFontDatabase::styles(Family))
    if (QFontDatabase::weight(Family, style) >= QFont::DemiBold) return true;
  return false;
}

// The growth wanted less the growth the rasteriser gives, per glyph of a
// sample; 0 for a family that has a bold face.
qreal MeasureSpacing(const QFont& Font) {
  const QFontInfo info(Font);
  if (HasBoldFace(info.family())) return 0;
  QFont bold = Font;
  bold.setLetterSpacing(QFont::AbsoluteSpacing, 0);
  QFont regular = bold;
  regular.setBold(false);
  const QString sample = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  const qreal grown =
      (QFontMetricsF(bold).horizontalAdvance(sample) - QFontMetricsF(regular).horizontalAdvance(sample)) /
      sample.size();
  return info.pixelSize() / 24.0 - grown;
}

}  // namespace

void SpaceSyntheticBold(QFont& Font) {
  if (!Font.bold()) return;
  // Measured once per family, size and hinting: fonts are made on every
  // paint of some controls.
  using TKey = std::tuple<QString, int, int>;
  static std::map<TKey, qreal> spacing;
  const TKey key{Font.family(), Font.pixelSize(), static_cast<int>(Font.hintingPreference())};
  auto it = spacing.find(key);
  if (it == spacing.end()) it = spacing.emplace(key, MeasureSpacing(Font)).first;
  if (it->second != 0) Font.setLetterSpacing(QFont::AbsoluteSpacing, it->second);
}
