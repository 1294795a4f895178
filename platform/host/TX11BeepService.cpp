#include "TX11BeepService.h"

#include <dlfcn.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace {
using BellFn = xcb_void_cookie_t (*)(xcb_connection_t*, int8_t);
using FlushFn = int (*)(xcb_connection_t*);
}  // namespace

TX11BeepService::TX11BeepService() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app || QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  // Only the copy already loaded by Qt: no X11 platform, no bell.
  void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
  if (!xcb) return;
  void* bell = dlsym(xcb, "xcb_bell");
  void* flush = dlsym(xcb, "xcb_flush");
  // Qt keeps the library loaded for as long as the connection lives.
  dlclose(xcb);
  if (!bell || !flush) return;
  connection_ = x11->connection();
  bell_ = bell;
  flush_ = flush;
}

void TX11BeepService::MessageBeep(uint32_t) {
  if (!bell_) return;
  auto* c = static_cast<xcb_connection_t*>(connection_);
  reinterpret_cast<BellFn>(bell_)(c, 0);
  reinterpret_cast<FlushFn>(flush_)(c);
}
