#include "render/JpegPicture.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace quorin {

namespace {

// libjpeg's own handler would end the program; ours jumps back to the decoder with the text.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->pub.format_message(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int msgLevel) {
    // Most warnings are harmless, but a file that ends early would show a grey band where
    // the rest of the picture should be: treat it as damaged.
    if (msgLevel < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

// Called between the rows and scans the decoder reads in.
void WatchScans(j_common_ptr cinfo) {
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number <= JpegPicture::kMaxScans)
        return;
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, JMSG_LENGTH_MAX, "the picture has more than %d scans",
                  JpegPicture::kMaxScans);
    std::longjmp(err->jump, 1);
}

// Every 8 x 8 block of the first component takes at least one bit of coded data, so a file
// shorter than that cannot hold the picture its header claims; decoding it anyway would
// spend a long time inventing every block of it.
bool TooShortFor(const jpeg_decompress_struct& cinfo, unsigned long size) {
    const jpeg_component_info& first = cinfo.comp_info[0];
    const unsigned long long blocks =
        static_cast<unsigned long long>(first.width_in_blocks) * first.height_in_blocks;
    return blocks / 8 > size;
}

// Only plain C data lives in this frame, so the jump back leaves nothing half-destroyed.
bool DecodeInto(const unsigned char* data, unsigned long size, QImage* image, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
    err.pub.output_message = OutputMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = WatchScans;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    // Four bytes B, G, R, 0xFF: the memory layout of Format_RGB32.
    cinfo.out_color_space = JCS_EXT_BGRX;
    if (qint64{cinfo.image_width} * cinfo.image_height > JpegPicture::kMaxPixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "the picture is too large (%u x %u pixels)",
                      cinfo.image_width, cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (TooShortFor(cinfo, size)) {
        std::snprintf(message, JMSG_LENGTH_MAX,
                      "the file is too short for a picture of %u x %u pixels", cinfo.image_width,
                      cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    *image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                    QImage::Format_RGB32);
    if (image->isNull()) {
        std::snprintf(message, JMSG_LENGTH_MAX, "not enough memory for the picture");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

bool JpegPicture::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return false;
    }
    return Decode(file.readAll());
}

bool JpegPicture::Decode(const QByteArray& data) {
    if (data.isEmpty()) {
        error_ = QStringLiteral("the file is empty");
        return false;
    }
    QImage decoded;
    char message[JMSG_LENGTH_MAX];
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &decoded, message)) {
        error_ = QString::fromLocal8Bit(message);
        return false;
    }
    image_ = std::move(decoded);
    error_.clear();
    return true;
}

}  // namespace quorin
