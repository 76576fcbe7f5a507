#pragma once
// The limits every decoder shares, and the errors a decoder throws: one file that the loader and
// each decoder include, so no decoder needs the loader's own header.

#include <QString>

// PlatformError's number for a picture too large to open.
constexpr int kErrOutOfMemory = 7;

// The most pixel memory (4 bytes a pixel) a picture may need. Larger pictures are refused before
// anything is allocated for them. Fuzzing lowers it to keep each run small.
qint64 MaxPictureBytes();
void SetMaxPictureBytes(qint64 bytes);

// The most bytes a picture's encoded form may have before it is refused unread.
qint64 MaxEncodedPictureBytes();

// Throws PlatformError (too large) unless a picture of this size may be opened: the one limit
// for files and the clipboard alike.
void CheckPictureSize(qint64 width, qint64 height);

// Throws PlatformError (too large) for a picture of this size.
[[noreturn]] void ThrowTooLarge(qint64 width, qint64 height);
// Throws PlatformError (out of memory) for a picture of this size.
[[noreturn]] void ThrowNoMemory(qint64 width, qint64 height);
// Throws PlatformError (invalid picture) with the given reason.
[[noreturn]] void ThrowInvalidPicture(const QString& detail);
// Throws PlatformError for a picture of a known format that cannot be decoded.
[[noreturn]] void ThrowDamaged(const QString& format, const QString& detail);
