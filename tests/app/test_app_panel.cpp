// The "Displayed subpopulations" panel: its start state, switching rows on and
// off, choosing and editing subpopulations, the result row, its layout and its
// placement between openings.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/child_frame.h"
#include "app/dokument.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app/pop_dialog.h"
#include "app/pro_controls.h"
#include "app/subpopulation_panel.h"
#include "app_fixture.h"

using namespace orbica;

namespace {

CMPanel* PanelOf(CApp& app) { return app.MainFrame()->findChild<CMPanel*>(); }

QStringList Items(QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// Lets deferred deletions and queued calls run.
void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Stores a subpopulation of code `code` named `name` into the list; returns its identity.
int StoreEntry(CApp& app, const std::string& code, const std::string& name, Notifier& notifier) {
  CPopulace population(0);
  population.Masks() = test::Set(code);
  population.SetName(name);
  return app.Context().subpopulations.Store(population, 0, notifier)->Identity();
}

}  // namespace

class PanelTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { CChildFrame::ResetNumbering(); }

  void startState() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CMPanel* panel = PanelOf(app);
    QVERIFY(panel);
    QVERIFY(app.PanelVisible());
    QCOMPARE(panel->windowTitle(), QStringLiteral("Displayed subpopulations"));
    QCOMPARE(panel->DockCode(), kDockBottom);
    for (int row = 0; row < 4; ++row) {
      QCOMPARE(panel->ShownBox(row)->isChecked(), row == 0);
      QCOMPARE(panel->List(row)->isEnabled(), row == 0);
      QCOMPARE(panel->EditButton(row)->isEnabled(), row == 0);
    }
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(panel->List(row)->currentText(), QStringLiteral("Whole population"));
      QCOMPARE(panel->RowColor(row), QtColor(app.Context().settings.colors[static_cast<std::size_t>(row)]));
    }
    QCOMPARE(panel->RowColor(0), QColor(0xFF, 0x80, 0x80));  // 0x8080FF: red in the low byte
    QCOMPARE(panel->RowColor(3), QColor(192, 192, 192));
    QCOMPARE(Items(panel->List(3)), QStringList{QString::fromUtf8(kNoResultsItem)});
    // Tab runs along the rows: tick box, list, button, then the next row.
    QCOMPARE(panel->ShownBox(0)->nextInFocusChain(), static_cast<QWidget*>(panel->List(0)));
    QCOMPARE(panel->List(0)->nextInFocusChain(), static_cast<QWidget*>(panel->EditButton(0)));
    QCOMPARE(panel->EditButton(0)->nextInFocusChain(), static_cast<QWidget*>(panel->ShownBox(1)));
    QVERIFY(!panel->ShownBox(3)->isEnabled());
    QCOMPARE(panel->EditButton(0)->text(), QStringLiteral("Edit"));
    QCOMPARE(panel->EditButton(3)->text(), QStringLiteral("Add"));
    // The first list's drop-down part becomes the program's own list when first shown.
    CPROCombo* first = panel->FirstList();
    QVERIFY(first && !first->List());
    first->showPopup();
    QVERIFY(first->List() && first->view() == first->List());
    QCOMPARE(first->List()->Count(), first->count());
    QCOMPARE(first->List()->Text(first->currentIndex()), QStringLiteral("Whole population"));
    QCOMPARE(first->List()->ItemData(first->currentIndex()).toInt(), kWholePopulationIdentity);
    first->hidePopup();
    CPROCombo editable;
    editable.setEditable(true);
    QVERIFY(!editable.Edit());
    editable.show();
    QVERIFY(editable.Edit() && editable.lineEdit() == editable.Edit());
  }

  void switchingRowsChangesEveryHistogram() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    app.MainFrame()->NewHistogramWindow();
    CMPanel* panel = PanelOf(app);
    const auto shownCounts = [&] {
      QList<int> counts;
      for (CChildFrame* frame : app.MainFrame()->ChildFrames()) counts << frame->Document()->Data().shownCount;
      return counts;
    };
    QCOMPARE(shownCounts(), (QList<int>{1, 1}));

    QTest::mouseClick(panel->ShownBox(1), Qt::LeftButton);
    QVERIFY(app.Context().displayed.Shown(1));
    QCOMPARE(shownCounts(), (QList<int>{2, 2}));
    QVERIFY(panel->List(1)->isEnabled() && panel->EditButton(1)->isEnabled());

    panel->ShownBox(0)->click();
    QVERIFY(!app.Context().displayed.Shown(0));
    QCOMPARE(shownCounts(), (QList<int>{1, 1}));
    QCOMPARE(app.MainFrame()->ChildFrames().first()->Document()->Data().slot[0], 1);
    QVERIFY(!panel->List(0)->isEnabled() && !panel->EditButton(0)->isEnabled());

    // The last shown row cannot be switched off.
    panel->ShownBox(1)->click();
    QVERIFY(panel->ShownBox(1)->isChecked());
    QVERIFY(app.Context().displayed.Shown(1));
    QCOMPARE(shownCounts(), (QList<int>{1, 1}));
    // Without analysis results the result row stays off.
    panel->Switch(3);
    QVERIFY(!app.Context().displayed.Shown(3) && !panel->ShownBox(3)->isChecked());
  }

  void choosingPutsTheEntryIntoItsSlot() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    const int young = StoreEntry(app, "2a", "young", started.notifier);
    const int old = StoreEntry(app, "2c", "Old", started.notifier);
    app.refillPanel(app);
    CMPanel* panel = PanelOf(app);
    // Rows 0..2 list every entry by name.
    const QStringList items = Items(panel->List(0));
    QCOMPARE(items.size(), int(app.Context().subpopulations.Entries().size()));
    QVERIFY(items.contains("Old") && items.contains("young"));
    for (int i = 1; i < items.size(); ++i) QVERIFY(items[i - 1].compare(items[i], Qt::CaseInsensitive) <= 0);
    QCOMPARE(panel->List(0)->currentText(), QStringLiteral("Whole population"));

    Q_EMIT panel->List(0)->activated(items.indexOf("young"));
    QCOMPARE(app.Context().displayed.Subpopulation(0)->Identity(), young);
    const CDokument* document = app.MainFrame()->ChildFrames().first()->Document();
    QCOMPARE(document->Data().size[0], app.Context().model.Probability(test::Set("2a")));

    // A changed slot asks first; Cancel keeps the slot and the list shows it again.
    app.Context().displayed.Subpopulation(0)->SetName("young, edited");
    app.Context().displayed.SetModified(0, true);
    panel->FillLists();
    started.notifier.replies = {Reply::Cancel};
    const int oldIndex = panel->List(0)->findText("Old");
    panel->List(0)->setCurrentIndex(oldIndex);
    Q_EMIT panel->List(0)->activated(oldIndex);
    QCOMPARE(started.notifier.Texts().back(), std::string("Subpopulation hasn't been saved. Save?"));
    QCOMPARE(app.Context().displayed.Subpopulation(0)->Identity(), young);
    QCOMPARE(panel->List(0)->currentText(), QStringLiteral("young, edited"));
    // No: the slot takes the other entry.
    started.notifier.replies = {Reply::No};
    Q_EMIT panel->List(0)->activated(panel->List(0)->findText("Old"));
    QCOMPARE(app.Context().displayed.Subpopulation(0)->Identity(), old);
    QVERIFY(!app.Context().displayed.Modified(0));
  }

  void editingWithSaveOkAndAdd() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    AppContext& context = app.Context();
    const int identity = StoreEntry(app, "2a", "young", started.notifier);
    const std::size_t entries = context.subpopulations.Entries().size();
    context.displayed.Select(0, identity);
    app.refillPanel(app);
    CMPanel* panel = PanelOf(app);
    const std::filesystem::path folder = context.subpopulations.Folder();

    // Save: the file follows the new conditions and the slot takes the stored entry.
    test::ModalScript modals;
    modals.On<PopDialog>([](PopDialog* editor) {
      editor->QuestionList()->setCurrentRow(1);
      editor->AnswerList()->item(1)->setCheckState(Qt::Checked);
      editor->NameBox()->setText(QStringLiteral("young or middle"));
      editor->Button(3012)->click();
    });
    panel->Edit(0);
    QVERIFY(std::filesystem::exists(folder / "2ab.pop"));
    QVERIFY(!std::filesystem::exists(folder / "2a.pop"));
    QCOMPARE(context.subpopulations.Find(identity)->Name(), std::string("young or middle"));
    QCOMPARE(context.displayed.Subpopulation(0)->Masks(), test::Set("2ab"));
    QVERIFY(!context.displayed.Modified(0));
    QCOMPARE(panel->List(0)->currentText(), QStringLiteral("young or middle"));
    QVERIFY(!panel->RefillPending(0) && panel->RefillPending(1) && panel->RefillPending(2));
    QCOMPARE(app.MainFrame()->ChildFrames().first()->Document()->Data().size[0],
             context.model.Probability(test::Set("2ab")));

    // OK without storing marks the slot changed; the list shows the edited name.
    modals.On<PopDialog>([](PopDialog* editor) {
      editor->NameBox()->setText(QStringLiteral("renamed"));
      editor->Button(1)->click();
    });
    panel->Edit(0);
    QVERIFY(context.displayed.Modified(0));
    QCOMPARE(panel->List(0)->currentText(), QStringLiteral("renamed"));
    QCOMPARE(context.subpopulations.Find(identity)->Name(), std::string("young or middle"));

    // Add: a new entry with the same conditions replaces the stored one (after
    // the question); the slot holds it, unchanged.
    started.notifier.replies = {Reply::Yes};
    modals.On<PopDialog>([](PopDialog* editor) {
      editor->Button(3010)->click();
    });
    panel->Edit(0);
    QCOMPARE(context.subpopulations.Entries().size(), entries);
    const int added = context.subpopulations.Entries().back()->Identity();
    QVERIFY(context.subpopulations.Find(identity) == nullptr);
    QCOMPARE(context.displayed.Subpopulation(0)->Identity(), added);
    QVERIFY(!context.displayed.Modified(0));
    const QStringList items = Items(panel->List(1));
    QVERIFY(items.contains("renamed") && !items.contains("young or middle"));
    // A pending row is refilled when it is next used.
    Q_EMIT panel->List(1)->activated(items.indexOf("renamed"));
    QVERIFY(!panel->RefillPending(1));
  }

  void resultRowListsTheResults() {
    std::vector<std::unique_ptr<CInfPopulace>> results;
    for (int i = 0; i < 2; ++i) {
      results.push_back(std::make_unique<CInfPopulace>(-(i + 1)));
      results.back()->Masks() = test::Set(i == 0 ? "3a" : "3b");
      results.back()->SetName(i == 0 ? "first result" : "second result");
    }
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    AppContext& context = app.Context();
    context.displayed.SetResults(&results);
    app.hasResults = [](const CApp&) { return true; };
    app.resultCount = [](const CApp&) { return 2; };
    // As a completed run does: the best result into slot 3, shown.
    context.displayed.Select(kResultSlot, 0);
    context.displayed.Show(kResultSlot, true);
    app.refillPanel(app);
    CMPanel* panel = PanelOf(app);
    QCOMPARE(Items(panel->List(3)), (QStringList{"first result", "second result"}));
    QCOMPARE(panel->List(3)->currentIndex(), 0);
    QVERIFY(panel->ShownBox(3)->isEnabled() && panel->ShownBox(3)->isChecked());
    QVERIFY(panel->List(3)->isEnabled() && panel->EditButton(3)->isEnabled());
    QCOMPARE(panel->RowColor(3), QtColor(context.settings.colors[3]));

    Q_EMIT panel->List(3)->activated(1);
    QCOMPARE(context.displayed.Subpopulation(kResultSlot)->Identity(), -2);
    QCOMPARE(app.MainFrame()->ChildFrames().first()->Document()->Data().shownCount, 2);

    // Add on the result row: the entry is listed in rows 0..2; slot 3 keeps its copy.
    test::ModalScript modals;
    modals.On<PopDialog>([](PopDialog* editor) {
      editor->Button(3010)->click();
    });
    panel->Edit(3);
    QVERIFY(Items(panel->List(0)).contains(QStringLiteral("second result")));
    QCOMPARE(context.displayed.Subpopulation(kResultSlot)->Masks(), test::Set("3b"));
    QCOMPARE(panel->List(3)->currentIndex(), -1);  // no longer one of the results, shown by its name
    QCOMPARE(panel->List(3)->placeholderText(), QStringLiteral("second result"));
    QVERIFY(context.displayed.Shown(kResultSlot));
    context.displayed.SetResults(nullptr);
  }

  void layoutFollowsTheWidth() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMPanel* panel = PanelOf(*started.app);
    panel->setFloating(true);
    panel->resize(900, panel->height());
    QWidget* bar = panel->widget();
    QTRY_COMPARE(bar->width() > 800, true);
    // The lists take the width; the buttons keep theirs at the right edge, one per row.
    const int height = bar->height();
    const auto places = [&] {
      QList<QRect> p;
      for (int row = 0; row < 4; ++row) p << panel->EditButton(row)->geometry().translated(-bar->width(), 0);
      return p;
    };
    const QList<QRect> buttons = places();
    const int listWidth = panel->List(0)->width();
    panel->resize(1100, panel->height());
    QTRY_COMPARE(bar->width() > 1000, true);
    QCOMPARE(places(), buttons);
    QCOMPARE(bar->height(), height);
    for (int row = 0; row < 4; ++row) {
      QCOMPARE(panel->List(row)->width(), listWidth + 200);
      if (row > 0) QVERIFY(panel->EditButton(row)->y() > panel->EditButton(row - 1)->geometry().bottom());
    }
  }

  void placementAndStateSurviveClosing() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CSettings& settings = app.Context().settings;
    CMPanel* panel = PanelOf(app);
    panel->ShownBox(1)->click();
    app.MainFrame()->addDockWidget(Qt::TopDockWidgetArea, panel);
    app.TogglePanel();
    Settle();
    QVERIFY(!PanelOf(app) && !app.PanelVisible());
    QCOMPARE(settings.Placement(kPlacementPanel)->dock, kDockTop);
    app.TogglePanel();
    panel = PanelOf(app);
    QCOMPARE(panel->DockCode(), kDockTop);
    QCOMPARE(app.MainFrame()->dockWidgetArea(panel), Qt::TopDockWidgetArea);
    QVERIFY(panel->ShownBox(0)->isChecked() && panel->ShownBox(1)->isChecked() && panel->List(1)->isEnabled());

    // Floating: its place and width come back.
    panel->setFloating(true);
    panel->move(40, 160);  // wholly on the 800-pixel offscreen screen
    panel->resize(720, panel->height());
    Settle();
    const QRect floating = panel->geometry();
    panel->close();  // the close box closes the panel like the panel command
    Settle();
    QVERIFY(!PanelOf(app));
    QCOMPARE(settings.Placement(kPlacementPanel)->dock, kDockFloating);
    app.TogglePanel();
    panel = PanelOf(app);
    QVERIFY(panel->isFloating());
    QCOMPARE(panel->DockCode(), kDockFloating);
    QCOMPARE(panel->geometry(), floating);

    // The right button in a histogram closes and opens it too.
    CHistogram* view = app.MainFrame()->ActiveView();
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(5, 5));
    Settle();
    QVERIFY(!PanelOf(app));
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(PanelOf(app) && PanelOf(app)->isFloating());

    // A record from the settings file docks it at the bottom.
    app.TogglePanel();
    settings.RecordPlacement({0, 0, 800, 100, kDockBottom, kPlacementPanel});
    app.TogglePanel();
    QCOMPARE(PanelOf(app)->DockCode(), kDockBottom);
  }

  // Last: it ends the event loop the way the program ends.
  void floatingPanelLetsTheProgramEnd() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    CMPanel* panel = PanelOf(app);
    panel->setFloating(true);
    panel->move(200, 150);
    bool ended = true;
    QTimer::singleShot(0, app.MainFrame(), [&] { app.MainFrame()->close(); });
    QTimer::singleShot(60000, qApp, [&] {
      ended = false;
      QCoreApplication::quit();
    });
    QCoreApplication::exec();
    QVERIFY(ended);
    const std::optional<PlacementRecord> record = app.Context().settings.Placement(kPlacementPanel);
    QVERIFY(record && record->dock == kDockFloating);
    QCOMPARE(QPoint(record->x, record->y), QPoint(200, 150));
  }

 private:
  static QColor QtColor(Color c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
};

QTEST_MAIN(PanelTest)

#include "test_app_panel.moc"
