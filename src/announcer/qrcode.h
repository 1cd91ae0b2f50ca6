#pragma once

#include <QByteArray>
#include <QImage>

// The text as a QR code (medium error correction), each module scale
// pixels square, with the quiet zone a reader needs around it; a null
// image when the text is too long for one.
QImage qrCode(const QByteArray& text, int scale);
