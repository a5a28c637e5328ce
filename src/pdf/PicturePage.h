#pragma once

#include <mupdf/fitz.h>

typedef struct pdf_page pdf_page;

// Pages that show one picture over their whole area and nothing else: what the build action
// and most scanners make. Enlarging such a page's picture one axis at a time is several times
// faster than MuPDF's interpolation pixel by pixel, with the same look.
namespace pw::pdf {

// The picture of such a page when drawn with ctm into the pixels box, enlarged (not reduced)
// and upright; a kept image the caller drops, or nullptr for any other page (also one with a
// soft mask, colour key, transparency, clip, or anything drawn besides). Called inside guarded.
fz_image* enlargedPagePicture(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box);

// The longer side in pixels of the one picture a page draws and nothing else, whatever its
// place and size on the page; 0 for any other page. Called inside guarded.
int onlyPictureSide(fz_context* ctx, pdf_page* page);

} // namespace pw::pdf
