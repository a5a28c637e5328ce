// The Apply item's blinking: frames, one timer, where it resumes.
#include <QSignalSpy>
#include <QTest>

#include "app/ApplyChangeIndicator.h"

using pw::ApplyChangeIndicator;

class ApplyChangeIndicatorTest : public QObject {
    Q_OBJECT

private slots:
    void framesCycleAndResumeWhereTheyStopped();
    void blinksOnTheTimerUntilStopped();
};

void ApplyChangeIndicatorTest::framesCycleAndResumeWhereTheyStopped()
{
    ApplyChangeIndicator indicator;
    QSignalSpy images(&indicator, &ApplyChangeIndicator::imageChanged);
    QCOMPARE(indicator.tag(), 0);
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        indicator.onTimerEvent();
        shown.append(indicator.imageName());
    }
    QCOMPARE(shown, QStringList({"apply2", "apply3", "apply1", "apply2"}));
    indicator.stop();
    QCOMPARE(indicator.imageName(), QStringLiteral("apply"));
    QCOMPARE(images.last().first().toString(), QStringLiteral(":/images/apply.png"));
    indicator.onTimerEvent();  // the tag is never reset
    QCOMPARE(indicator.imageName(), QStringLiteral("apply3"));
}

void ApplyChangeIndicatorTest::blinksOnTheTimerUntilStopped()
{
    ApplyChangeIndicator indicator;
    QSignalSpy images(&indicator, &ApplyChangeIndicator::imageChanged);
    indicator.start();
    indicator.start();  // a second change keeps the one timer
    QVERIFY(indicator.isRunning());
    QTest::qWait(ApplyChangeIndicator::kIntervalMs * 3 + 150);
    const int frames = static_cast<int>(images.count());
    QVERIFY2(frames >= 2 && frames <= 4, qPrintable(QString::number(frames)));
    indicator.stop();
    QVERIFY(!indicator.isRunning());
    const int afterStop = static_cast<int>(images.count());
    QTest::qWait(ApplyChangeIndicator::kIntervalMs * 2);
    QCOMPARE(images.count(), afterStop);
}

QTEST_MAIN(ApplyChangeIndicatorTest)
#include "ApplyChangeIndicatorTest.moc"
