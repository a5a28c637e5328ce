#pragma once

#include <memory>
#include <string>

#include <glib-object.h>

typedef struct _VipsImage VipsImage;
typedef struct _VipsSource VipsSource;

namespace pw::vips {

// Starts libvips once per process, from whichever thread comes first: untrusted loaders blocked,
// the operation cache off (each picture is read once), and libvips's warnings routed into our
// log instead of standard error. Throws PagewindException "PICTURE_LIBRARY" when it cannot start.
void ensureStarted();

// The message libvips left for the calling thread's last failure (for the log), then cleared.
std::string takeError();

struct Unref {
    void operator()(gpointer object) const
    {
        if (object)
            g_object_unref(object);
    }
};
using Image = std::unique_ptr<VipsImage, Unref>;
using Source = std::unique_ptr<VipsSource, Unref>;

} // namespace pw::vips
