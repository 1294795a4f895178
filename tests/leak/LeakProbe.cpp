// A program that leaks on purpose inside a mouse handler reached from Qt's
// event delivery, so that the test suite can show that the leak checker
// still reports leaks under Qt's frames (a suppression that named a Qt
// library would hide every leak in event handling).
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

#include "graphics/TGraphicsRuntime.h"
#include "host/TQtHost.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TCustomForm.h"

namespace {
char* volatile sink = nullptr;
}

int main(int argc, char** argv) {
  TGraphicsRuntime graphics(argc, argv, true);
  TQtHost host;
  TMonotonicClock clock;
  TApplication app(host, clock);
  app.Initialize();
  TForm* form = app.CreateForm<TForm>();
  form->SetBounds(0, 0, 100, 100);
  form->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    sink = new char[77];  // the leak the checker must report
    sink = nullptr;
  };
  form->Show();
  app.ProcessMessages();
  QWindow* window = QGuiApplication::topLevelWindows().value(0);
  if (!window) return 2;
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), window->mapToGlobal(QPointF(10, 10)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &press);
  return 0;
}
