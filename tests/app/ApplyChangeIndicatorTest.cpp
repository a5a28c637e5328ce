// The Apply item's blinking: one frame a tick of its one timer, and where it resumes.
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>

#include "app/ApplyChangeIndicator.h"

using pw::ApplyChangeIndicator;

namespace {

// One tick of the timer, delivered as the event loop delivers it when the interval has passed:
// a stopped timer gets none.
void tick(QTimer& timer)
{
    if (!timer.isActive())
        return;
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
}

} // namespace

class ApplyChangeIndicatorTest : public QObject {
    Q_OBJECT

private slots:
    void blinksOnItsTimerAndResumesWhereItStopped();
};

void ApplyChangeIndicatorTest::blinksOnItsTimerAndResumesWhereItStopped()
{
    ApplyChangeIndicator indicator;
    QSignalSpy images(&indicator, &ApplyChangeIndicator::imageChanged);
    indicator.start();
    indicator.start();  // a second change keeps the one timer
    QVERIFY(indicator.isRunning());
    QCOMPARE(indicator.timer().interval(), 330);
    for (const char* frame : {"apply2", "apply3", "apply1", "apply2"}) {
        tick(indicator.timer());
        QCOMPARE(indicator.imageName(), QLatin1String(frame));
    }
    QCOMPARE(images.count(), 4);  // one frame a tick
    indicator.stop();
    QVERIFY(!indicator.isRunning());
    QCOMPARE(indicator.imageName(), QStringLiteral("apply"));
    QCOMPARE(images.last().first().toString(), QStringLiteral(":/images/apply.png"));
    indicator.start();
    tick(indicator.timer());  // the tag is never reset
    QCOMPARE(indicator.imageName(), QStringLiteral("apply3"));
    QCOMPARE(images.count(), 6);
}

QTEST_MAIN(ApplyChangeIndicatorTest)
#include "ApplyChangeIndicatorTest.moc"
