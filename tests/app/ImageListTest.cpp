// The picture list through its own view: drops land at the insertion mark, internal drags,
// keyboard and context-menu reordering with the selection kept and undone, hidden, missing
// (Show in Folder, Locate) and unreadable pictures, and upright thumbnails at the screen's pixel
// ratio, the visible first.
#include <QApplication>
#include <QDrag>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUrl>
#include <QWindow>

#include "AppTestSupport.h"
#include "support/TestPictures.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"

using pw::ImageBrowserView;
using pw::ImageListModel;
using pw::test::fileNames;

namespace {

// A shown view of a list with the named pictures, three thumbnails a row.
struct ShownList {
    QUndoStack stack;
    ImageListModel model;
    ImageBrowserView view;

    explicit ShownList(const QStringList& names)
    {
        model.setUndoStack(&stack);
        for (const QString& name : names)
            model.insertAt(model.count(), {QStringLiteral("/pictures/") + name});
        view.setImageListModel(&model);
        view.resize(3 * ImageListModel::kThumbnailSize + 120, 420);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QRect rect(int row) const { return view.visualRect(model.index(row)); }
    QList<int> selected() const
    {
        QList<int> rows;
        for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
            rows.append(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void select(const QList<int>& rows)
    {
        view.selectionModel()->clearSelection();
        for (const int row : rows)
            view.selectionModel()->select(model.index(row), QItemSelectionModel::Select);
        view.selectionModel()->setCurrentIndex(model.index(rows.first()), QItemSelectionModel::NoUpdate);
    }
    // A drop of the data at the viewport's point, delivered to the window as the desktop's
    // drag delivers it; returns where the insertion mark stood just before the drop.
    int dropAt(const QMimeData* data, const QPoint& at)
    {
        QWindow* window = view.window()->windowHandle();
        const QPoint inWindow = view.viewport()->mapTo(view.window(), at);
        QDragMoveEvent enter(inWindow, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier, QEvent::DragEnter);
        QApplication::sendEvent(window, &enter);
        QDragMoveEvent move(inWindow, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
        const int mark = view.insertionIndex();
        QDropEvent drop(inWindow, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &drop);
        return mark;
    }
};

} // namespace

class ImageListTest : public QObject {
    Q_OBJECT

public:
    // A screen of two device pixels per pixel, as on a high-density display.
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private slots:
    void filesDroppedOnTheViewLandAtTheMark_data();
    void filesDroppedOnTheViewLandAtTheMark();
    void aThumbnailDraggedThroughTheViewMoves();
    void keyboardAndMenuMoveTheSelection_data();
    void keyboardAndMenuMoveTheSelection();
    void thumbnailsAtThePixelRatioVisibleFirst();
    void aPortraitPhotoShowsUprightAndTextIsMarked();
};

void ImageListTest::filesDroppedOnTheViewLandAtTheMark_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("index");
    // Points among six thumbnails in rows of three, laid out as in the test's own list.
    const ShownList list({"0", "1", "2", "3", "4", "5"});
    const QRect first = list.rect(0);
    const QRect second = list.rect(1);
    QTest::newRow("between two thumbnails") << QPoint((first.right() + second.left()) / 2, first.center().y()) << 1;
    QTest::newRow("on a thumbnail's right half") << second.center() + QPoint(second.width() / 4, 0) << 2;
    QTest::newRow("on a thumbnail's left half") << second.center() - QPoint(second.width() / 4, 0) << 1;
    QTest::newRow("past a row's end") << QPoint(list.view.viewport()->width() - 2, first.center().y()) << 3;
    QTest::newRow("below the last row") << QPoint(4, list.view.viewport()->height() - 4) << 6;
    QTest::newRow("before the first") << QPoint(2, first.center().y()) << 0;
}

void ImageListTest::filesDroppedOnTheViewLandAtTheMark()
{
    QFETCH(QPoint, at);
    QFETCH(int, index);
    ShownList list({"0", "1", "2", "3", "4", "5"});
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/drop/A.jpg"), QUrl::fromLocalFile("/drop/B.HEIC"), QUrl::fromLocalFile("/drop/notes.txt"),
                   QUrl(QStringLiteral("https://example.com/x.jpg"))});
    QCOMPARE(list.dropAt(&files, at), index);
    QStringList expected{"0", "1", "2", "3", "4", "5"};
    expected.insert(index, QStringLiteral("B.HEIC"));
    expected.insert(index, QStringLiteral("A.jpg"));  // in the order of the drag, no text file
    QCOMPARE(fileNames(list.model.paths()), expected);
    QCOMPARE(list.view.insertionIndex(), -1);  // the mark goes with the drop
    QCOMPARE(list.selected(), QList<int>({index, index + 1}));
}

void ImageListTest::aThumbnailDraggedThroughTheViewMoves()
{
    ShownList list({"0", "1", "2", "3", "4", "5"});
    int mark = -2;
    // The desktop's drag loop, replaced: the drag the view made is delivered between 3 and 4.
    list.view.setDragRunner([&](QDrag& drag) {
        const QPoint target((list.rect(0).right() + list.rect(1).left()) / 2, list.rect(4).center().y());
        mark = list.dropAt(drag.mimeData(), target);
        return Qt::CopyAction;
    });
    list.select({0});
    QWidget* viewport = list.view.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, list.rect(0).center());
    // The first move makes it a drag, the next one past the drag distance starts it.
    QTest::mouseMove(viewport, list.rect(0).center() + QPoint(2, 2));
    QTest::mouseMove(viewport, list.rect(0).center() + QPoint(QApplication::startDragDistance() + 20, 10));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, list.rect(0).center());
    QCOMPARE(mark, 4);
    QCOMPARE(fileNames(list.model.paths()), QStringList({"1", "2", "3", "0", "4", "5"}));
    QCOMPARE(list.selected(), QList<int>({3}));

    // A drag that came from another list is taken as files, not as rows of this one.
    ShownList other({"x.jpg"});
    std::unique_ptr<QMimeData> foreign(other.model.mimeData({other.model.index(0)}));
    list.dropAt(foreign.get(), list.rect(0).center() - QPoint(list.rect(0).width() / 4, 0));
    QCOMPARE(fileNames(list.model.paths()).first(), QStringLiteral("x.jpg"));
    QCOMPARE(list.model.count(), 7);
}

void ImageListTest::keyboardAndMenuMoveTheSelection_data()
{
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::newRow("Ctrl+Up") << QList<int>{2} << "Ctrl+Up" << QStringList{"a", "c", "b", "d"} << QList<int>{1};
    QTest::newRow("Ctrl+Up at the start") << QList<int>{0} << "Ctrl+Up" << QStringList{"a", "b", "c", "d"} << QList<int>{0};
    QTest::newRow("Ctrl+Down, two") << QList<int>{1, 2} << "Ctrl+Down" << QStringList{"a", "d", "b", "c"} << QList<int>{2, 3};
    QTest::newRow("Ctrl+Home") << QList<int>{3} << "Ctrl+Home" << QStringList{"d", "a", "b", "c"} << QList<int>{0};
    QTest::newRow("Ctrl+End, apart") << QList<int>{0, 2} << "Ctrl+End" << QStringList{"b", "d", "a", "c"} << QList<int>{2, 3};
    QTest::newRow("menu: Move to Start") << QList<int>{2, 3} << "moveToStart" << QStringList{"c", "d", "a", "b"} << QList<int>{0, 1};
    QTest::newRow("menu: Move to End") << QList<int>{0} << "moveToEnd" << QStringList{"b", "c", "d", "a"} << QList<int>{3};
    QTest::newRow("menu: Remove") << QList<int>{1, 3} << "remove" << QStringList{"a", "c"} << QList<int>{1};
    QTest::newRow("Delete") << QList<int>{0} << "Del" << QStringList{"b", "c", "d"} << QList<int>{0};
    // The pictures here are missing: their folder is gone (said, not opened), and Locate is offered.
    QTest::newRow("menu: Show in Folder") << QList<int>{2} << "showInFolder" << QStringList{"a", "b", "c", "d"} << QList<int>{2};
    QTest::newRow("menu: Locate") << QList<int>{1, 3} << "locate" << QStringList{"a", "b", "c", "d"} << QList<int>{1, 3};
}

void ImageListTest::keyboardAndMenuMoveTheSelection()
{
    QFETCH(QList<int>, selection);
    QFETCH(QString, how);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, selectedAfter);
    ShownList list({"a", "b", "c", "d"});
    QString shown;
    list.view.setFolderOpener([&](const QString& folder) { shown = folder; });
    connect(&list.view, &ImageBrowserView::problem, this, [&](const QString& title) { shown = title; });
    connect(&list.view, &ImageBrowserView::locateRequested, this, [&](int row) { shown = QStringLiteral("locate %1").arg(row); });
    list.select(selection);
    const std::unique_ptr<QMenu> menu(list.view.makeContextMenu());
    if (auto* action = menu->findChild<QAction*>(how)) {
        QVERIFY(action->isEnabled());
        action->trigger();
    } else {
        QTest::keySequence(&list.view, QKeySequence(how));
    }
    QCOMPARE(fileNames(list.model.paths()), expected);
    QCOMPARE(list.selected(), selectedAfter);
    QCOMPARE(shown, how == "showInFolder" ? QStringLiteral("Show in Folder") : how == "locate" ? QStringLiteral("locate 1") : QString());
    // A change is one undo step; no change, no step.
    QCOMPARE(list.stack.count(), expected == QStringList({"a", "b", "c", "d"}) ? 0 : 1);
    list.stack.undo();
    QCOMPARE(fileNames(list.model.paths()), QStringList({"a", "b", "c", "d"}));
}

void ImageListTest::thumbnailsAtThePixelRatioVisibleFirst()
{
    // Large pictures, so that decoding takes long enough for the queue to matter.
    QTemporaryDir folder;
    QImage big(2400, 1800, QImage::Format_RGB32);
    big.fill(Qt::darkCyan);
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        paths.append(folder.filePath(QStringLiteral("%1.png").arg(i, 2, 10, QLatin1Char('0'))));
        QVERIFY(big.save(paths.last()));
    }
    ImageListModel model;
    model.addPictures(paths);
    ImageBrowserView view;
    view.setImageListModel(&model);
    view.resize(3 * ImageListModel::kThumbnailSize + 120, 2 * ImageListModel::kThumbnailSize + 80);
    QStringList ready;
    connect(&model, &ImageListModel::thumbnailReady, this, [&](const QString& path) { ready.append(path); });
    for (int row = 0; row < 6; ++row)
        model.data(model.index(row), Qt::DecorationRole);  // queued while the top was shown
    view.show();
    view.scrollToBottom();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY_WITH_TIMEOUT(ready.contains(paths.last()), 60000);
    // Everything at the bottom came before the top ones still waiting (one was being decoded).
    const int bottomDone = static_cast<int>(ready.indexOf(paths.last()));
    int topBefore = 0;
    for (int i = 0; i < bottomDone; ++i)
        topBefore += paths.indexOf(ready[i]) < 6 ? 1 : 0;
    QVERIFY2(topBefore <= 1, qPrintable(ready.join(QLatin1Char(' '))));

    const QPixmap thumbnail = model.data(model.index(39), Qt::DecorationRole).value<QPixmap>();
    QCOMPARE(thumbnail.devicePixelRatio(), 2.0);
    QCOMPARE(std::max(thumbnail.width(), thumbnail.height()), 2 * ImageListModel::kThumbnailSize);
}

// A phone's portrait photo (stored sideways, EXIF orientation 6) shows upright; a text file
// named as a picture is marked with the reason, and one dropped as text is refused; hidden
// files are skipped unless dropped, missing ones marked.
void ImageListTest::aPortraitPhotoShowsUprightAndTextIsMarked()
{
    {
        ImageListModel model;
        model.addPictures({QStringLiteral("/pictures/.hidden.jpg"), pw::test::demoPicture(QStringLiteral("01-sunrise.jpg")),
                           QStringLiteral("/gone/lake.jpg"), QStringLiteral("/gone/lake.jpg")});
        QCOMPARE(fileNames(model.paths()), QStringList({"01-sunrise.jpg", "lake.jpg", "lake.jpg"}));  // duplicates are allowed
        QVERIFY(!model.isMissing(0));
        QVERIFY(model.isMissing(1));
        QCOMPARE(model.data(model.index(1), Qt::DisplayRole).toString(), QStringLiteral("lake.jpg\n(missing)"));
        QVERIFY(model.data(model.index(1), Qt::ToolTipRole).toString().contains(QStringLiteral("missing")));
        QVERIFY(!model.data(model.index(1), Qt::DecorationRole).value<QPixmap>().isNull());
        // The same hidden file dropped by the user is taken: they chose it.
        model.insertDroppedPaths({QStringLiteral("/pictures/.hidden.jpg")}, 0);
        QCOMPARE(fileNames(model.paths()).first(), QStringLiteral(".hidden.jpg"));
    }
    QTemporaryDir folder;
    const pw::test::PictureCase photo{"orientation-6.jpg", pw::PictureOutcome::Status::ok, 300, 400};
    const QString portrait = QString::fromStdString(pw::test::writePicture(folder.path().toStdString(), photo));
    const QString letter = folder.filePath(QStringLiteral("letter.jpg"));
    QFile text(letter);
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Dear reader") > 0);
    text.close();
    ShownList list(QStringList{});
    list.model.addPictures({portrait, letter});
    QTRY_VERIFY_WITH_TIMEOUT(list.model.data(list.model.index(1), Qt::DisplayRole).toString().endsWith("(cannot be read)"), 20000);
    QVERIFY(list.model.data(list.model.index(1), Qt::ToolTipRole).toString().contains("not a picture that can be read"));
    QImage thumbnail;
    QTRY_VERIFY_WITH_TIMEOUT(
        (thumbnail = list.model.data(list.model.index(0), Qt::DecorationRole).value<QPixmap>().toImage()).height() > 2 * 100, 20000);
    QCOMPARE(thumbnail.size(), QSize(192, 256));  // upright, at two device pixels a pixel
    const QColor marker = thumbnail.pixelColor(48, 64);
    const QColor rest = thumbnail.pixelColor(144, 192);
    QVERIFY2(marker.red() > 180 && marker.green() < 100, qPrintable(marker.name()));
    QVERIFY2(rest.green() > 150 && rest.red() < 90, qPrintable(rest.name()));
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(folder.filePath(QStringLiteral("notes.txt")))});
    list.dropAt(&dropped, list.rect(0).center());
    QCOMPARE(list.model.count(), 2);
    list.view.update();
    QTest::qWait(50);
    QVERIFY(list.view.grab().save(pw::test::screenshotFolder() + QStringLiteral("/picture-list-portrait.png")));
}

QTEST_MAIN(ImageListTest)
#include "ImageListTest.moc"
