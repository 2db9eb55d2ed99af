// The JPEG seeds, encoded with libjpeg from a computed picture: each seed sets the one
// option of the encoder that makes the decoder take another path.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <functional>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "Seeds.h"

namespace gen {

namespace {

struct Failure {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, text);
    std::fprintf(stderr, "gen_fuzz_corpus: libjpeg: %s\n", text);
    std::longjmp(reinterpret_cast<Failure*>(cinfo->err)->back, 1);
}

struct Options {
    int width = 16;
    int height = 16;
    int components = 3;  // 1 grey, 3 RGB, 4 CMYK
    int quality = 75;
    // Horizontal and vertical sampling of the first component; the others take 1 x 1.
    int h = 2, v = 2;
    std::function<void(jpeg_compress_struct&)> tune;   // after the defaults are set
    std::function<void(jpeg_compress_struct&)> marks;  // markers after the header
};

std::vector<uint8_t> Encode(const Options& o) {
    jpeg_compress_struct cinfo{};
    Failure failure{};
    cinfo.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = Fail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> bytes;
    if (setjmp(failure.back) == 0) {
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &buffer, &size);
        cinfo.image_width = static_cast<JDIMENSION>(o.width);
        cinfo.image_height = static_cast<JDIMENSION>(o.height);
        cinfo.input_components = o.components;
        cinfo.in_color_space = o.components == 1   ? JCS_GRAYSCALE
                               : o.components == 4 ? JCS_CMYK
                                                   : JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, o.quality, TRUE);
        if (o.components == 3) {
            cinfo.comp_info[0].h_samp_factor = o.h;
            cinfo.comp_info[0].v_samp_factor = o.v;
        }
        if (o.tune)
            o.tune(cinfo);
        jpeg_start_compress(&cinfo, TRUE);
        if (o.marks)
            o.marks(cinfo);
        std::vector<JSAMPLE> row(static_cast<size_t>(o.width * o.components));
        while (cinfo.next_scanline < cinfo.image_height) {
            const int y = static_cast<int>(cinfo.next_scanline);
            for (int x = 0; x < o.width; ++x)
                for (int c = 0; c < o.components; ++c)
                    row[static_cast<size_t>(x * o.components + c)] = static_cast<JSAMPLE>(
                        c == 2 ? (x > y ? 0xE0 : 0x20) : ((x * (37 + c * 16) + y * 11) & 0xFF));
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&cinfo, rows, 1);
        }
        jpeg_finish_compress(&cinfo);
        bytes.assign(buffer, buffer + size);
    }
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

}  // namespace

std::vector<Seed> JpegSeeds() {
    std::vector<Seed> seeds;
    auto add = [&seeds](const char* name, const Options& o) {
        std::vector<uint8_t> bytes = Encode(o);
        if (bytes.empty())
            std::exit(1);
        seeds.push_back({name, std::move(bytes)});
    };
    add("gen_baseline_420.jpg", {});
    add("gen_baseline_444.jpg", {.h = 1, .v = 1});
    add("gen_baseline_422.jpg", {.h = 2, .v = 1});
    add("gen_baseline_440.jpg", {.h = 1, .v = 2});
    add("gen_baseline_411.jpg", {.width = 32, .h = 4, .v = 1});
    add("gen_odd_size.jpg", {.width = 19, .height = 13});
    add("gen_one_pixel.jpg", {.width = 1, .height = 1});
    add("gen_grey.jpg", {.components = 1});
    add("gen_quality_100.jpg", {.quality = 100});
    add("gen_quality_5.jpg", {.quality = 5});
    add("gen_optimized.jpg", {.tune = [](jpeg_compress_struct& c) { c.optimize_coding = TRUE; }});
    add("gen_restarts.jpg",
        {.width = 24, .tune = [](jpeg_compress_struct& c) { c.restart_interval = 1; }});
    add("gen_progressive.jpg",
        {.width = 24, .tune = [](jpeg_compress_struct& c) { jpeg_simple_progression(&c); }});
    add("gen_progressive_grey.jpg",
        {.components = 1, .tune = [](jpeg_compress_struct& c) { jpeg_simple_progression(&c); }});
    add("gen_arithmetic.jpg", {.tune = [](jpeg_compress_struct& c) { c.arith_code = TRUE; }});
    add("gen_arithmetic_progressive.jpg", {.tune = [](jpeg_compress_struct& c) {
            jpeg_simple_progression(&c);
            c.arith_code = TRUE;
        }});
    // RGB stored as it is, with the Adobe marker that says so; CMYK, which the reader
    // refuses, so the refusal is a path of its own.
    add("gen_rgb_untransformed.jpg", {.h = 1, .v = 1, .tune = [](jpeg_compress_struct& c) {
                                          jpeg_set_colorspace(&c, JCS_RGB);
                                      }});
    add("gen_cmyk.jpg", {.width = 8, .height = 8, .components = 4});
    add("gen_markers.jpg", {.marks = [](jpeg_compress_struct& c) {
            static const char comment[] = "Quorin corpus";
            jpeg_write_marker(&c, JPEG_COM, reinterpret_cast<const JOCTET*>(comment),
                              sizeof comment - 1);
            static const JOCTET exif[] = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0};
            jpeg_write_marker(&c, JPEG_APP0 + 1, exif, sizeof exif);
        }});
    add("gen_no_jfif_dpi.jpg", {.tune = [](jpeg_compress_struct& c) {
            c.write_JFIF_header = FALSE;
            c.density_unit = 1;
        }});
    return seeds;
}

}  // namespace gen
