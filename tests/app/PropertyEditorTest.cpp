// The property editor: display and storing rules through the model, colour texts, the file
// extensions of a filter, the colour and file choosers and the text editors opened from the
// keyboard, painting with a dark palette, and the Apply item's blinking. The description that
// follows the selection is tested with the window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>
#include <QTreeView>

#include "app/ApplyChangeIndicator.h"
#include "app/FlashTemplateOutlineDelegate.h"
#include "app/FlashTmplValueDelegate.h"
#include "app/MyColorOper.h"
#include "app/SheetSupport.h"
#include "base/NotificationCenter.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"

using pw::FlashTemplateOutlineDelegate;
using pw::FlashTemplateProperty;

namespace {

std::unique_ptr<FlashTemplateProperty> property(const char* key, int type, std::optional<std::string> value,
                                                const char* valueSource = "")
{
    auto made = std::make_unique<FlashTemplateProperty>();
    made->setKey(key);
    made->setTitle(std::string("Title of ") + key);
    made->setATitle(std::string("Switch ") + key);
    made->setDesc(std::string("About ") + key);
    made->setPropertyType(type);
    made->setValue(std::move(value));
    made->setValueSource(valueSource);
    return made;
}

// A small tree: text, switch, list, colour, file, and a group with one untitled child.
std::shared_ptr<pw::FlashTemplate> sampleTemplate()
{
    auto flashTemplate = std::make_shared<pw::FlashTemplate>();
    FlashTemplateProperty::Children top;
    top.push_back(property("bookTitle", pw::pt_text, std::nullopt));
    top.push_back(property("thumbs", pw::pt_bool, "show"));
    top.push_back(property("align", pw::pt_list, "right", "left,right,center"));
    top.push_back(property("bg", pw::pt_color, "0xff8000"));
    top.push_back(property("sound", pw::pt_file, "/old/flip.mp3", "Sound|*.mp3;*.wav"));
    auto group = property("colours", pw::pt_composite, "");
    auto child = property("inner", pw::pt_text, "x");
    child->setTitle("");
    group->addChildProperty(std::move(child));
    top.push_back(std::move(group));
    flashTemplate->setProperties(std::move(top));
    return flashTemplate;
}

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

class PropertyEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void displayRules();
    void storingRules_data();
    void storingRules();
    void colorFromHexRGB_data();
    void colorFromHexRGB();
    void keysOpenChoosersAndEditorsAndStoreTheAnswer_data();
    void keysOpenChoosersAndEditorsAndStoreTheAnswer();
    void paintsWithTheDarkPalette();
    void applyBlinksOnItsTimerAndResumesWhereItStopped();

private:
    std::shared_ptr<pw::FlashTemplate> iTemplate;
    std::unique_ptr<FlashTemplateOutlineDelegate> iModel;
    QModelIndex valueOf(int row) const { return iModel->index(row, FlashTemplateOutlineDelegate::valueColumn); }
};

void PropertyEditorTest::init()
{
    iTemplate = sampleTemplate();
    iModel = std::make_unique<FlashTemplateOutlineDelegate>();
    iModel->setFlashTmpl(iTemplate);
}

void PropertyEditorTest::displayRules()
{
    // Edits of the key column are ignored: the row below shows as it was.
    QVERIFY(!iModel->setData(iModel->index(0, 0), QStringLiteral("renamed"), Qt::EditRole));
    QCOMPARE(iModel->rowCount(), 6);
    QCOMPARE(iModel->index(0, 0).data().toString(), QStringLiteral("Title of bookTitle"));
    QCOMPARE(valueOf(0).data().toString(), QStringLiteral("(Unknown)"));
    QCOMPARE(valueOf(1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));  // "show" counts as on
    QCOMPARE(valueOf(1).data().toString(), QStringLiteral("Switch thumbs"));
    QVERIFY(valueOf(1).flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(valueOf(2).data(Qt::EditRole).toInt(), 1);
    QCOMPARE(valueOf(3).data(Qt::DecorationRole).value<QColor>(), QColor(255, 128, 0));
    QCOMPARE(valueOf(3).data().toString(), QStringLiteral("#ff8000"));  // as the colour dialog writes it
    QCOMPARE(valueOf(4).data().toString(), QStringLiteral("/old/flip.mp3"));
    const QModelIndex group = iModel->index(5, 0);
    QCOMPARE(iModel->rowCount(group), 1);
    const QModelIndex inner = iModel->index(0, 0, group);
    QCOMPARE(inner.data().toString(), QStringLiteral("(Untitled)"));
    QCOMPARE(iModel->parent(inner), group);
    QVERIFY(!(iModel->index(0, 0).flags() & Qt::ItemIsEditable));

    // A list value that is none of the choices selects nothing.
    iTemplate->propertyForKey("align")->setValue("middle");
    QCOMPARE(valueOf(2).data(Qt::EditRole).toInt(), -1);

    // Without a template there is nothing to show.
    iModel->setFlashTmpl(nullptr);
    QCOMPARE(iModel->rowCount(), 0);

    // Colours are written back as the template stores them: scaling by just under 256 and
    // truncating keeps every 8-bit component as it was.
    for (const int grey : {0x01, 0x7f, 0x80, 0xfe, 0xff})
        QCOMPARE(pw::MyColorOper::colorToHexRGB(QColor(grey, grey, grey)),
                 std::optional(QStringLiteral("0x%1").arg(grey * 0x10101, 6, 16, QLatin1Char('0'))));
    QCOMPARE(pw::MyColorOper::colorToHexRGB(QColor()), std::optional<QString>());
    // A filter without a label is the extensions' whole list (the choosers' rows take those after one).
    QCOMPARE(FlashTemplateOutlineDelegate::allowedExtensions(QStringLiteral("*.mp3")), QStringList({"mp3"}));
}

void PropertyEditorTest::storingRules_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("edit");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("notifications");
    QTest::newRow("untick a switch") << 1 << QVariant(int(Qt::Unchecked)) << int(Qt::CheckStateRole) << "NO" << 1;
    QTest::newRow("tick a switch") << 1 << QVariant(int(Qt::Checked)) << int(Qt::CheckStateRole) << "YES" << 1;
    QTest::newRow("pick a list choice") << 2 << QVariant(2) << int(Qt::EditRole) << "center" << 1;
    QTest::newRow("list index out of range") << 2 << QVariant(7) << int(Qt::EditRole) << "right" << 0;
    QTest::newRow("same text posts nothing") << 3 << QVariant("0xff8000") << int(Qt::EditRole) << "0xff8000" << 0;
    QTest::newRow("colour typed as shown") << 3 << QVariant("#12AB34") << int(Qt::EditRole) << "0x12ab34" << 1;
    QTest::newRow("free text is not trimmed") << 0 << QVariant(" My Book ") << int(Qt::EditRole) << " My Book " << 1;
    QTest::newRow("empty text replaces absent") << 0 << QVariant("") << int(Qt::EditRole) << "" << 1;
}

void PropertyEditorTest::storingRules()
{
    QFETCH(int, row);
    QFETCH(QVariant, edit);
    QFETCH(int, role);
    QFETCH(QString, stored);
    QFETCH(int, notifications);
    QList<const void*> senders;
    const pw::ObserverRegistration changes("FlashTmplProValueChangedNotification",
                                           [&](const pw::Notification& notification) { senders.append(notification.sender); });
    iModel->setData(valueOf(row), edit, role);
    const FlashTemplateProperty* changed = iModel->propertyAt(valueOf(row));
    QCOMPARE(QString::fromStdString(changed->value().value_or("<absent>")), stored);
    QCOMPARE(senders, QList<const void*>(notifications, changed));
}

void PropertyEditorTest::colorFromHexRGB_data()
{
    QTest::addColumn<std::optional<QString>>("text");
    QTest::addColumn<QColor>("expected");
    const QColor orange(255, 128, 0);
    QTest::newRow("no prefix") << std::optional<QString>("ff8000") << orange;
    QTest::newRow("blanks first") << std::optional<QString>("  0xFF8000") << orange;
    QTest::newRow("higher bits ignored") << std::optional<QString>("0x1ff8000") << orange;
    QTest::newRow("absent") << std::optional<QString>() << QColor(0, 0, 0);
    QTest::newRow("hash stops the reading") << std::optional<QString>("#ff8000") << QColor(0, 0, 0);
    QTest::newRow("too large") << std::optional<QString>("0x123456789") << QColor(255, 255, 255);
}

void PropertyEditorTest::colorFromHexRGB()
{
    QFETCH(std::optional<QString>, text);
    QFETCH(QColor, expected);
    QCOMPARE(pw::MyColorOper::colorFromHexRGB(text).rgb(), expected.rgb());
}

void PropertyEditorTest::keysOpenChoosersAndEditorsAndStoreTheAnswer_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("stored");
    // Cancel keeps the value that was chosen before.
    QTest::newRow("Enter on a colour") << 3 << 1 << int(Qt::Key_Return) << true << "colour #ff8000" << "0x123456";
    QTest::newRow("Space on a colour's title, cancelled") << 3 << 0 << int(Qt::Key_Space) << false << "colour #ff8000"
                                                          << "0xff8000";
    QTest::newRow("Enter on a file") << 4 << 1 << int(Qt::Key_Enter) << true << "file mp3 wav" << "/new/page.wav";
    QTest::newRow("Space on a file, cancelled") << 4 << 1 << int(Qt::Key_Space) << false << "file mp3 wav" << "/old/flip.mp3";
    // Texts are edited from the keyboard too (the test types "rip" and Enter into the editor).
    QTest::newRow("Enter on a text") << 0 << 1 << int(Qt::Key_Return) << true << "" << "rip";
    QTest::newRow("typing on a text's title") << 0 << 0 << int(Qt::Key_T) << true << "" << "Trip";
    QTest::newRow("Enter on a switch") << 1 << 0 << int(Qt::Key_Return) << true << "" << "NO";
}

void PropertyEditorTest::keysOpenChoosersAndEditorsAndStoreTheAnswer()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(bool, answers);
    QFETCH(QString, asked);
    QFETCH(QString, stored);
    QTreeView view;
    view.setModel(iModel.get());
    auto* delegate = new pw::FlashTmplValueDelegate(&view);  // the view owns it
    view.setItemDelegateForColumn(FlashTemplateOutlineDelegate::valueColumn, delegate);
    QString seen;
    delegate->setColorChooser([&](const QColor& current, QWidget*) {
        seen = QStringLiteral("colour ") + current.name();
        return answers ? std::optional(QColor(0x12, 0x34, 0x56)) : std::nullopt;
    });
    delegate->setFileChooser([&](const QString&, const QStringList& extensions, QWidget*) {
        seen = QStringLiteral("file ") + extensions.join(QLatin1Char(' '));
        return answers ? std::optional(QStringLiteral("/new/page.wav")) : std::nullopt;
    });
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.setCurrentIndex(iModel->index(row, column));
    if (key == Qt::Key_T)
        QTest::keyClick(&view, 'T');  // a typed letter, with its text
    else
        QTest::keyClick(&view, static_cast<Qt::Key>(key));
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        QTest::keyClicks(editor, QStringLiteral("rip"));
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QCOMPARE(seen, asked);
    QTRY_COMPARE(QString::fromStdString(iModel->propertyAt(valueOf(row))->value().value_or("<absent>")), stored);
    QVERIFY(view.isVisible());
}

void PropertyEditorTest::paintsWithTheDarkPalette()
{
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x28, 0x28, 0x28));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    QWidget sheet;
    QCOMPARE(pw::sheet::makeErrorLabel(&sheet)->palette().color(QPalette::WindowText).lightnessF() > 0.5, true);
    QTreeView view;
    view.setModel(iModel.get());
    view.setItemDelegateForColumn(FlashTemplateOutlineDelegate::valueColumn, new pw::FlashTmplValueDelegate(&view));
    view.resize(500, 300);
    const QImage shown = view.viewport()->grab().toImage();
    QApplication::setPalette(light);
    const QRect button = pw::FlashTmplValueDelegate::buttonRect(view.visualRect(valueOf(4)));
    QVERIFY2(QColor(shown.pixel(button.topLeft() + QPoint(2, 3))).lightnessF() < 0.5, "the file button is painted light");
}

// The Apply item's blinking: one frame a tick of its one timer, and where it resumes.
void PropertyEditorTest::applyBlinksOnItsTimerAndResumesWhereItStopped()
{
    pw::ApplyChangeIndicator indicator;
    QSignalSpy images(&indicator, &pw::ApplyChangeIndicator::imageChanged);
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

QTEST_MAIN(PropertyEditorTest)
#include "PropertyEditorTest.moc"
