// The import sheet with real PDFs: progress, success with the page size, failures shown,
// the range choice, and the two-press cancel.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <thread>

#include "AppTestSupport.h"
#include "app/AppSettings.h"
#include "app/ImportWindowDelegate.h"
#include "base/NotificationCenter.h"
#include "book/FlashPageSource.h"
#include "support/TestPdf.h"

using pw::ImportWindowDelegate;

namespace {

QString writePdf(const pw::test::AppSandbox& sandbox, const QString& name, const std::string& bytes)
{
    return sandbox.writeFile(name, QByteArray::fromStdString(bytes));
}

std::vector<pw::test::TestPage> a4Pages(int count)
{
    pw::test::TestPage page;
    page.width = 600;
    page.height = 850;
    page.cropBox = pw::test::TestRect{0, 0, 595.3F, 841.9F};
    return std::vector<pw::test::TestPage>(static_cast<std::size_t>(count), page);
}

// Waits for the sheet to end, collecting the progress texts it showed meanwhile.
QStringList waitForEnd(ImportWindowDelegate& sheet, QSignalSpy& finished)
{
    QStringList seen;
    QElapsedTimer clock;
    clock.start();
    while (finished.isEmpty() && sheet.isImporting() && clock.elapsed() < 60000) {
        const QString text = sheet.lblInfo()->text();
        if (seen.isEmpty() || seen.last() != text)
            seen.append(text);
        QTest::qWait(1);
    }
    return seen;
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void importsAndTakesTheFirstPageSize();
    void progressCrossesToTheMainThread();
    void theRangeChoiceDecidesThePages();
    void failureIsShownAndTheSheetStaysOpen();
    void warningsWaitForTheUserToTakeThePages();
    void theTextChoiceIsUsedAndRemembered();
    void cancelTakesTwoPresses();
};

void ImportWindowTest::importsAndTakesTheFirstPageSize()
{
    const pw::test::AppSandbox sandbox;
    const QString pdf = writePdf(sandbox, QStringLiteral("ten.pdf"), pw::test::makePdf(a4Pages(10), {{"Start", 0, {}}}));
    ImportWindowDelegate sheet;
    sheet.open();
    sheet.setImportFile(pdf);
    sheet.btnImportBookMark()->setChecked(true);
    sheet.importQuality()->setCurrentIndex(2);
    QSignalSpy finished(&sheet, &QDialog::finished);
    sheet.startImport();
    QVERIFY(!sheet.btnOK()->isEnabled());
    QVERIFY(!sheet.lblInfo()->isHidden());
    const QStringList progress = waitForEnd(sheet, finished);

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(sheet.pageWidth(), 595);
    QCOMPARE(sheet.pageHeight(), 841);
    QVERIFY(sheet.flashPageSource());
    QCOMPARE(sheet.flashPageSource()->normalPages().size(), std::size_t(10));
    QVERIFY(sheet.flashOutline());
    QVERIFY(!sheet.flashPagesAnnotations());  // links were not asked for
    for (const QString& text : progress) {
        if (text.startsWith(QStringLiteral("Importing:")))
            QVERIFY2(QRegularExpression(QStringLiteral("^Importing:([1-9]|10)/10$")).match(text).hasMatch(), qPrintable(text));
    }

    const pw::AppSettings saved;  // the choices were saved when the import started
    QCOMPARE(saved.lastImportedFile(), pdf);
    QCOMPARE(saved.importQualityLevel(), 2);
    QCOMPARE(saved.importBookmark(), 1);
    QCOMPARE(saved.importLinks(), 0);
}

void ImportWindowTest::progressCrossesToTheMainThread()
{
    const pw::test::AppSandbox sandbox;
    ImportWindowDelegate sheet;
    sheet.open();
    sheet.enableButtons(false);  // the progress text shows while importing
    std::thread poster([] {
        pw::NotificationCenter::defaultCenter().post("ImportProgressInfoMSG", nullptr,
                                                     {{"pageIndex", 3LL}, {"totalPage", 7LL}, {"type", 1LL}});
    });
    poster.join();
    QTRY_COMPARE(sheet.lblInfo()->text(), QStringLiteral("Importing:3/7"));
}

void ImportWindowTest::theRangeChoiceDecidesThePages()
{
    const pw::test::AppSandbox sandbox;
    const QString pdf = writePdf(sandbox, QStringLiteral("five.pdf"), pw::test::makePlainPdf(5));
    for (const int type : {int(ImportWindowDelegate::allPages), int(ImportWindowDelegate::pageRange)}) {
        ImportWindowDelegate sheet;
        sheet.open();
        sheet.setImportFile(pdf);
        sheet.txtPageRange()->setText(QStringLiteral("2-3"));
        sheet.pageRangeType()->button(type)->click();
        QCOMPARE(sheet.txtPageRange()->isEnabled(), type == ImportWindowDelegate::pageRange);
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.startImport();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(sheet.flashPageSource()->normalPages().size(), std::size_t(type == ImportWindowDelegate::pageRange ? 2 : 5));
    }
}

void ImportWindowTest::failureIsShownAndTheSheetStaysOpen()
{
    const pw::test::AppSandbox sandbox;
    const QString notPdf = sandbox.writeFile(QStringLiteral("notes.pdf"), "just some text");
    const QString fivePages = writePdf(sandbox, QStringLiteral("five.pdf"), pw::test::makePlainPdf(5));
    struct Case {
        QString file;
        int rangeType;
        QString range;
        QString message;
    };
    const std::vector<Case> cases = {
        {notPdf, ImportWindowDelegate::allPages, {}, QStringLiteral("Not a readable PDF file: ") + notPdf},
        {fivePages, ImportWindowDelegate::pageRange, QStringLiteral("8-10"),
         QStringLiteral("The page range selects no page of this document")},
    };
    for (const Case& c : cases) {
        ImportWindowDelegate sheet;
        sheet.open();
        sheet.setImportFile(c.file);
        sheet.pageRangeType()->button(c.rangeType)->setChecked(true);
        sheet.txtPageRange()->setText(c.range);
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.startImport();
        QTRY_VERIFY_WITH_TIMEOUT(!sheet.isImporting(), 60000);
        QCOMPARE(finished.count(), 0);
        QVERIFY(sheet.isVisible());
        QVERIFY(sheet.btnOK()->isEnabled());
        QVERIFY(!sheet.flashPageSource());
        QVERIFY2(sheet.lblError()->text().contains(c.message), qPrintable(sheet.lblError()->text()));
    }
}

void ImportWindowTest::warningsWaitForTheUserToTakeThePages()
{
    const pw::test::AppSandbox sandbox;
    ImportWindowDelegate sheet;
    sheet.open();
    sheet.setImportFile(writePdf(sandbox, QStringLiteral("five.pdf"), pw::test::makePlainPdf(5)));
    sheet.pageRangeType()->button(ImportWindowDelegate::pageRange)->setChecked(true);
    sheet.txtPageRange()->setText(QStringLiteral("2,9-10"));
    QSignalSpy finished(&sheet, &QDialog::finished);
    sheet.startImport();
    QTRY_VERIFY_WITH_TIMEOUT(!sheet.isImporting(), 60000);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!sheet.lblWarning()->isHidden());
    QVERIFY2(sheet.lblWarning()->text().contains(QStringLiteral("Pages 9-10 are past the last page, 5, and were left out.")),
             qPrintable(sheet.lblWarning()->text()));
    QCOMPARE(sheet.btnOK()->text(), QStringLiteral("Use These Pages"));
    const QString folder = QStringLiteral(PAGEWIND_BINARY_DIR "/app-screenshots");
    QDir().mkpath(folder);
    QTest::qWait(50);  // the button's new text is laid out
    QVERIFY(sheet.grab().save(folder + QStringLiteral("/import-warnings.png")));
    sheet.btnOK()->click();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(sheet.flashPageSource()->normalPages().size(), std::size_t(1));
}

void ImportWindowTest::theTextChoiceIsUsedAndRemembered()
{
    const pw::test::AppSandbox sandbox;
    pw::test::TestPage page;
    page.fonts = true;
    page.content = "BT /F1 20 Tf 72 700 Td (Searchable) Tj ET";
    const QString pdf = writePdf(sandbox, QStringLiteral("words.pdf"), pw::test::makePdf({page}));
    // On at first; each sheet starts with the choice of the last import.
    for (const auto& [checkedAtStart, check] : {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
        ImportWindowDelegate sheet;
        QCOMPARE(sheet.btnImportText()->isChecked(), checkedAtStart);
        sheet.btnImportText()->setChecked(check);
        sheet.pageRangeType()->button(ImportWindowDelegate::allPages)->setChecked(true);
        sheet.open();
        sheet.setImportFile(pdf);
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.startImport();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(bool(sheet.flashPagesText()), check);
    }
}

void ImportWindowTest::cancelTakesTwoPresses()
{
    const pw::test::AppSandbox sandbox;
    const QString pdf = writePdf(sandbox, QStringLiteral("long.pdf"), pw::test::makePlainPdf(3000));
    ImportWindowDelegate sheet;
    sheet.open();
    sheet.setImportFile(pdf);
    QSignalSpy finished(&sheet, &QDialog::finished);
    sheet.startImport();
    sheet.onCancelAction();
    QVERIFY(sheet.isVisible());  // the first press stops the import only
    QVERIFY(sheet.btnOK()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!sheet.isImporting(), 60000);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!sheet.flashPageSource());
    QVERIFY(sheet.lblError()->text().contains(QStringLiteral("cancelled")));
    sheet.onCancelAction();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 0);
}

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
