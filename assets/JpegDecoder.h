#pragma once

#include <QByteArray>
#include <QImage>
#include <stdexcept>

namespace art {

class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes a three-component 8-bit JPEG with libjpeg; a corrupt or truncated stream throws
// JpegError instead of ending the program.
QImage DecodeJpeg(const QByteArray& data);

} // namespace art
