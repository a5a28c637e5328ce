#include "pdf/PicturePage.h"

#include <cmath>

#include <mupdf/pdf.h>

namespace pw::pdf {

namespace {

// Records the one picture a page draws; anything else it draws stops the run.
struct PictureProbe {
    fz_device super;
    fz_cookie* cookie;
    fz_image* image;
    fz_matrix ctm;
    float alpha;
};

PictureProbe* probeOf(fz_device* device)
{
    return reinterpret_cast<PictureProbe*>(device);
}

void drawsMore(fz_device* device)
{
    PictureProbe* probe = probeOf(device);
    probe->cookie->abort = 1;
}

void fillImage(fz_context* ctx, fz_device* device, fz_image* image, fz_matrix ctm, float alpha, fz_color_params)
{
    PictureProbe* probe = probeOf(device);
    if (probe->image) {
        drawsMore(device);
        return;
    }
    probe->image = fz_keep_image(ctx, image);
    probe->ctm = ctm;
    probe->alpha = alpha;
}

void dropProbe(fz_context* ctx, fz_device* device)
{
    fz_drop_image(ctx, probeOf(device)->image);
}

fz_device* newProbe(fz_context* ctx, fz_cookie* cookie)
{
    PictureProbe* probe = fz_new_derived_device(ctx, PictureProbe);
    probe->cookie = cookie;
    probe->super.drop_device = dropProbe;
    probe->super.fill_image = fillImage;
    // Invisible text (the OCR layer of a scan), layers and render hints draw nothing.
    probe->super.fill_path = [](fz_context*, fz_device* d, const fz_path*, int, fz_matrix, fz_colorspace*, const float*,
                                float, fz_color_params) { drawsMore(d); };
    probe->super.stroke_path = [](fz_context*, fz_device* d, const fz_path*, const fz_stroke_state*, fz_matrix,
                                  fz_colorspace*, const float*, float, fz_color_params) { drawsMore(d); };
    probe->super.clip_path = [](fz_context*, fz_device* d, const fz_path*, int, fz_matrix, fz_rect) { drawsMore(d); };
    probe->super.clip_stroke_path = [](fz_context*, fz_device* d, const fz_path*, const fz_stroke_state*, fz_matrix,
                                       fz_rect) { drawsMore(d); };
    probe->super.fill_text = [](fz_context*, fz_device* d, const fz_text*, fz_matrix, fz_colorspace*, const float*,
                                float, fz_color_params) { drawsMore(d); };
    probe->super.stroke_text = [](fz_context*, fz_device* d, const fz_text*, const fz_stroke_state*, fz_matrix,
                                  fz_colorspace*, const float*, float, fz_color_params) { drawsMore(d); };
    probe->super.clip_text = [](fz_context*, fz_device* d, const fz_text*, fz_matrix, fz_rect) { drawsMore(d); };
    probe->super.clip_stroke_text = [](fz_context*, fz_device* d, const fz_text*, const fz_stroke_state*, fz_matrix,
                                       fz_rect) { drawsMore(d); };
    probe->super.fill_shade = [](fz_context*, fz_device* d, fz_shade*, fz_matrix, float, fz_color_params) {
        drawsMore(d);
    };
    probe->super.fill_image_mask = [](fz_context*, fz_device* d, fz_image*, fz_matrix, fz_colorspace*, const float*,
                                      float, fz_color_params) { drawsMore(d); };
    probe->super.clip_image_mask = [](fz_context*, fz_device* d, fz_image*, fz_matrix, fz_rect) { drawsMore(d); };
    probe->super.begin_mask = [](fz_context*, fz_device* d, fz_rect, int, fz_colorspace*, const float*,
                                 fz_color_params) { drawsMore(d); };
    probe->super.begin_group = [](fz_context*, fz_device* d, fz_rect, fz_colorspace*, int, int, int, float) {
        drawsMore(d);
    };
    probe->super.begin_tile = [](fz_context*, fz_device* d, fz_rect, fz_rect, float, float, fz_matrix, int) {
        drawsMore(d);
        return 0;
    };
    return &probe->super;
}

bool near(float a, float b)
{
    return std::fabs(a - b) < 1.0f;
}

// Upright, unflipped and over the whole box.
bool coversUpright(fz_matrix ctm, fz_irect box)
{
    if (std::fabs(ctm.b) > 1e-4f || std::fabs(ctm.c) > 1e-4f || ctm.a <= 0 || ctm.d <= 0)
        return false;
    const fz_rect drawn = fz_transform_rect(fz_unit_rect, ctm);
    return near(drawn.x0, float(box.x0)) && near(drawn.y0, float(box.y0)) && near(drawn.x1, float(box.x1)) &&
           near(drawn.y1, float(box.y1));
}

bool isPlainPicture(const fz_image* image)
{
    return !image->imagemask && !image->mask && !image->use_colorkey && image->orientation <= 1 && image->w > 0 &&
           image->h > 0;
}

// A picture page draws its picture from its resources; a page without any (most text) is
// never run a second time to find out.
bool hasXObjects(fz_context* ctx, pdf_page* page)
{
    pdf_obj* resources = pdf_dict_get_inheritable(ctx, page->obj, PDF_NAME(Resources));
    return pdf_dict_len(ctx, pdf_dict_get(ctx, resources, PDF_NAME(XObject))) > 0;
}

} // namespace

fz_image* solePagePicture(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box)
{
    if (!hasXObjects(ctx, page))
        return nullptr;
    fz_cookie cookie{};
    fz_device* device = newProbe(ctx, &cookie);
    PictureProbe* probe = probeOf(device);
    fz_image* image = nullptr;
    fz_var(image);
    fz_try(ctx)
    {
        pdf_run_page(ctx, page, device, ctm, &cookie);
        fz_close_device(ctx, device);
        if (!cookie.abort && probe->image && probe->alpha >= 1.0f && isPlainPicture(probe->image) &&
            coversUpright(probe->ctm, box))
            image = fz_keep_image(ctx, probe->image);
    }
    fz_always(ctx)
    {
        fz_drop_device(ctx, device);
    }
    fz_catch(ctx)
    {
        image = nullptr;  // a page the probe cannot run is drawn the usual way
    }
    return image;
}

fz_image* pagePictureAtItsSize(fz_context* ctx, pdf_page* page, fz_matrix ctm, fz_irect box)
{
    fz_image* image = solePagePicture(ctx, page, ctm, box);
    if (image && (box.x1 - box.x0 != image->w || box.y1 - box.y0 != image->h)) {
        fz_drop_image(ctx, image);
        return nullptr;
    }
    return image;
}

} // namespace pw::pdf
