#pragma once

#include <mupdf/fitz.h>

typedef struct pdf_document pdf_document;

namespace pw::pdf {

// The MuPDF context of the calling thread. The first call makes the process's base context
// (with locks, so that clones may run side by side); every thread then works on a clone of its
// own, dropped when the thread ends. Throws PagewindException "PDF_CONTEXT" when MuPDF cannot
// start (out of memory).
fz_context* threadContext();

// Owns an open MuPDF PDF document; dropped with the context of the thread that drops it.
struct DocumentHandle {
    pdf_document* doc = nullptr;
    // Set when the page tree was cached for this document (pdf_load_page_tree); it is then
    // released before the document.
    bool pageTreeLoaded = false;
    DocumentHandle() = default;
    DocumentHandle(const DocumentHandle&) = delete;
    DocumentHandle& operator=(const DocumentHandle&) = delete;
    ~DocumentHandle();
};

// Runs body inside fz_try on ctx. MuPDF reports errors with longjmp, so body must not create
// C++ objects with destructors: it works on plain pointers and values declared by the caller,
// who drops the MuPDF objects after the call. Returns true on success; on failure copies MuPDF's
// message into message (when not null) and returns false.
template <class Body>
bool guarded(fz_context* ctx, Body&& body, char (*message)[256] = nullptr);

namespace detail {
template <class Body>
bool callWithoutThrowing(Body& body) noexcept
{
    try {
        body();
        return true;
    } catch (...) {
        return false;
    }
}
void copyMessage(fz_context* ctx, char (*message)[256]);
} // namespace detail

template <class Body>
bool guarded(fz_context* ctx, Body&& body, char (*message)[256])
{
    volatile bool ok = true;
    fz_try(ctx)
    {
        // A C++ exception must never unwind through MuPDF's error stack: turn it into a MuPDF error.
        if (!detail::callWithoutThrowing(body))
            fz_throw(ctx, FZ_ERROR_GENERIC, "out of memory");
    }
    fz_catch(ctx)
    {
        ok = false;
        detail::copyMessage(ctx, message);
    }
    return ok;
}

} // namespace pw::pdf
