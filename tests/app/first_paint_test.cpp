#include "app/first_paint.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace lumeta {
namespace {

class CountedPaints : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(FirstPaint, WorkWaitsForTheWindowsFirstPictureAndRunsOnce) {
    CountedPaints window;
    int runs = 0, paintsBeforeWork = -1;
    AfterFirstPaint(window, [&] {
        ++runs;
        paintsBeforeWork = window.paints;
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "never shown, never painted";

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs > 0; }));
    EXPECT_GE(paintsBeforeWork, 1);

    window.update();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace lumeta
