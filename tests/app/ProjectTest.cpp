// Projects in the window: saved and opened again with their book, unsaved changes asked about
// before they are lost, what is missing named, the last ten kept in Open Recent.
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "AppTestSupport.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/ImageListModel.h"
#include "app/ImportWindowDelegate.h"
#include "app/RecentProjects.h"
#include "book/FlashPageSource.h"
#include "support/TestPdf.h"
#include "template/FlashTemplate.h"

using pw::ProjectSession;
using pw::test::demoPicture;
using pw::test::rebuildsPreview;
using Window = pw::test::StartedWindow;

class ProjectTest : public QObject {
    Q_OBJECT

private slots:
    void aSavedProjectOpensWithItsBook();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();
    void openingNamesWhatIsMissingAndRefusesNewerFormatsAndRecentKeepsTen();
};

void ProjectTest::aSavedProjectOpensWithItsBook()
{
    const pw::test::AppSandbox sandbox;
    const QString pdf = sandbox.writeFile(QStringLiteral("work/doc.pdf"), QByteArray::fromStdString(pw::test::makePlainPdf(3)));
    const QString file = sandbox.path(QStringLiteral("work/trip"));
    {
        Window first;
        first.window.browserData()->addPictures({demoPicture("01-sunrise.jpg"), demoPicture("02-lake.jpg")});
        auto* model = qobject_cast<pw::FlashTemplateOutlineDelegate*>(first.window.outlineView()->model());
        QVERIFY(model->setData(model->index(2, pw::FlashTemplateOutlineDelegate::valueColumn), "Saved Title", Qt::EditRole));
        QSignalSpy imported(first.window.importWindow(), &QDialog::finished);
        first.window.OnImportPDF();
        first.window.importWindow()->setImportFile(pdf);
        QVERIFY(rebuildsPreview(first.window, [&] { first.window.importWindow()->startImport(); }));
        QCOMPARE(imported.count(), 1);

        first.savePath = file;  // the extension is added
        QVERIFY(first.window.session()->save());
        QCOMPARE(first.window.windowTitle(), QStringLiteral("trip[*] \u2014 Pagewind"));
        QVERIFY(!first.window.isWindowModified());
        QVERIFY(QFile::exists(file + QStringLiteral(".pagewind")));
    }
    Window second;
    QVERIFY(rebuildsPreview(second.window, [&] { QVERIFY(second.window.session()->openPath(file + QStringLiteral(".pagewind"))); }));
    QCOMPARE(second.window.browserData()->count(), 2);
    QCOMPARE(second.window.flashTmpl()->propertyValueFor("bookTitle", ""), std::string("Saved Title"));
    // The pages are made again from the PDF, off the main thread.
    QVERIFY(second.window.flashPageSource());
    QCOMPARE(second.window.flashPageSource()->normalPages().size(), std::size_t(3));
    QVERIFY(!second.window.isWindowModified());
    QVERIFY(second.problems.isEmpty());
}

void ProjectTest::unsavedChangesAreAskedAbout_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    const int save = int(ProjectSession::Answer::save);
    const int discard = int(ProjectSession::Answer::discard);
    const int cancel = int(ProjectSession::Answer::cancel);
    QTest::newRow("close, save") << "close" << save << true << true;
    QTest::newRow("close, discard") << "close" << discard << true << false;
    QTest::newRow("close, cancel") << "close" << cancel << false << false;
    QTest::newRow("new, discard") << "new" << discard << true << false;
    QTest::newRow("new, cancel") << "new" << cancel << false << false;
    QTest::newRow("open, save") << "open" << save << true << true;
    QTest::newRow("open, cancel") << "open" << cancel << false << false;
}

void ProjectTest::unsavedChangesAreAskedAbout()
{
    QFETCH(QString, trigger);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    const pw::test::AppSandbox sandbox;
    const QString other = sandbox.path(QStringLiteral("other.pagewind"));
    pw::BookProject().saveAs(other.toStdString());
    Window w;
    w.window.show();
    w.savePath = sandbox.path(QStringLiteral("mine.pagewind"));
    w.window.browserData()->addPictures({demoPicture("01-sunrise.jpg")});
    QVERIFY(w.window.isWindowModified());
    w.answer = static_cast<ProjectSession::Answer>(answer);
    bool wentOn = false;
    if (trigger == "close") {
        wentOn = w.window.close();
    } else if (trigger == "new") {
        w.window.session()->newProject();
        wentOn = w.window.browserData()->count() == 0;
    } else {
        w.window.session()->openPath(other);
        wentOn = w.window.session()->project()->displayName() == "other";
    }
    QCOMPARE(w.asked, QStringList({"Untitled"}));
    QCOMPARE(wentOn, goesOn);
    QCOMPARE(QFile::exists(w.savePath), saved);
    QCOMPARE(w.window.isVisible(), trigger != "close" || !goesOn);
}

void ProjectTest::openingNamesWhatIsMissingAndRefusesNewerFormatsAndRecentKeepsTen()
{
    const pw::test::AppSandbox sandbox;
    const QString file = sandbox.writeFile(
        QStringLiteral("p.pagewind"),
        "<pagewindProject version=\"1\"><pictures><picture>gone/lake.jpg</picture></pictures>"
        "<pages origin=\"pdf\"><pdf>gone/doc.pdf</pdf></pages><template name=\"float\"/></pagewindProject>");
    Window w;
    QVERIFY(w.window.session()->openPath(file));
    QVERIFY(w.window.browserData()->isMissing(0));
    const auto boxes = w.window.findChildren<QMessageBox*>();
    QVERIFY(!boxes.isEmpty());
    const QString message = boxes.last()->text();
    QVERIFY2(message.contains(sandbox.path(QStringLiteral("gone/doc.pdf"))) &&
                 message.contains(sandbox.path(QStringLiteral("gone/lake.jpg"))),
             qPrintable(message));
    QVERIFY(!w.window.flashPageSource());  // not made: the preview shows the demonstration pages

    sandbox.writeFile(QStringLiteral("new.pagewind"), "<pagewindProject version=\"9\"/>");
    QVERIFY(!w.window.session()->openPath(sandbox.path(QStringLiteral("new.pagewind"))));
    QVERIFY(w.problems.last().contains(QStringLiteral("newer")));
    QCOMPARE(w.window.session()->project()->displayName(), std::string("p"));  // the open project stays

    // Open Recent keeps the last ten; one that is gone is named and removed.
    for (int i = 0; i < 12; ++i)
        QVERIFY(w.window.session()->saveTo(sandbox.path(QStringLiteral("p%1.pagewind").arg(i))));
    const QStringList recent = pw::RecentProjects::paths();
    QCOMPARE(recent.size(), 10);
    QCOMPARE(recent.first(), sandbox.path(QStringLiteral("p11.pagewind")));
    QCOMPARE(recent.last(), sandbox.path(QStringLiteral("p2.pagewind")));

    QFile::remove(recent[3]);
    w.window.session()->openRecent(recent[3]);
    QVERIFY(w.problems.last().contains(QStringLiteral("no longer exists")));
    QCOMPARE(pw::RecentProjects::paths().size(), 9);
    QVERIFY(!pw::RecentProjects::paths().contains(recent[3]));
}

PW_WEBENGINE_TEST_MAIN(ProjectTest)
#include "ProjectTest.moc"
