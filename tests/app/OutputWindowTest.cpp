// The publish sheet: both output types, the finished question, failures shown in the sheet.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/AppSettings.h"
#include "app/BookWriteTask.h"
#include "app/OutputWindowDelegate.h"
#include "book/FlashPageSourceImg.h"
#include "template/FlashTemplate.h"

using pw::OutputWindowDelegate;

namespace {

std::shared_ptr<pw::FlashPageSourceImg> demoPages(int count = 3)
{
    auto pages = std::make_shared<pw::FlashPageSourceImg>();
    const char* names[] = {"01-sunrise.jpg", "02-lake.jpg", "03-dunes.jpg"};
    for (int i = 0; i < count; ++i)
        pages->addImgPageFromFile(std::string(PAGEWIND_SOURCE_DIR "/resources/DemoImgs/") + names[i % 3]);
    pages->generateNormalPages();
    return pages;
}

// A sheet with a book, whose question and opener are answered by the test.
struct PublishSheet {
    OutputWindowDelegate sheet;
    bool answer = true;
    int asked = 0;
    bool replace = true;
    QStringList replaceAsked;
    QStringList opened;

    PublishSheet()
    {
        sheet.setFlashPageSource(demoPages());
        sheet.setFlashTmpl(std::make_shared<pw::FlashTemplate>());
        sheet.setFinishedQuestion([this](QWidget*) {
            ++asked;
            return answer;
        });
        sheet.setReplaceQuestion([this](QWidget*, const QString& book) {
            replaceAsked.append(book);
            return replace;
        });
        sheet.setOpener([this](const QString& path) { opened.append(path); });
        sheet.open();
    }
    // Publishes and waits for the book to be written (or the sheet to refuse at once).
    void publish()
    {
        sheet.onPublish();
        QTRY_VERIFY_WITH_TIMEOUT(!sheet.isPublishing(), 60000);
    }
    void fill(const QString& folder, const QString& name, int type)
    {
        sheet.txtOutputFolder()->setText(folder);
        sheet.txtOutputName()->setText(name);
        sheet.txtTitle()->setText(QStringLiteral("Our Trip"));
        sheet.mOutputType()->button(type)->setChecked(true);
    }
};

} // namespace

class OutputWindowTest : public QObject {
    Q_OBJECT

private slots:
    void publishesABookFolderAndOpensIt();
    void publishesAMacApplication();
    void answeringNoOpensNothing();
    void failuresAreShownAndTheSheetStaysOpen_data();
    void failuresAreShownAndTheSheetStaysOpen();
    void cancelSavesNothing();
    void aBookThereIsReplacedOnlyWhenTheUserSays();
    void fiveHundredPagesNeverBlockTheWindowAndCancelKeepsTheOldBook();
};

void OutputWindowTest::publishesABookFolderAndOpensIt()
{
    const pw::test::AppSandbox sandbox;
    PublishSheet publish;
    const QString folder = sandbox.path(QStringLiteral("out/nested/book"));  // parents are made too
    publish.fill(folder, QStringLiteral("Trip.html"), OutputWindowDelegate::bookFolder);
    publish.publish();

    QCOMPARE(publish.sheet.result(), 1);
    QVERIFY(!publish.sheet.isVisible());
    QCOMPARE(publish.asked, 1);
    QCOMPARE(publish.opened, QStringList({folder + QStringLiteral("/Trip.html")}));  // ".html" not doubled
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/book.bin")));
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/page/3.jpg")));
    QFile page(folder + QStringLiteral("/Trip.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("<title>Our Trip</title>"));

    const pw::AppSettings saved;
    QCOMPARE(saved.lastOutputFileFolder(), folder);
    QCOMPARE(saved.lastOutputFileName(), QStringLiteral("Trip.html"));
    QCOMPARE(saved.lastOutputFileTitle(), QStringLiteral("Our Trip"));
    QCOMPARE(saved.outputType(), 0);

    // A second sheet starts from what was saved.
    const OutputWindowDelegate again;
    QCOMPARE(again.txtOutputFolder()->text(), folder);
    QCOMPARE(again.mOutputType()->checkedId(), int(OutputWindowDelegate::bookFolder));
}

void OutputWindowTest::publishesAMacApplication()
{
    const pw::test::AppSandbox sandbox;
    PublishSheet publish;
    publish.fill(sandbox.path(QStringLiteral("apps")), QStringLiteral("Trip"), OutputWindowDelegate::macApplication);
    publish.publish();
    QCOMPARE(publish.sheet.result(), 1);
    const QString bundle = sandbox.path(QStringLiteral("apps/Trip.app"));
    QCOMPARE(publish.opened, QStringList({bundle}));
    QVERIFY(QFile::exists(bundle + QStringLiteral("/Contents/Resources/index.html")));
    QVERIFY(QFile::exists(bundle + QStringLiteral("/Contents/Resources/files/book.bin")));
    QCOMPARE(pw::AppSettings().outputType(), 1);
}

void OutputWindowTest::answeringNoOpensNothing()
{
    const pw::test::AppSandbox sandbox;
    PublishSheet publish;
    publish.answer = false;
    // No name gives the folder's usual start page.
    publish.fill(sandbox.path(QStringLiteral("out")), QStringLiteral("  "), OutputWindowDelegate::bookFolder);
    publish.publish();
    QCOMPARE(publish.sheet.result(), 1);
    QCOMPARE(publish.asked, 1);
    QVERIFY(publish.opened.isEmpty());
    QVERIFY(QFile::exists(sandbox.path(QStringLiteral("out/index.html"))));
}

void OutputWindowTest::failuresAreShownAndTheSheetStaysOpen_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("a file where the folder goes") << "blocker/book" << "index" << "could not be made";
    QTest::newRow("no folder") << "" << "index" << "Choose the folder";
    QTest::newRow("a path as name") << "out" << "../escape" << "cannot contain";
}

void OutputWindowTest::failuresAreShownAndTheSheetStaysOpen()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, message);
    const pw::test::AppSandbox sandbox;
    sandbox.writeFile(QStringLiteral("blocker"), "a file, not a folder");
    PublishSheet publish;
    publish.fill(folder.isEmpty() ? folder : sandbox.path(folder), name, OutputWindowDelegate::bookFolder);
    publish.publish();
    QVERIFY(publish.sheet.isVisible());
    QCOMPARE(publish.asked, 0);  // no "finished" for a book that was not written
    QVERIFY(!publish.sheet.lblError()->isHidden());
    QVERIFY2(publish.sheet.lblError()->text().contains(message), qPrintable(publish.sheet.lblError()->text()));
    // The choices are kept for next time even so.
    QCOMPARE(pw::AppSettings().lastOutputFileName(), name);
}

void OutputWindowTest::cancelSavesNothing()
{
    const pw::test::AppSandbox sandbox;
    PublishSheet publish;
    publish.fill(sandbox.path(QStringLiteral("out")), QStringLiteral("Changed"), OutputWindowDelegate::macApplication);
    publish.sheet.onCancel();
    QCOMPARE(publish.sheet.result(), 0);
    QCOMPARE(pw::AppSettings().lastOutputFileName(), QString());
    QCOMPARE(publish.sheet.txtOutputName()->text(), QStringLiteral("Changed"));  // kept for this run
}


void OutputWindowTest::aBookThereIsReplacedOnlyWhenTheUserSays()
{
    const pw::test::AppSandbox sandbox;
    PublishSheet publish;
    const QString folder = sandbox.path(QStringLiteral("out"));
    publish.fill(folder, QStringLiteral("index"), OutputWindowDelegate::bookFolder);
    publish.sheet.setFlashPageSource(demoPages(5));
    publish.publish();
    QVERIFY(publish.replaceAsked.isEmpty());  // nothing there yet
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/page/5.jpg")));

    publish.sheet.setFlashPageSource(demoPages(2));
    publish.replace = false;
    publish.sheet.open();
    publish.publish();
    QCOMPARE(publish.replaceAsked, QStringList({folder}));
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/page/5.jpg")));  // kept as it was
    publish.replace = true;
    publish.publish();
    QCOMPARE(publish.sheet.result(), 1);
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/page/2.jpg")));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/files/page/3.jpg")));  // the old book's extra pages went
}

void OutputWindowTest::fiveHundredPagesNeverBlockTheWindowAndCancelKeepsTheOldBook()
{
    const pw::test::AppSandbox sandbox;
    PublishSheet publish;
    const QString folder = sandbox.path(QStringLiteral("big"));
    publish.fill(folder, QStringLiteral("index"), OutputWindowDelegate::bookFolder);
    publish.sheet.setFlashPageSource(demoPages(500));

    // The longest gap between ticks of a 10 ms timer while the book is written.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    QSignalSpy ended(publish.sheet.writeTask(), &pw::BookWriteTask::finished);
    ticker.start();
    sinceTick.start();
    publish.sheet.onPublish();
    QVERIFY(ended.wait(120000));
    ticker.stop();
    QCOMPARE(publish.sheet.result(), 1);
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/page/500.jpg")));
    qInfo("longest gap between timer ticks while 500 pages were published: %lld ms", longestGap);
    QVERIFY2(longestGap < 100, qPrintable(QString::number(longestGap)));

    // Cancelled halfway, the book that was there stays whole.
    const QByteArray bookBin = [&] {
        QFile file(folder + QStringLiteral("/files/book.bin"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    publish.sheet.setFlashPageSource(demoPages(400));
    publish.sheet.open();
    connect(publish.sheet.writeTask(), &pw::BookWriteTask::progress, &publish.sheet, [&](int done) {
        if (done < 50 || !publish.sheet.isPublishing() || publish.sheet.progressBar()->maximum() == 0)
            return;
        publish.sheet.grab().save(pw::test::screenshotFolder() + QStringLiteral("/publish-sheet-publishing.png"));
        publish.sheet.onCancel();
    });
    publish.publish();
    QVERIFY(publish.sheet.isVisible());
    QVERIFY(publish.sheet.lblError()->text().contains(QStringLiteral("as it was")));
    QFile after(folder + QStringLiteral("/files/book.bin"));
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bookBin);
    QVERIFY(QFile::exists(folder + QStringLiteral("/files/page/500.jpg")));
}

QTEST_MAIN(OutputWindowTest)
#include "OutputWindowTest.moc"
