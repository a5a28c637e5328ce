#pragma once

#include <mupdf/fitz.h>

typedef struct pdf_page pdf_page;

// Pages that show one picture over their whole area and nothing else: what the build action
// and most scanners make. Such a page is never drawn larger than its picture, and at the
// picture's own size it is the picture decoded, several times faster than MuPDF's drawing.
namespace pw::pdf {

// The picture of such a page when drawn with ctm over the pixels box, upright; a kept image the
// caller drops, or nullptr for any other page (also one with a soft mask, colour key,
// transparency, clip, or anything drawn besides). Called inside guarded.
fz_image* solePagePicture(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box);
// The same, only when the box is the picture's own size.
fz_image* pagePictureAtItsSize(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box);

} // namespace pw::pdf
