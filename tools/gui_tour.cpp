// Takes the user guide's screenshots: starts Orbica on a census folder, arranges
// its windows as a user would and grabs the screen of the running X server.
//   orbica-gui-tour CENSUS_FOLDER OUTPUT_FOLDER   (run it under xvfb-run)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "analysis/analysis.h"
#include "app/analysis_results.h"
#include "app/analysis_run.h"
#include "app/answer_list.h"
#include "app/app.h"
#include "app/child_frame.h"
#include "app/command_table.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "screen_shot.h"
#include "survey/settings.h"

namespace {

using orbica::tour::Settle;
using orbica::tour::Shot;

// Identity of the listed subpopulation with this name (1 when there is none).
int IdentityOf(orbica::CApp& app, const std::string& name) {
  for (const auto& entry : app.Context().subpopulations.Entries())
    if (entry->Name() == name) return entry->Identity();
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: orbica-gui-tour CENSUS_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const QString census = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[2]);
  QApplication qapp(argc, argv);
  QDir().mkpath(output);
  orbica::CApp app(census);
  // The getting-started text opens modally at start-up: close it once it shows.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      Shot(output, "getting-started.png");
      modal->close();
      closer.stop();
    }
  });
  closer.start(300);
  if (!app.InitInstance()) return 1;
  closer.stop();
  Settle(500);
  orbica::CMainFrame* frame = app.MainFrame();
  frame->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  orbica::CDisplayedSubpopulations& slots = app.Context().displayed;
  slots.Select(1, IdentityOf(app, "Women aged 30-49 with a university degree"));
  slots.Show(1, true);
  slots.Select(2, IdentityOf(app, "Pensioners living alone"));
  slots.Show(2, true);
  if (app.refillPanel) app.refillPanel(app);
  app.RefreshAllHistograms();

  // Window 1: 3D bars beside each other with their error boxes, on the age groups.
  frame->Action(orbica::cmd::kArrangement)->setChecked(true);
  frame->Action(orbica::cmd::kDisplayErrors)->setChecked(true);
  orbica::CChildFrame* first = frame->ActiveChildFrame();
  first->Document()->SetQuestion(2);
  frame->Route(orbica::cmd::k3DBar);
  // Window 2: pies of the main occupation.
  orbica::CChildFrame* second = frame->NewHistogramWindow();
  second->Document()->SetQuestion(5);
  frame->Route(orbica::cmd::kPie);
  frame->MdiArea()->tileSubWindows();
  frame->MdiArea()->setActiveSubWindow(first);
  frame->Route(orbica::cmd::kAnswerList);
  if (QWidget* answers = app.AnswerList()) {

    const QRect area = frame->geometry();
    answers->setGeometry(area.right() - 760, area.top() + 150, 700, 170);
  }
  Shot(output, "main-window.png");

  frame->MdiArea()->setActiveSubWindow(first);
  frame->Route(orbica::cmd::kCylinder);
  frame->Route(orbica::cmd::kAnswerList);  // hide it again
  frame->Route(orbica::cmd::kTable2D);
  Shot(output, "cross-table.png");
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle().startsWith(QStringLiteral("Table for"))) w->close();

  // An analysis: where is public transport to work most frequent?
  orbica::CAnalysis& analysis = app.Context().analysis;
  analysis.criterion = 4;
  analysis.firstChoice = orbica::AnswerSlot(12, 6);
  analysis.secondChoice = -1;
  analysis.maxLength = 2;
  analysis.MakeTitle();
  app.runAnalysis = [](orbica::CApp& a) {
    return orbica::RunSearch(a.Context().analysis, a.Notifier(), a.MainFrame());
  };
  QTimer results;
  QObject::connect(&results, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<orbica::CAnalSeznam*>(QApplication::activeModalWidget());
    if (!dialog) return;
    results.stop();
    dialog->List()->setCurrentRow(0);
    Shot(output, "analysis-results.png");
    dialog->accept();
  });
  results.start(200);
  frame->Route(orbica::cmd::kRunAnalysis);
  frame->MdiArea()->setActiveSubWindow(second);
  frame->Route(orbica::cmd::k3DBar);
  second->Document()->SetQuestion(12);
  Shot(output, "analysis-slot3.png");
  return 0;
}
