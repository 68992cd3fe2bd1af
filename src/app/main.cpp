// The census viewer: loads the census of the current folder and opens its windows.
#include <QApplication>

#include "app/app.h"
#include "app/translations.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orbica"));
  Q_INIT_RESOURCE(orbica);
  orbica::InstallTranslations();
  orbica::CApp app;
  if (!app.InitInstance()) return 1;
  const int result = qapp.exec();
  app.ExitInstance();
  return result;
}
