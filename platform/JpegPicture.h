#pragma once

#include <QByteArray>
#include <QImage>

namespace brevasto {

struct JpegFacts
{
    bool jfif = false;
    bool progressive = false;
    int components = 0;
};

// The JPEG picture kind, decoded by libjpeg. While an instance lives, the kind is
// registered under "jpeg" and "jpg".
class JpegPictureKind
{
public:
    JpegPictureKind();
    ~JpegPictureKind();
    JpegPictureKind(const JpegPictureKind &) = delete;
    JpegPictureKind &operator=(const JpegPictureKind &) = delete;

    // Decodes JPEG data into an RGB image; throws std::runtime_error with libjpeg's
    // own message when the data is not a JPEG picture it can read.
    static QImage Decode(const QByteArray &data, JpegFacts *facts = nullptr);
};

} // namespace brevasto
