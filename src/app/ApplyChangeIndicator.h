#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace pw {

// The pending-change indicator of the Apply item: after a property edit it blinks through
// the images apply1, apply2 and apply3 every 0.33 seconds until the preview is rebuilt. The
// frame counter (tag) starts at 0 and is never reset, so blinking resumes where it stopped.
class ApplyChangeIndicator : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 330;

    explicit ApplyChangeIndicator(QObject* parent = nullptr);

    // A property changed: start blinking unless already blinking.
    void start();
    // The preview was rebuilt: stop and show the image "apply".
    void stop();
    // One frame: tag becomes (tag + 1) mod 3 and the image "apply<tag + 1>" is shown.
    void onTimerEvent();

    bool isRunning() const { return iTimer.isActive(); }
    // The blinking timer; tests deliver its ticks themselves instead of waiting for them.
    QTimer& timer() { return iTimer; }
    int tag() const { return iTag; }
    // The resource name of the image shown now, such as "apply" or "apply2".
    const QString& imageName() const { return iImageName; }
    // The image's resource path.
    static QString resourcePath(const QString& imageName);

signals:
    void imageChanged(const QString& resourcePath);

private:
    void show(QString imageName);

    QTimer iTimer;
    int iTag = 0;
    QString iImageName = QStringLiteral("apply");
};

} // namespace pw
