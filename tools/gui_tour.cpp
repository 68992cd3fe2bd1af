// Takes the user guide's screenshots: starts Orbica on a census folder, arranges
// its windows as a user would and grabs the screen of the running X server.
//   orbica-gui-tour CENSUS_FOLDER OUTPUT_FOLDER   (run it under xvfb-run; the
//   locale chooses the language, LANGUAGE=cs for Czech)
#include <QAction>
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
#include "app/analysis_dialog.h"
#include "app/analysis_results.h"
#include "app/analysis_run.h"
#include "app/answer_list.h"
#include "app/app.h"
#include "app/child_frame.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/pop_dialog.h"
#include "app/question_list_dialog.h"
#include "app/translations.h"
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

// Grabs one window (not the screen) once it has settled.
void Grab(QWidget& window, const QString& folder, const QString& name) {
  window.show();
  Settle();
  const QString path = QDir(folder).filePath(name);
  std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "could not write", qPrintable(path));
  window.hide();
}

// The dialogs at their first size, each grabbed on its own.
void GrabDialogs(orbica::CApp& app, const QString& folder) {
  orbica::CAnalDlg parameters(app.Context().questions, app.Notifier(), app.MainFrame(),
                              {.criterion = 4, .firstChoice = orbica::AnswerSlot(12, 6), .maxLength = 2});
  Grab(parameters, folder, QStringLiteral("dialog-analysis.png"));
  orbica::ListOtazek questions(app, 3, app.MainFrame());
  Grab(questions, folder, QStringLiteral("dialog-question-list.png"));
  orbica::CPopulace population(0);
  population.Masks()[2] = 0x6;
  orbica::PopDialog editor(app, population, app.MainFrame());
  Grab(editor, folder, QStringLiteral("dialog-editor.png"));
  orbica::CAnalSeznam results(app.Context().analysis, app.Context().questions, app.MainFrame());
  results.SelectRow(0);
  Grab(results, folder, QStringLiteral("dialog-results.png"));
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
  orbica::InstallTranslations();
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
  frame->Action(QStringLiteral("graph.arrangement"))->setChecked(true);
  frame->Action(QStringLiteral("graph.errors"))->setChecked(true);
  orbica::CChildFrame* first = frame->ActiveChildFrame();
  first->Document()->SetQuestion(2);
  frame->Action(QStringLiteral("graph.bar3d"))->trigger();
  // Window 2: pies of the main occupation.
  orbica::CChildFrame* second = frame->NewHistogramWindow();
  second->Document()->SetQuestion(5);
  frame->Action(QStringLiteral("graph.pie"))->trigger();
  frame->MdiArea()->tileSubWindows();
  frame->MdiArea()->setActiveSubWindow(first);
  frame->Action(QStringLiteral("show.answerList"))->trigger();
  if (QWidget* answers = app.AnswerList()) {

    const QRect area = frame->geometry();
    answers->setGeometry(area.right() - 760, area.top() + 150, 700, 170);
  }
  Shot(output, "main-window.png");

  frame->MdiArea()->setActiveSubWindow(first);
  frame->Action(QStringLiteral("graph.cylinder"))->trigger();
  frame->Action(QStringLiteral("show.answerList"))->trigger();  // hide it again
  frame->Action(QStringLiteral("table.new"))->trigger();
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
    dialog->SelectRow(0);
    Shot(output, "analysis-results.png");
    dialog->accept();
  });
  results.start(200);
  frame->Action(QStringLiteral("analysis.run"))->trigger();
  frame->MdiArea()->setActiveSubWindow(second);
  frame->Action(QStringLiteral("graph.bar3d"))->trigger();
  second->Document()->SetQuestion(12);
  Shot(output, "analysis-slot3.png");
  GrabDialogs(app, output);
  return 0;
}
