#include "app/MyImageObject.h"

#include <QFileInfo>

namespace pw {

QString MyImageObject::imageTitle() const
{
    return QFileInfo(iPath).fileName();
}

} // namespace pw
