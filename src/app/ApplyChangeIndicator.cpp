#include "app/ApplyChangeIndicator.h"

namespace pw {

ApplyChangeIndicator::ApplyChangeIndicator(QObject* parent) : QObject(parent)
{
    iTimer.setInterval(kIntervalMs);
    connect(&iTimer, &QTimer::timeout, this, &ApplyChangeIndicator::onTimerEvent);
}

void ApplyChangeIndicator::start()
{
    if (!iTimer.isActive())
        iTimer.start();
}

void ApplyChangeIndicator::stop()
{
    iTimer.stop();
    show(QStringLiteral("apply"));
}

void ApplyChangeIndicator::onTimerEvent()
{
    iTag = (iTag + 1) % 3;
    show(QStringLiteral("apply%1").arg(iTag + 1));
}

QString ApplyChangeIndicator::resourcePath(const QString& imageName)
{
    return QStringLiteral(":/images/%1.png").arg(imageName);
}

void ApplyChangeIndicator::show(QString imageName)
{
    iImageName = std::move(imageName);
    emit imageChanged(resourcePath(iImageName));
}

} // namespace pw
