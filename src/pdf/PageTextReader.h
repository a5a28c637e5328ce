#pragma once

#include <mupdf/fitz.h>

#include "book/FlashPagesText.h"

// The words of a page from MuPDF's structured text, in the page picture's frame.
namespace pw::pdf {

// The words of a structured-text page in reading order, their boxes in fractions of the page
// it was made from (its mediabox). Plain data walk: no MuPDF call, nothing thrown but
// std::bad_alloc, so it runs outside fz_try.
PageText wordsOfPage(const fz_stext_page& page);

} // namespace pw::pdf
