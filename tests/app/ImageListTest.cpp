// The picture list: adding, dropping in drag order, moving, removing, thumbnails.
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "AppTestSupport.h"
#include "app/ImageBrowserView.h"
#include "app/ImageListModel.h"

using pw::ImageListModel;

namespace {

ImageListModel* listOf(const QStringList& names, QObject* parent)
{
    auto* model = new ImageListModel(parent);
    for (const QString& name : names)
        model->addImageWithPath(QStringLiteral("/pictures/") + name);
    return model;
}

QStringList namesOf(const ImageListModel& model)
{
    QStringList names;
    for (const pw::MyImageObject& entry : model.browserData())
        names.append(entry.imageTitle());
    return names;
}

} // namespace

class ImageListTest : public QObject {
    Q_OBJECT

private slots:
    void addingSkipsHiddenFiles();
    void moving_data();
    void moving();
    void removingSeveralRowsAtOnce();
    void droppedFilesKeepTheOrderOfTheDrag();
    void internalDragMovesThroughTheModel();
    void thumbnailsArriveOffTheMainThread();
};

void ImageListTest::addingSkipsHiddenFiles()
{
    ImageListModel model;
    model.addImageWithPath(QStringLiteral("/pictures/.hidden.jpg"));
    model.addImageWithPath(QStringLiteral("/pictures/a.jpg"));
    model.addImageWithPath(QStringLiteral("/pictures/a.jpg"));  // duplicates are allowed
    QCOMPARE(namesOf(model), QStringList({"a.jpg", "a.jpg"}));
    QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), QStringLiteral("a.jpg"));
    QCOMPARE(model.data(model.index(0), Qt::ToolTipRole).toString(), QStringLiteral("/pictures/a.jpg"));

    // The same hidden file dropped by the user is taken: they chose it.
    model.insertDroppedPaths({QStringLiteral("/pictures/.hidden.jpg")}, 0);
    QCOMPARE(namesOf(model).first(), QStringLiteral(".hidden.jpg"));
}

void ImageListTest::moving_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two forward") << QList<int>{0, 1} << 3 << QStringList{"c", "a", "b", "d"};
    QTest::newRow("last to front") << QList<int>{3} << 0 << QStringList{"d", "a", "b", "c"};
    QTest::newRow("to the end") << QList<int>{1} << 4 << QStringList{"a", "c", "d", "b"};
    QTest::newRow("unsorted rows keep list order") << QList<int>{2, 0} << 4 << QStringList{"b", "d", "a", "c"};
    QTest::newRow("onto itself") << QList<int>{1} << 1 << QStringList{"a", "b", "c", "d"};
    QTest::newRow("out of range ignored") << QList<int>{9, -1} << 0 << QStringList{"a", "b", "c", "d"};
}

void ImageListTest::moving()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, destination);
    QFETCH(QStringList, expected);
    ImageListModel* model = listOf({"a", "b", "c", "d"}, this);
    QVERIFY(model->moveItems(rows, destination));
    QCOMPARE(namesOf(*model), expected);
}

void ImageListTest::removingSeveralRowsAtOnce()
{
    ImageListModel* model = listOf({"a", "b", "c", "d"}, this);
    model->removeItems({3, 1, 3});
    QCOMPARE(namesOf(*model), QStringList({"a", "c"}));
}

void ImageListTest::droppedFilesKeepTheOrderOfTheDrag()
{
    ImageListModel* model = listOf({"1", "2", "3", "4"}, this);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/drop/A"), QUrl::fromLocalFile("/drop/B"), QUrl::fromLocalFile("/drop/C"),
                  QUrl(QStringLiteral("https://example.com/not-a-file.jpg"))});
    QVERIFY(model->canDropMimeData(&data, Qt::CopyAction, 2, 0, {}));
    QVERIFY(model->dropMimeData(&data, Qt::CopyAction, 2, 0, {}));
    QCOMPARE(namesOf(*model), QStringList({"1", "2", "A", "B", "C", "3", "4"}));

    // A drop below the last item appends.
    QMimeData more;
    more.setUrls({QUrl::fromLocalFile("/drop/D")});
    QVERIFY(model->dropMimeData(&more, Qt::CopyAction, -1, -1, {}));
    QCOMPARE(namesOf(*model).last(), QStringLiteral("D"));
}

void ImageListTest::internalDragMovesThroughTheModel()
{
    ImageListModel* model = listOf({"a", "b", "c", "d"}, this);
    std::unique_ptr<QMimeData> data(model->mimeData({model->index(0), model->index(1)}));
    QVERIFY(data->hasFormat(QString::fromLatin1(ImageListModel::kRowsMimeType)));
    QCOMPARE(data->urls().size(), 2);  // other programs receive the files
    QVERIFY(model->dropMimeData(data.get(), Qt::MoveAction, 3, 0, {}));
    QCOMPARE(namesOf(*model), QStringList({"c", "a", "b", "d"}));

    // The view inserts before the item under the pointer, or after it on its right half.
    pw::ImageBrowserView view;
    view.setImageListModel(model);
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QRect second = view.visualRect(model->index(1));
    QCOMPARE(view.dropIndexAt(second.topLeft() + QPoint(2, 2)), 1);
    QCOMPARE(view.dropIndexAt(second.topRight() + QPoint(-2, 2)), 2);
    QCOMPARE(view.dropIndexAt(QPoint(590, 390)), 4);

    view.selectionModel()->select(model->index(0), QItemSelectionModel::Select);
    QTest::keyClick(&view, Qt::Key_Delete);
    QCOMPARE(namesOf(*model), QStringList({"a", "b", "d"}));
}

void ImageListTest::thumbnailsArriveOffTheMainThread()
{
    ImageListModel model;
    model.addImageWithPath(QStringLiteral(PAGEWIND_SOURCE_DIR "/resources/DemoImgs/01-sunrise.jpg"));
    model.addImageWithPath(QStringLiteral(PAGEWIND_SOURCE_DIR "/README.md"));  // not a picture
    QSignalSpy ready(&model, &ImageListModel::thumbnailReady);
    const QPixmap placeholder = model.data(model.index(0), Qt::DecorationRole).value<QPixmap>();
    model.data(model.index(1), Qt::DecorationRole);
    QVERIFY(!placeholder.isNull());
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 2, 20000);
    const QPixmap thumbnail = model.data(model.index(0), Qt::DecorationRole).value<QPixmap>();
    QCOMPARE(std::max(thumbnail.width(), thumbnail.height()), ImageListModel::kThumbnailSize);
    QVERIFY(model.data(model.index(1), Qt::DecorationRole).isValid());  // a "missing" icon, no crash
}

QTEST_MAIN(ImageListTest)
#include "ImageListTest.moc"
