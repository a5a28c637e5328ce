// The import sheet with real PDFs: progress, success with the page size, the range choice,
// warnings, failures and the two-press cancel shown in the sheet, the text choice, and the
// choices remembered for the next sheet.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/AppSettings.h"
#include "app/ImportWindowDelegate.h"
#include "book/FlashPageSource.h"
#include "support/TestPdf.h"

using pw::ImportWindowDelegate;

namespace {

// Ten A4 pages (the crop box gives the book's page size) with words, and a bookmark.
std::string tenPages()
{
    pw::test::TestPage a4;
    a4.width = 600;
    a4.height = 850;
    a4.cropBox = pw::test::TestRect{0, 0, 595.3F, 841.9F};
    a4.fonts = true;
    a4.content = "BT /F1 20 Tf 72 700 Td (Searchable) Tj ET";
    return pw::test::makePdf(std::vector<pw::test::TestPage>(10, a4), {{"Start", 1, {}}});
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void importsWhatTheChoicesSayAndFailuresKeepTheSheetOpen_data();
    void importsWhatTheChoicesSayAndFailuresKeepTheSheetOpen();
};

void ImportWindowTest::importsWhatTheChoicesSayAndFailuresKeepTheSheetOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("range");
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("message");
    const int all = ImportWindowDelegate::allPages;
    const int range = ImportWindowDelegate::pageRange;
    QTest::newRow("all pages") << "ten.pdf" << all << "2-3" << true << 10 << "";
    QTest::newRow("a range, without the text") << "ten.pdf" << range << "2-3" << false << 2 << "";
    QTest::newRow("past the end, warned") << "ten.pdf" << range << "2,11-12" << true << 1
                                          << "Pages 11-12 are past the last page, 10, and were left out.";
    QTest::newRow("no page selected") << "ten.pdf" << range << "11-12" << true << 0
                                      << "The page range selects no page of this document";
    // The first press of Cancel stops the import only; the second closes the sheet.
    QTest::newRow("cancelled") << "long.pdf" << all << "" << true << 0 << "cancelled";
}

void ImportWindowTest::importsWhatTheChoicesSayAndFailuresKeepTheSheetOpen()
{
    QFETCH(QString, file);
    QFETCH(int, type);
    QFETCH(QString, range);
    QFETCH(bool, text);
    QFETCH(int, pages);
    QFETCH(QString, message);
    const pw::test::AppSandbox sandbox;
    const std::string pdf = file == "long.pdf" ? pw::test::makePlainPdf(3000) : tenPages();
    const QString path = sandbox.writeFile(file, QByteArray::fromStdString(pdf));
    ImportWindowDelegate sheet;
    QVERIFY(sheet.btnImportText()->isChecked());  // on at first
    sheet.open();
    sheet.setImportFile(path);
    sheet.txtPageRange()->setText(range);
    sheet.pageRangeType()->button(type)->click();
    QCOMPARE(sheet.txtPageRange()->isEnabled(), type == ImportWindowDelegate::pageRange);
    sheet.btnImportBookMark()->setChecked(true);
    sheet.importQuality()->setCurrentIndex(2);
    sheet.btnImportText()->setChecked(text);
    QSignalSpy finished(&sheet, &QDialog::finished);
    sheet.startImport();
    QVERIFY(!sheet.btnOK()->isEnabled());
    QVERIFY(!sheet.lblInfo()->isHidden());
    if (file == "long.pdf")
        sheet.onCancelAction();
    QTRY_VERIFY_WITH_TIMEOUT(!sheet.isImporting(), 60000);
    // The choices were saved when the import started; the next sheet starts with them.
    const pw::AppSettings saved;
    QCOMPARE(saved.lastImportedFile(), path);
    QCOMPARE(saved.importPageRangeType(), type);
    QCOMPARE(saved.importPageRange(), range);
    QCOMPARE(saved.importQualityLevel(), 2);
    QCOMPARE(saved.importBookmark(), 1);
    QCOMPARE(saved.importLinks(), 0);
    QCOMPARE(ImportWindowDelegate().btnImportText()->isChecked(), text);
    if (pages == 0) {
        QCOMPARE(finished.count(), 0);
        QVERIFY(sheet.isVisible());
        QVERIFY(sheet.btnOK()->isEnabled());
        QVERIFY(!sheet.flashPageSource());
        QVERIFY2(sheet.lblError()->text().contains(message), qPrintable(sheet.lblError()->text()));
        sheet.onCancelAction();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 0);
        return;
    }
    if (!message.isEmpty()) {
        // Warnings wait for the user to take the pages.
        QCOMPARE(finished.count(), 0);
        QVERIFY(!sheet.lblWarning()->isHidden());
        QVERIFY2(sheet.lblWarning()->text().contains(message), qPrintable(sheet.lblWarning()->text()));
        QTest::qWait(50);  // the button's new text is laid out
        QVERIFY(sheet.grab().save(pw::test::screenshotFolder() + QStringLiteral("/import-warnings.png")));
        sheet.btnOK()->click();
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(sheet.flashPageSource()->normalPages().size(), std::size_t(pages));
    // The import thread's progress reached the label, up to the last page.
    QCOMPARE(sheet.lblInfo()->text(), QStringLiteral("Importing page %1 of %1").arg(pages));
    QCOMPARE(sheet.pageWidth(), 595);
    QCOMPARE(sheet.pageHeight(), 841);
    QCOMPARE(bool(sheet.flashPagesText()), text);
    QVERIFY(sheet.flashOutline());
    QVERIFY(!sheet.flashPagesAnnotations());  // links were not asked for
}

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
