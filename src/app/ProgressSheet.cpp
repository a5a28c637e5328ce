#include "app/ProgressSheet.h"

namespace pw {

ProgressSheet::ProgressSheet(const QString& text, QWidget* parent) : QProgressDialog(text, tr("Cancel"), 0, 0, parent)
{
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setMinimumWidth(420);
    reset();  // a new progress dialog would show itself after a while
    hide();
    iDelay.setSingleShot(true);
    iDelay.setInterval(kDelayMs);
    connect(&iDelay, &QTimer::timeout, this, [this] { open(); });
}

void ProgressSheet::begin(const QString& text)
{
    if (!text.isEmpty())
        setLabelText(text);
    setRange(0, 0);
    iDelay.start();
}

void ProgressSheet::setProgress(int done, int total)
{
    setMaximum(total);
    setValue(total > 0 ? done : 0);
}

void ProgressSheet::end()
{
    iDelay.stop();
    reset();
    hide();
}

} // namespace pw
