// Every dialog and the subpopulation panel, in English and in Czech: no label,
// button or check box is narrower than its text needs, every control that takes
// input has a name for screen readers, and open lists stay at most 300 px high.
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "analysis/analysis.h"
#include "app/analysis_dialog.h"
#include "app/analysis_results.h"
#include "app/analysis_run.h"
#include "app/answer_list.h"
#include "app/cross_table_window.h"
#include "app/dialogs.h"
#include "app/histogram_view.h"
#include "app/info_dialog.h"
#include "app/main_frame.h"
#include "app/nav_panel.h"
#include "app/pop_dialog.h"
#include "app/progress_dialog.h"
#include "app/qt_notifier.h"
#include "app/question_list_dialog.h"
#include "app/start_dialog.h"
#include "app/subpopulation_list_dialog.h"
#include "app/subpopulation_panel.h"
#include "app/translations.h"
#include "app_fixture.h"

using namespace orbica;

namespace {

bool InsideComboBox(const QWidget* widget) {
  for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
    if (qobject_cast<const QComboBox*>(w)) return true;
  return false;
}

// Controls the user types into, clicks or moves through.
bool TakesInput(const QWidget* w) {
  if (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QHeaderView*>(w) || InsideComboBox(w)) return false;
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QAbstractItemView*>(w);
}

QString AccessibleName(QWidget* w) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
  return face ? face->text(QAccessible::Name) : QString();
}

// Every fault of `window`'s controls, one line each ("" when there is none).
QString Faults(QWidget* window) {
  QStringList faults;
  const auto where = [window](QWidget* w) {
    return QStringLiteral("%1/%2").arg(window->objectName(), w->objectName());
  };
  // Opening a list makes and removes widgets of its own: the list is taken first.
  QList<QPointer<QWidget>> widgets;
  for (QWidget* w : window->findChildren<QWidget*>()) widgets << w;
  for (QWidget* w : widgets) {
    if (!w || !w->isVisibleTo(window) || InsideComboBox(w)) continue;
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
      const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                          : label->width() >= label->sizeHint().width();
      if (!fits) faults << QStringLiteral("%1 \"%2\" is cut").arg(where(w), label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
      if (button->width() < button->sizeHint().width())
        faults << QStringLiteral("%1 \"%2\" is cut: %3 < %4")
                      .arg(where(w), button->text())
                      .arg(button->width())
                      .arg(button->sizeHint().width());
    if (TakesInput(w) && AccessibleName(w).trimmed().isEmpty()) faults << where(w) + QStringLiteral(" has no name");
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->count() > 0 && box->isEnabled()) {
      box->showPopup();
      const QWidget* popup = box->view()->window();
      if (popup->height() > 300)
        faults << QStringLiteral("%1 opens %2 px high").arg(where(w)).arg(popup->height());
      if (box->view()->viewport()->width() < box->view()->sizeHintForColumn(0) &&
          popup->width() < box->screen()->availableGeometry().width())
        faults << QStringLiteral("%1 opens narrower than its items").arg(where(w));
      box->hidePopup();
    }
  }
  return faults.join(QLatin1Char('\n'));
}

// Shows `window` at its first size and returns its faults.
QString Check(QWidget* window) {
  window->show();
  if (!QTest::qWaitForWindowExposed(window)) return window->objectName() + QStringLiteral(" not shown");
  // Faults that remain once the window has settled.
  QString faults;
  static_cast<void>(QTest::qWaitFor([&] { return (faults = Faults(window)).isEmpty(); }, 2000));
  window->hide();
  return faults;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyWindowFitsItsTextsAndNamesItsControls_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("runText");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("Run");
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic) << QStringLiteral("Spustit");
  }

  void everyWindowFitsItsTextsAndNamesItsControls() {
    QFETCH(QLocale, locale);
    QFETCH(QString, runText);
    QCOMPARE(InstallTranslations(locale), locale.language() != QLocale::English);
    test::StartedApp started;
    QVERIFY(started.Start());
    CApp& app = *started.app;
    AppContext& context = app.Context();
    CAnalysis& analysis = context.analysis;
    analysis.maxLength = 2;
    analysis.MakeTitle();
    QVERIFY(RunSearch(analysis, started.notifier, nullptr));

    CAnalDlg parameters(context.questions, app.Notifier(), nullptr, {.criterion = 4});
    QCOMPARE(parameters.RunButton()->text(), runText);
    QCOMPARE(Check(&parameters), QString());

    CAnalSeznam results(analysis, context.questions, nullptr);
    results.SelectRow(0);
    QCOMPARE(Check(&results), QString());
    Progress progress({}, {}, nullptr);
    QCOMPARE(Check(&progress), QString());
    CAboutDlg about(context.model, nullptr);
    QCOMPARE(Check(&about), QString());
    gettingStarted start(QStringLiteral("/nonexistent/start.rtf"), context.settings, started.notifier, nullptr);
    QCOMPARE(Check(&start), QString());
    InfoDlg info;
    QCOMPARE(Check(&info), QString());
    ListOtazek questions(app, 0, nullptr);
    QCOMPARE(Check(&questions), QString());
    CPopulace population(0);
    population.Masks()[2] = 0x3;
    PopDialog editor(app, population);
    QCOMPARE(Check(&editor), QString());
    CSeznamPop saved(app, nullptr);
    QCOMPARE(Check(&saved), QString());
    COdpovedi answers(app, nullptr);
    QCOMPARE(Check(&answers), QString());
    StartDialog startDialog({QStringLiteral("/home/census/2021")}, nullptr);
    QCOMPARE(Check(&startDialog), QString());
    auto* table = new C2DTable(app, nullptr);
    QCOMPARE(Check(table), QString());
    delete table;

    // The windows of the main frame: the subpopulation panel and a view's navigation bar.
    CMainFrame* frame = app.MainFrame();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    auto* panel = frame->findChild<CMPanel*>();
    QVERIFY(panel);
    QCOMPARE(Faults(panel->widget()), QString());
    QCOMPARE(Faults(&frame->ActiveView()->NavigationPanel()), QString());
    QCOMPARE(AccessibleName(panel->ShownBox(1)),
             locale.language() == QLocale::Czech ? QStringLiteral("Zobrazit subpopulaci 2")
                                                 : QStringLiteral("Show subpopulation 2"));
  }

  // The engine's messages reach the user translated, with their arguments
  // inserted as they are; in English they are the engine's own texts.
  void engineMessagesAreTranslated() {
    for (int id = 1; id < kMessageIdCount; ++id)
      QCOMPARE(QString::fromUtf8(CataloguedPattern(static_cast<MessageId>(id))),
               QString::fromUtf8(EnglishPattern(static_cast<MessageId>(id))));
    const Message replace(MessageId::ReplaceQuestion, {"Praha 100% %2"});
    QVERIFY(InstallTranslations(QLocale(QLocale::Czech)));
    QCOMPARE(TranslatedMessage(MessageId::LoadCaption), QStringLiteral("Chyba při načítání"));
    QCOMPARE(TranslatedMessage(Message::Plain("Praha %1")), QStringLiteral("Praha %1"));
    // Every kind of box shows its caption and text in Czech.
    QtNotifier boxes;
    const std::function<void()> asks[] = {
        [&] { boxes.Show(replace, MessageId::ReplaceCaption, MessageIcon::Warning); },
        [&] { boxes.Ask(replace, MessageId::ReplaceCaption); },
        [&] { boxes.AskYesNo(replace, MessageId::ReplaceCaption); },
    };
    test::ModalScript modals;
    for (const auto& ask : asks) {
      QString title, text;
      modals.On<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        box->close();
      });
      ask();
      QCOMPARE(title, QStringLiteral("Subpopulace již existuje"));
      QCOMPARE(text, QStringLiteral("Uložená subpopulace „Praha 100% %2“ má stejné podmínky. Nahradit ji?"));
    }
    QVERIFY(!InstallTranslations(QLocale(QLocale::English)));
    QCOMPARE(TranslatedMessage(replace).toStdString(), English(replace));
    QCOMPARE(TranslatedMessage(MessageId::TooSmall), QStringLiteral("Defined subpopulation is too small!"));
  }
};

QTEST_MAIN(DialogsTest)

#include "test_app_dialogs.moc"
