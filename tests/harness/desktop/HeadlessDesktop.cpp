#include "HeadlessDesktop.h"

#include "graphics/TBitmap.h"
#include "ui/TWinControl.h"

HeadlessDesktop::HeadlessDesktop() : app_(std::make_unique<TApplication>(host_, clock_)) {
  clock_.Set(1000);
  wallClock_.Set({});
  app_->SetWallClock(&wallClock_);
  app_->SetTitle("Test");
  app_->MessageBoxHook = [this](const std::string& text, const std::string& caption, int flags) {
    messages_.push_back({text, caption, flags});
    return IDOK;
  };
}

HeadlessDesktop::~HeadlessDesktop() { app_.reset(); }

TPoint HeadlessDesktop::ScreenPoint(const TControl* Control, TPoint Client) { return Control->ClientToScreen(Client); }

void HeadlessDesktop::MoveTo(const TControl* Control, TPoint Client) { host_.MoveMouse(ScreenPoint(Control, Client)); }

void HeadlessDesktop::Press(TMouseButton Button) { host_.PressMouse(Button); }

void HeadlessDesktop::Release(TMouseButton Button) { host_.ReleaseMouse(Button); }

void HeadlessDesktop::Click(const TControl* Control, TPoint Client) {
  MoveTo(Control, Client);
  Press();
  Release();
}

void HeadlessDesktop::Click(const TControl* Control) {
  Click(Control, {Control->Width() / 2, Control->Height() / 2});
}

void HeadlessDesktop::Key(uint16_t VirtualKey, std::u32string Text) {
  host_.PressKey(VirtualKey, std::move(Text));
  host_.ReleaseKey(VirtualKey);
}

void HeadlessDesktop::Type(char32_t Ch) {
  uint16_t vk = Ch >= 'a' && Ch <= 'z' ? static_cast<uint16_t>(Ch - 'a' + 'A') : static_cast<uint16_t>(Ch);
  Key(vk, std::u32string(1, Ch));
}

TColor HeadlessDesktop::Pixel(const TControl* Control, int X, int Y) {
  Paint();
  const TControl* top = Control;
  while (top->Parent() && !(dynamic_cast<const TWinControl*>(top) && static_cast<const TWinControl*>(top)->IsTopLevel()))
    top = top->Parent();
  auto* window = dynamic_cast<const TWinControl*>(top);
  TBitmap* buffer = window ? app_->Windows().BackBuffer(window) : nullptr;
  if (!buffer) return -1;
  TPoint p = Control->ClientToScreen({X, Y}) - window->ClientOrigin();
  if (p.X < 0 || p.Y < 0 || p.X >= buffer->Width() || p.Y >= buffer->Height()) return -1;
  return buffer->Canvas()->Pixel(p.X, p.Y);
}
