// The build action's PDF making off the main thread: a result, and a cancel that writes nothing.
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/PictureBuildTask.h"

using pw::PictureBuildTask;

class PictureBuildTaskTest : public QObject {
    Q_OBJECT

private slots:
    void buildsThePicturesIntoTheBuildFile();
    void cancelEndsTheBuild();
};

void PictureBuildTaskTest::buildsThePicturesIntoTheBuildFile()
{
    const pw::test::AppSandbox sandbox;
    PictureBuildTask task;
    QSignalSpy finished(&task, &PictureBuildTask::finished);
    task.start({PAGEWIND_SOURCE_DIR "/resources/DemoImgs/01-sunrise.jpg", PAGEWIND_SOURCE_DIR "/README.md",
                PAGEWIND_SOURCE_DIR "/resources/DemoImgs/02-lake.jpg"});
    QVERIFY(task.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QVERIFY(task.outcome().ok());
    QCOMPARE(task.outcome().result.pageCount, 2);
    QCOMPARE(task.outcome().result.skipped.size(), std::size_t(1));
    QVERIFY(QFile::exists(QString::fromStdString(task.outcome().result.pdfPath)));
}

void PictureBuildTaskTest::cancelEndsTheBuild()
{
    const pw::test::AppSandbox sandbox;
    PictureBuildTask task;
    QSignalSpy finished(&task, &PictureBuildTask::finished);
    task.start(std::vector<std::string>(2000, PAGEWIND_SOURCE_DIR "/resources/DemoImgs/03-dunes.jpg"));
    task.cancel();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(task.outcome().errorName, std::string("BUILD_CANCELLED"));
    QVERIFY(!QFile::exists(sandbox.path(QStringLiteral("tmp/Leafreel/output.pdf"))));
}

QTEST_MAIN(PictureBuildTaskTest)
#include "PictureBuildTaskTest.moc"
