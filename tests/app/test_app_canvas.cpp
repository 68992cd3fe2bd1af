// The Qt canvas draws what the graphs expect of a device: lines without their
// end point, rectangles without their right and bottom edges, pies between two
// rays counter-clockwise, colours in the 0x00BBGGRR order; curves smoothed;
// the histogram view's image at the screen's scale.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "app/canvas/qt_canvas.h"
#include "app/child_frame.h"
#include "app/histogram_view.h"
#include "app/main_frame.h"
#include "app_fixture.h"

#include <QMdiArea>
#include <algorithm>

using namespace orbica;

class QtCanvasTest : public QObject {
  Q_OBJECT

 private:
  static QImage White() {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  static bool IsWhite(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(255, 255, 255); }

 private Q_SLOTS:
  void colorsAreBlueGreenRed() {
    QCOMPARE(QtCanvas::ToQColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(QtCanvas::ToQColor(0xFF8080), QColor(0x80, 0x80, 0xFF));
  }

  void lineLeavesOutItsEndPoint() {
    QImage image = White();
    {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      canvas.SelectPen(SolidPen(0x000000));
      canvas.Line(5, 10, 15, 10);
    }
    QVERIFY(!IsWhite(image, 5, 10));
    QVERIFY(!IsWhite(image, 14, 10));
    QVERIFY(IsWhite(image, 15, 10));
  }

  void rectangleLeavesOutRightAndBottomEdges() {
    QImage image = White();
    {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      canvas.SelectPen(NullPen());
      canvas.SelectBrush(SolidBrush(0x0000FF));
      canvas.Rectangle(10, 10, 20, 20);
    }
    QCOMPARE(image.pixel(10, 10), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(19, 19), qRgb(255, 0, 0));
    QVERIFY(IsWhite(image, 20, 15));
    QVERIFY(IsWhite(image, 15, 20));
    QVERIFY(IsWhite(image, 9, 15));
  }

  void pieRunsCounterClockwiseFromTheFirstRay() {
    QImage image = White();
    {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      canvas.SelectPen(NullPen());
      canvas.SelectBrush(SolidBrush(0x00FF00));
      // From 3 o'clock to 12 o'clock counter-clockwise: the upper right quarter.
      canvas.Pie(0, 0, 40, 40, 40, 20, 20, 0);
    }
    QVERIFY(!IsWhite(image, 28, 12));  // upper right
    QVERIFY(IsWhite(image, 12, 12));   // upper left
    QVERIFY(IsWhite(image, 28, 28));   // lower right
    QVERIFY(IsWhite(image, 12, 28));   // lower left
  }

  void pieWithOneRayIsTheWholeDisc() {
    QImage image = White();
    {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      canvas.SelectPen(NullPen());
      canvas.SelectBrush(SolidBrush(0x00FF00));
      canvas.Pie(0, 0, 40, 40, 40, 20, 40, 20);
    }
    for (const QPoint p : {QPoint(28, 12), QPoint(12, 12), QPoint(28, 28), QPoint(12, 28)})
      QVERIFY2(!IsWhite(image, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
  }

  void curvesAreSmoothedAndRectanglesStaySharp() {
    QImage image = White();
    {
      QPainter painter(&image);
      QtCanvas canvas(painter, QtCanvas::Drawing::kSmoothed);
      canvas.SelectPen(NullPen());
      canvas.SelectBrush(SolidBrush(0x00FF00));
      canvas.Ellipse(0, 0, 30, 30);
      canvas.Rectangle(32, 0, 40, 40);
    }
    const auto mixed = [&image](int x0, int x1) {
      int count = 0;
      for (int x = x0; x < x1; ++x)
        for (int y = 0; y < 40; ++y)
          count += image.pixel(x, y) != qRgb(255, 255, 255) && image.pixel(x, y) != qRgb(0, 255, 0);
      return count;
    };
    QVERIFY(mixed(0, 31) > 0);   // the disc's edge blends into the background
    QCOMPARE(mixed(31, 40), 0);  // the box has only its colour and white
  }

  // On a screen scaled by 2 the histogram's off-screen image has the window's
  // pixels, and restored places still fit the (smaller) logical area.
  void scaledScreenGivesASharpImageAndClampedPlaces() {
    test::StartedApp started;
    QVERIFY(started.Start());
    CMainFrame* frame = started.app->MainFrame();
    CHistogram* view = frame->ActiveView();
    QCOMPARE(view->devicePixelRatioF(), 2.0);
    view->grab();  // paints through the off-screen image
    QCOMPARE(view->OffScreenImage().devicePixelRatio(), view->devicePixelRatioF());
    QCOMPARE(view->OffScreenImage().size(), view->size() * 2);
    frame->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    started.app->Context().settings.RecordPlacement({40, 30, 1500, 950, kDockNone, PlacementKeyOfHistogram(1)});
    CChildFrame* child = frame->NewHistogramWindow();
    // Never larger than the area unless the window's minimum needs it, its corner inside.
    const QRect area = frame->MdiArea()->viewport()->rect();
    QVERIFY(area.contains(child->geometry().topLeft()));
    QVERIFY(child->width() <= std::max(area.width(), child->minimumWidth()));
    QVERIFY(child->height() <= std::max(area.height(), child->minimumHeight()));
    QVERIFY(child->width() < 1500 && child->height() < 950);
  }

  void transparentTextKeepsTheBackground() {
    QImage image(80, 30, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 10));
    {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      canvas.SetBackgroundMode(BackgroundMode::kTransparent);
      canvas.SetTextColor(0x000000);
      canvas.TextAt(2, 2, "Wj");
    }
    QCOMPARE(image.pixel(79, 29), qRgb(10, 200, 10));
    bool inked = false;
    for (int x = 0; x < 40 && !inked; ++x)
      for (int y = 0; y < 29 && !inked; ++y) inked = qGray(image.pixel(x, y)) < 60;
    QVERIFY(inked);
  }
};

QTEST_MAIN(QtCanvasTest)

#include "test_app_canvas.moc"
