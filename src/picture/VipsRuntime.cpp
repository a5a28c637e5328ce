#include "picture/VipsRuntime.h"

#include <mutex>
#include <string>

#include <vips/vips.h>

#include "base/Log.h"
#include "base/PagewindException.h"

namespace pw::vips {

namespace {

// libvips and the libraries under it (libjpeg, libtiff, libpng) report through GLib's log. Their
// lines name no file, so they go to our log only; the intake tells the user what went wrong,
// naming the file.
void routeToLog(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer)
{
    if (level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL))
        PW_LOG_ERROR("%s: %s", domain ? domain : "vips", message);
    else
        PW_LOG_DEBUG("%s: %s", domain ? domain : "vips", message);
}

bool start()
{
    if (VIPS_INIT("pagewind") != 0)
        return false;
    g_log_set_handler("VIPS", static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                      routeToLog, nullptr);
    // Loaders that hand files to large outside programs (ImageMagick, MATLAB, FITS, ...) are
    // never used: the intake only reads the formats it lists.
    vips_block_untrusted_set(TRUE);
    vips_cache_set_max(0);
    return true;
}

} // namespace

void ensureStarted()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] { started = start(); });
    if (!started)
        throw PagewindException("PICTURE_LIBRARY", "the picture library could not start: " + takeError());
}

std::string takeError()
{
    std::string text = vips_error_buffer();
    vips_error_clear();
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

} // namespace pw::vips
