#include "pdf/PdfContext.h"

#include <array>
#include <cstring>
#include <mutex>

#include <mupdf/pdf.h>

#include "base/PagewindException.h"

namespace pw::pdf {

namespace {

std::array<std::mutex, FZ_LOCK_MAX>& lockTable()
{
    static std::array<std::mutex, FZ_LOCK_MAX> locks;
    return locks;
}

void lockOne(void*, int lock)
{
    lockTable()[static_cast<std::size_t>(lock)].lock();
}

void unlockOne(void*, int lock)
{
    lockTable()[static_cast<std::size_t>(lock)].unlock();
}

fz_context* makeBaseContext()
{
    static const fz_locks_context locks = {nullptr, lockOne, unlockOne};
    // Each page is rendered once, so a large cache of decoded pictures only costs memory;
    // fonts and small resources still fit.
    constexpr std::size_t kStoreBytes = 32u << 20;
    fz_context* ctx = fz_new_context(nullptr, &locks, kStoreBytes);
    if (!ctx)
        return nullptr;
    if (!guarded(ctx, [ctx] { fz_register_document_handlers(ctx); })) {
        fz_drop_context(ctx);
        return nullptr;
    }
    // The service reports errors through its own exceptions; MuPDF's console chatter is noise.
    fz_set_warning_callback(ctx, [](void*, const char*) {}, nullptr);
    fz_set_error_callback(ctx, [](void*, const char*) {}, nullptr);
    return ctx;
}

// The base context lives as long as the process; clones refer to it.
fz_context* baseContext()
{
    static fz_context* const base = makeBaseContext();
    return base;
}

struct ThreadContext {
    fz_context* ctx = nullptr;
    ThreadContext() = default;
    ThreadContext(const ThreadContext&) = delete;
    ThreadContext& operator=(const ThreadContext&) = delete;
    ~ThreadContext()
    {
        if (ctx)
            fz_drop_context(ctx);
    }
};

} // namespace

void detail::copyMessage(fz_context* ctx, char (*message)[256])
{
    if (!message)
        return;
    std::strncpy(*message, fz_caught_message(ctx), sizeof *message - 1);
    (*message)[sizeof *message - 1] = '\0';
}

DocumentHandle::~DocumentHandle()
{
    if (!doc)
        return;
    fz_context* ctx = threadContext();
    if (pageTreeLoaded)
        pdf_drop_page_tree(ctx, doc);
    pdf_drop_document(ctx, doc);
}

fz_context* threadContext()
{
    thread_local ThreadContext mine;
    if (mine.ctx)
        return mine.ctx;
    fz_context* base = baseContext();
    if (base)
        mine.ctx = fz_clone_context(base);
    if (!mine.ctx)
        throw PagewindException("PDF_CONTEXT", "the PDF library could not start (out of memory)");
    return mine.ctx;
}

} // namespace pw::pdf
