#pragma once

#include <QProgressDialog>
#include <QTimer>

namespace pw {

// A window-modal progress sheet with Cancel for work on a worker thread. It appears only when
// the work lasts longer than kDelayMs, so quick work shows nothing at all.
class ProgressSheet : public QProgressDialog {
    Q_OBJECT

public:
    static constexpr int kDelayMs = 400;

    ProgressSheet(const QString& text, QWidget* parent);

    // The work started: shows the sheet after the delay unless ended before.
    void begin(const QString& text = {});
    // Steps done of total; a total of 0 shows a busy bar.
    void setProgress(int done, int total);
    // The work ended: hides the sheet (or keeps it from appearing).
    void end();

private:
    QTimer iDelay;
};

} // namespace pw
