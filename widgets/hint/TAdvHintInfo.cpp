#include "TAdvHintInfo.h"

#include <cstdint>

#include "core/TStringList.h"
#include "picture/TGDIPPicture.h"

namespace {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8Of(const std::u16string& Text) {
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size(); ++i) {
    char32_t c = Text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (Text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

TAdvHintInfo::TAdvHintInfo() : notes_(std::make_unique<TStringList>()), picture_(std::make_unique<TGDIPPicture>()) {}

TAdvHintInfo::~TAdvHintInfo() = default;

void TAdvHintInfo::Assign(const TPersistent* Source) {
  const auto* other = dynamic_cast<const TAdvHintInfo*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  Title = other->Title;
  ShowHelp = other->ShowHelp;
  WideTitle = other->WideTitle;
  WideNotes = other->WideNotes;
  SetNotes(other->Notes());
  SetPicture(other->Picture());
}

void TAdvHintInfo::SetNotes(const TStringList* Value) { notes_->Assign(Value); }

void TAdvHintInfo::SetPicture(const TGDIPPicture* Value) { picture_->Assign(Value); }

std::string TAdvHintInfo::NotesText() const { return notes_->Text(); }

std::string TAdvHintInfo::WideTitleText() const { return Utf8Of(WideTitle); }

std::string TAdvHintInfo::WideNotesText() const { return Utf8Of(WideNotes); }

bool TAdvHintInfo::IsEmpty() const {
  return Title.empty() && NotesText().empty() && WideTitle.empty() && WideNotes.empty();
}
