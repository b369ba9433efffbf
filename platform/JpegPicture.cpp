#include "JpegPicture.h"

#include "Picture.h"

#include <csetjmp>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace brevasto {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; we jump
// back to Decode and turn it into an exception there, outside libjpeg's frames.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void QuietWarning(j_common_ptr, int) {}

} // namespace

JpegPictureKind::JpegPictureKind()
{
    PictureKinds::Register(QStringLiteral("jpeg"), [](const QByteArray &data) { return Decode(data); });
    PictureKinds::Register(QStringLiteral("jpg"), [](const QByteArray &data) { return Decode(data); });
}

JpegPictureKind::~JpegPictureKind()
{
    PictureKinds::Unregister(QStringLiteral("jpeg"));
    PictureKinds::Unregister(QStringLiteral("jpg"));
}

QImage JpegPictureKind::Decode(const QByteArray &data, JpegFacts *facts)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = QuietWarning;

    // Everything that lives across setjmp is set up before it and has no destructor.
    QImage *volatile image = new QImage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        throw std::runtime_error(std::string("JPEG: ") + errors.message);
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (facts) {
        facts->jfif = info.saw_JFIF_marker;
        facts->progressive = jpeg_has_multiple_scans(&info);
        facts->components = info.num_components;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        delete image;
        throw std::bad_alloc();
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    QImage result = std::move(*image);
    delete image;
    return result;
}

} // namespace brevasto
