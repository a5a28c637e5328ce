#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "pdf/PictureDocumentBuilder.h"

namespace pw {

// The build action's PDF making (the pictures into the build file) on a pool thread, so the
// window stays responsive and the user can cancel a long list of large pictures.
class PictureBuildTask : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        PictureDocumentBuilder::BuildResult result;
        std::string errorName;  // empty after a success; "BUILD_CANCELLED" after cancel
        std::string errorText;
        bool ok() const { return errorName.empty(); }
    };

    explicit PictureBuildTask(QObject* parent = nullptr);
    ~PictureBuildTask() override;

    // Starts building and returns at once; ignored while a build runs.
    void start(std::vector<std::string> pictures);
    // Ends the build between two pictures.
    void cancel();
    bool isRunning() const { return iWatcher != nullptr; }
    // What the last build made, valid once finished was emitted.
    const Outcome& outcome() const { return iOutcome; }

signals:
    void finished();

private:
    void onDone();

    std::shared_ptr<std::atomic<bool>> iStop;
    QFutureWatcher<Outcome>* iWatcher = nullptr;  // a child while a build runs
    Outcome iOutcome;
};

} // namespace pw
