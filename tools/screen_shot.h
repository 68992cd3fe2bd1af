// Helpers of the screenshot tours: let the event loop settle, then grab the
// whole screen of the running X server into a PNG file.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <cstdio>

namespace orbica::tour {

inline void Settle(int ms = 300) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Writes the screen to `folder`/`name` and says so on standard output.
inline void Shot(const QString& folder, const QString& name) {
  Settle();
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  const QString path = QDir(folder).filePath(name);
  std::printf("%s %s\n", screen.save(path) ? "wrote" : "could not write", qPrintable(path));
  std::fflush(stdout);
}

}  // namespace orbica::tour
