// The census viewer: loads the census of the current folder and opens its window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "app/qt_notifier.h"
#include "engine/app_context.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orbica"));
  orbica::QtNotifier notifier;
  orbica::AppContext context(notifier);
  if (context.StartUp() != 0) return 1;

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Orbica"));
  auto* label = new QLabel(QStringLiteral("Components : %1\nRespondents : %2")
                               .arg(context.model.Components())
                               .arg(context.model.Respondents()));
  label->setAlignment(Qt::AlignCenter);
  window.setCentralWidget(label);
  window.showMaximized();
  return app.exec();
}
