#include "TQtHost.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRasterWindow>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include "ScanCodeKeys.h"
#include "graphics/QtBridge.h"
#include "graphics/TBitmap.h"
#include "ui/Messages.h"

namespace {

uint16_t VirtualKey(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<uint16_t>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint16_t>('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<uint16_t>(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VK_MENU;
    case Qt::Key_Menu: return VK_APPS;
    default: return 0;
  }
}

TShiftState ShiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b = Qt::NoButton) {
  TShiftState s;
  if (m & Qt::ShiftModifier) s.Include(ssShift);
  if (m & Qt::ControlModifier) s.Include(ssCtrl);
  if (m & Qt::AltModifier) s.Include(ssAlt);
  if (b & Qt::LeftButton) s.Include(ssLeft);
  if (b & Qt::RightButton) s.Include(ssRight);
  if (b & Qt::MiddleButton) s.Include(ssMiddle);
  return s;
}

TMouseButton ButtonOf(Qt::MouseButton b) {
  return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
}

Qt::CursorShape ShapeOf(TCursor c) {
  switch (c) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crNo: return Qt::ForbiddenCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crNone: return Qt::BlankCursor;
    default: return Qt::ArrowCursor;
  }
}

// Runs a host callback; a failure must not unwind through Qt.
template <class F>
void Safely(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

}  // namespace

class TQtHostWindow : public QRasterWindow {
 public:
  TQtHostWindow(TQtHost& host, THostWindow id, const THostWindowParams& p) : host_(host), id_(id), params_(p) {
    SetOwned(p.Transient != 0);
    setTitle(QString::fromStdString(p.Title));
    setGeometry(ToQRect(p.Bounds));
  }

  // An owned form is a dialog of its owner: kept above it, and left out of
  // the taskbar by the desktop. Hints and menus are never managed by the
  // desktop at all, so they stay on top and have no taskbar entry.
  void SetOwned(bool owned) {
    Qt::WindowFlags flags;
    switch (params_.Kind) {
      case hwkFramed: flags = owned ? Qt::Dialog : Qt::Window; break;
      case hwkFrameless: flags = (owned ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint; break;
      case hwkPopup:
        flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint;
        break;
      case hwkMenu: flags = Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint; break;
    }
    if (params_.InputTransparent) flags |= Qt::WindowTransparentForInput;
    if (flags != this->flags()) setFlags(flags);
  }

  void Show(const QImage* image) { image_ = image; }
  const QImage* image_ = nullptr;
  bool settingGeometry = false;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (!image_ || image_->isNull()) {
      p.fillRect(QRect(QPoint(), size()), Qt::white);
      return;
    }
    for (const QRect& r : e->region()) p.drawImage(r, *image_, r);
  }

  void mousePressEvent(QMouseEvent* e) override { Mouse(hmPress, e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { Mouse(hmDoubleClick, e); }
  void mouseReleaseEvent(QMouseEvent* e) override { Mouse(hmRelease, e); }
  void mouseMoveEvent(QMouseEvent* e) override { Mouse(hmMove, e); }
  void wheelEvent(QWheelEvent* e) override {
    THostMouseEvent m;
    m.Kind = hmWheel;
    m.Pos = {int(e->position().x()), int(e->position().y())};
    m.Screen = {int(e->globalPosition().x()), int(e->globalPosition().y())};
    m.Shift = ShiftOf(e->modifiers(), e->buttons());
    m.WheelDelta = e->angleDelta().y();
    Send([&](IHostListener* l) { l->HostMouse(id_, m); });
  }
  void keyPressEvent(QKeyEvent* e) override { Key(true, e); }
  void keyReleaseEvent(QKeyEvent* e) override { Key(false, e); }
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    Send([&](IHostListener* l) { l->HostCloseRequest(id_); });
  }
  void resizeEvent(QResizeEvent*) override { Geometry(); }
  void moveEvent(QMoveEvent*) override { Geometry(); }
  bool event(QEvent* e) override {
    if (e->type() == QEvent::WindowActivate) Send([&](IHostListener* l) { l->HostActivated(id_, true); });
    if (e->type() == QEvent::WindowDeactivate) Send([&](IHostListener* l) { l->HostActivated(id_, false); });
    if (e->type() == QEvent::WindowStateChange) Geometry();
    if (e->type() == QEvent::Leave) {
      THostMouseEvent m;
      m.Kind = hmLeave;
      m.Screen = {QCursor::pos().x(), QCursor::pos().y()};
      Send([&](IHostListener* l) { l->HostMouse(id_, m); });
    }
    return QRasterWindow::event(e);
  }

 private:
  template <class F>
  void Send(F&& f) {
    if (IHostListener* l = host_.Listener()) Safely([&] { f(l); });
  }
  void Mouse(THostMouseKind kind, QMouseEvent* e) {
    THostMouseEvent m;
    m.Kind = kind;
    m.Button = ButtonOf(e->button());
    m.Pos = {int(e->position().x()), int(e->position().y())};
    m.Screen = {int(e->globalPosition().x()), int(e->globalPosition().y())};
    Qt::MouseButtons held = e->buttons();
    m.Shift = ShiftOf(e->modifiers(), held);
    Send([&](IHostListener* l) { l->HostMouse(id_, m); });
  }
  void Key(bool down, QKeyEvent* e) {
    uint16_t vk = VirtualKey(e->key());
    // A letter of another script still names its key by its position.
    if (vk == 0) vk = VirtualKeyFromScanCode(e->nativeScanCode());
    host_.KeyState(vk, down);
    THostKeyEvent k;
    k.Down = down;
    k.Key = vk;
    k.Shift = ShiftOf(e->modifiers());
    k.AutoRepeat = e->isAutoRepeat();
    if (down) k.Text = e->text().toStdU32String();
    if (vk == 0 && k.Text.empty()) return;
    Send([&](IHostListener* l) { l->HostKey(id_, k); });
  }
  void Geometry() {
    if (settingGeometry) return;
    THostShowState s = windowStates() & Qt::WindowMinimized   ? hssMinimized
                       : windowStates() & Qt::WindowMaximized ? hssMaximized
                                                              : hssNormal;
    QRect g = geometry();
    TRect b = TRect::Bounds(g.x(), g.y(), g.width(), g.height());
    Send([&](IHostListener* l) { l->HostGeometryChanged(id_, b, s); });
  }

  TQtHost& host_;
  THostWindow id_;
  THostWindowParams params_;
};

struct TQtHost::Waker {
  QTimer timer;
};

TQtHost::TQtHost() : waker_(std::make_unique<Waker>()) { waker_->timer.setSingleShot(true); }

TQtHost::~TQtHost() {
  for (auto& [id, w] : windows_) delete w;
}

TQtHostWindow* TQtHost::Find(THostWindow Window) const {
  auto it = windows_.find(Window);
  return it == windows_.end() ? nullptr : it->second;
}

THostWindow TQtHost::CreateWindow(const THostWindowParams& Params) {
  THostWindow id = nextId_++;
  auto* w = new TQtHostWindow(*this, id, Params);
  if (Params.Transient)
    if (TQtHostWindow* parent = Find(Params.Transient)) w->setTransientParent(parent);
  windows_[id] = w;
  return id;
}

TQtHost::TWindowTraits TQtHost::Traits(THostWindow Window) const {
  TWindowTraits t;
  TQtHostWindow* w = Find(Window);
  if (!w) return t;
  for (const auto& [id, other] : windows_)
    if (other == w->transientParent()) t.Owner = id;
  Qt::WindowFlags f = w->flags();
  t.TaskbarEntry = w->type() == Qt::Window && !w->transientParent();
  t.TakesFocus = !(f & Qt::WindowDoesNotAcceptFocus);
  t.StaysOnTop = (f & Qt::WindowStaysOnTopHint) || w->type() == Qt::Popup || w->type() == Qt::ToolTip;
  t.Mapped = w->isVisible();
  return t;
}

void TQtHost::DestroyWindow(THostWindow Window) {
  TQtHostWindow* w = Find(Window);
  if (!w) return;
  windows_.erase(Window);
  w->hide();
  w->image_ = nullptr;
  // The window may be inside one of its own event handlers.
  w->deleteLater();
}

void TQtHost::SetBounds(THostWindow Window, const TRect& Bounds) {
  TQtHostWindow* w = Find(Window);
  if (!w) return;
  w->settingGeometry = true;
  w->setGeometry(ToQRect(Bounds));
  w->settingGeometry = false;
}

void TQtHost::SetShowState(THostWindow Window, THostShowState State) {
  TQtHostWindow* w = Find(Window);
  if (!w) return;
  switch (State) {
    case hssHidden: w->hide(); break;
    case hssNormal: w->showNormal(); break;
    case hssMinimized: w->showMinimized(); break;
    case hssMaximized: w->showMaximized(); break;
  }
}

void TQtHost::SetTransient(THostWindow Window, THostWindow Owner) {
  TQtHostWindow* w = Find(Window);
  if (!w) return;
  TQtHostWindow* owner = Owner != Window ? Find(Owner) : nullptr;
  w->SetOwned(owner != nullptr);
  w->setTransientParent(owner);
}

void TQtHost::SetTitle(THostWindow Window, const std::string& Title) {
  if (TQtHostWindow* w = Find(Window)) w->setTitle(QString::fromStdString(Title));
}

void TQtHost::SetIcon(THostWindow Window, std::span<const uint8_t> Image) {
  TQtHostWindow* w = Find(Window);
  if (!w) return;
  QImage image;
  if (!Image.empty()) image.loadFromData(Image.data(), static_cast<int>(Image.size()));
  w->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}

void TQtHost::SetMask(THostWindow Window, const TRegion* Region) {
  if (TQtHostWindow* w = Find(Window)) w->setMask(Region ? ToQRegion(*Region) : QRegion());
}

void TQtHost::Present(THostWindow Window, const TBitmap& BackBuffer, const TRegion& Dirty) {
  TQtHostWindow* w = Find(Window);
  if (!w) return;
  w->Show(&BackBuffer.Data().image);
  w->update(ToQRegion(Dirty));
}

void TQtHost::SetCursor(THostWindow Window, TCursor Cursor) {
  if (TQtHostWindow* w = Find(Window)) w->setCursor(QCursor(ShapeOf(Cursor)));
}

bool TQtHost::StartSystemMove(THostWindow Window) {
  TQtHostWindow* w = Find(Window);
  return w && w->startSystemMove();
}

bool TQtHost::StartSystemResize(THostWindow Window, int HitTest) {
  TQtHostWindow* w = Find(Window);
  if (!w) return false;
  Qt::Edges edges;
  if (HitTest == HTLEFT || HitTest == HTTOPLEFT || HitTest == HTBOTTOMLEFT) edges |= Qt::LeftEdge;
  if (HitTest == HTRIGHT || HitTest == HTTOPRIGHT || HitTest == HTBOTTOMRIGHT) edges |= Qt::RightEdge;
  if (HitTest == HTTOP || HitTest == HTTOPLEFT || HitTest == HTTOPRIGHT) edges |= Qt::TopEdge;
  if (HitTest == HTBOTTOM || HitTest == HTBOTTOMLEFT || HitTest == HTBOTTOMRIGHT) edges |= Qt::BottomEdge;
  return edges && w->startSystemResize(edges);
}

void TQtHost::Activate(THostWindow Window) {
  if (TQtHostWindow* w = Find(Window)) w->requestActivate();
}

void TQtHost::SetMouseGrab(THostWindow Window, bool Grab) {
  if (TQtHostWindow* w = Find(Window)) w->setMouseGrabEnabled(Grab);
}

std::vector<TMonitor> TQtHost::Monitors() const {
  std::vector<TMonitor> out;
  QScreen* primary = QGuiApplication::primaryScreen();
  for (QScreen* s : QGuiApplication::screens()) {
    QRect g = s->geometry(), a = s->availableGeometry();
    out.push_back({TRect::Bounds(g.x(), g.y(), g.width(), g.height()),
                   TRect::Bounds(a.x(), a.y(), a.width(), a.height()), s == primary});
  }
  return out;
}

TPoint TQtHost::CursorPos() const {
  QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

void TQtHost::KeyState(uint16_t Key, bool Down) {
  if (Down) keys_.insert(Key);
  else keys_.erase(Key);
}

bool TQtHost::IsKeyDown(uint16_t Key) const {
  Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
  switch (Key) {
    case VK_SHIFT: return m & Qt::ShiftModifier;
    case VK_CONTROL: return m & Qt::ControlModifier;
    case VK_MENU: return m & Qt::AltModifier;
    case VK_LBUTTON: return QGuiApplication::mouseButtons() & Qt::LeftButton;
    case VK_RBUTTON: return QGuiApplication::mouseButtons() & Qt::RightButton;
    default: return keys_.count(Key) != 0;
  }
}

void TQtHost::ProcessEvents(int TimeoutMs) {
  if (TimeoutMs == 0) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return;
  }
  // The timer's event ends the wait when nothing else comes first.
  if (TimeoutMs > 0) waker_->timer.start(TimeoutMs);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  waker_->timer.stop();
}
