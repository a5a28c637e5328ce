// The import sheet with real PDFs: progress, success with the page size, the range choice,
// warnings, failures and the two-press cancel shown in the sheet, the text choice.
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

QString writePdf(const pw::test::AppSandbox& sandbox, const QString& name, const std::string& bytes)
{
    return sandbox.writeFile(name, QByteArray::fromStdString(bytes));
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void importsAndTakesTheFirstPageSize();
    void theRangeDecidesThePagesAndFailuresKeepTheSheetOpen_data();
    void theRangeDecidesThePagesAndFailuresKeepTheSheetOpen();
    void theTextChoiceIsUsedAndRemembered();
};

void ImportWindowTest::importsAndTakesTheFirstPageSize()
{
    const pw::test::AppSandbox sandbox;
    pw::test::TestPage a4;
    a4.width = 600;
    a4.height = 850;
    a4.cropBox = pw::test::TestRect{0, 0, 595.3F, 841.9F};
    const std::string ten = pw::test::makePdf(std::vector<pw::test::TestPage>(10, a4), {{"Start", 0, {}}});
    const QString pdf = writePdf(sandbox, QStringLiteral("ten.pdf"), ten);
    ImportWindowDelegate sheet;
    sheet.open();
    sheet.setImportFile(pdf);
    sheet.btnImportBookMark()->setChecked(true);
    sheet.importQuality()->setCurrentIndex(2);
    QSignalSpy finished(&sheet, &QDialog::finished);
    sheet.startImport();
    QVERIFY(!sheet.btnOK()->isEnabled());
    QVERIFY(!sheet.lblInfo()->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(finished.first().first().toInt(), 1);
    // The import thread's progress reached the label, up to the last of the ten pages.
    QCOMPARE(sheet.lblInfo()->text(), QStringLiteral("Importing:10/10"));
    QCOMPARE(sheet.pageWidth(), 595);
    QCOMPARE(sheet.pageHeight(), 841);
    QVERIFY(sheet.flashPageSource());
    QCOMPARE(sheet.flashPageSource()->normalPages().size(), std::size_t(10));
    QVERIFY(sheet.flashOutline());
    QVERIFY(!sheet.flashPagesAnnotations());  // links were not asked for

    const pw::AppSettings saved;  // the choices were saved when the import started
    QCOMPARE(saved.lastImportedFile(), pdf);
    QCOMPARE(saved.importQualityLevel(), 2);
    QCOMPARE(saved.importBookmark(), 1);
    QCOMPARE(saved.importLinks(), 0);
}

void ImportWindowTest::theRangeDecidesThePagesAndFailuresKeepTheSheetOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("range");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("message");
    const int all = ImportWindowDelegate::allPages;
    const int range = ImportWindowDelegate::pageRange;
    QTest::newRow("all pages") << "five.pdf" << all << "2-3" << 5 << "";
    QTest::newRow("a range") << "five.pdf" << range << "2-3" << 2 << "";
    QTest::newRow("past the end, warned") << "five.pdf" << range << "2,9-10" << 1
                                          << "Pages 9-10 are past the last page, 5, and were left out.";
    QTest::newRow("no page selected") << "five.pdf" << range << "8-10" << 0 << "The page range selects no page of this document";
    QTest::newRow("not a PDF") << "notes.pdf" << all << "" << 0 << "Not a readable PDF file: FILE";
    // The first press of Cancel stops the import only; the second closes the sheet.
    QTest::newRow("cancelled") << "long.pdf" << all << "" << 0 << "cancelled";
}

void ImportWindowTest::theRangeDecidesThePagesAndFailuresKeepTheSheetOpen()
{
    QFETCH(QString, file);
    QFETCH(int, type);
    QFETCH(QString, range);
    QFETCH(int, pages);
    QFETCH(QString, message);
    const pw::test::AppSandbox sandbox;
    const QString path = file == "notes.pdf" ? sandbox.writeFile(file, "just some text")
                                             : writePdf(sandbox, file, pw::test::makePlainPdf(file == "long.pdf" ? 3000 : 5));
    message.replace(QStringLiteral("FILE"), path);
    ImportWindowDelegate sheet;
    sheet.open();
    sheet.setImportFile(path);
    sheet.txtPageRange()->setText(range);
    sheet.pageRangeType()->button(type)->click();
    QCOMPARE(sheet.txtPageRange()->isEnabled(), type == ImportWindowDelegate::pageRange);
    QSignalSpy finished(&sheet, &QDialog::finished);
    sheet.startImport();
    if (file == "long.pdf")
        sheet.onCancelAction();
    QTRY_VERIFY_WITH_TIMEOUT(!sheet.isImporting(), 60000);
    QCOMPARE(pw::AppSettings().importPageRangeType(), type);  // saved when the import started
    QCOMPARE(pw::AppSettings().importPageRange(), range);
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
        QCOMPARE(sheet.btnOK()->text(), QStringLiteral("Use These Pages"));
        QTest::qWait(50);  // the button's new text is laid out
        QVERIFY(sheet.grab().save(pw::test::screenshotFolder() + QStringLiteral("/import-warnings.png")));
        sheet.btnOK()->click();
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(sheet.flashPageSource()->normalPages().size(), std::size_t(pages));
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

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
