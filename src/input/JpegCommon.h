#pragma once
// Internal to picture loading: what the decoders that drive libjpeg-turbo themselves share. Plain
// C at heart: libjpeg leaves by longjmp, past which no object with a destructor may live.

#include <QtGlobal>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// Columns decoded beyond those wanted, on either side, so that the wanted ones come out as a
// whole decode gives them: upsampled chroma takes its neighbours from the next block's, and
// libjpeg treats the ends of a cropped row as the ends of the picture.
constexpr int kJpegCropMargin = 32;

// Errors leave by longjmp to jump; warnings (damaged or missing data, which decodes as the
// library fills it) are counted, never said.
struct JpegErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int warnings;
};
void PrepareJpegErrors(jpeg_decompress_struct* cinfo, JpegErrors* err);

// What a JPEG's header tells about how it can be decoded.
struct JpegHeader {
    int width = 0;
    int height = 0;
    // 8 bits a sample in one scan, read top to bottom once.
    bool oneScan = false;
    // 8 bits a sample, progressive: the first scans give a coarse picture.
    bool progressive = false;
    // YCbCr or RGB in three components, or grey in one.
    bool colorOrGrey = false;
    bool rgb = false; // the three components are RGB
    bool arithmetic = false;
    // Warnings while reading the header: damage already.
    int warnings = 0;
};
// False when the header cannot be read.
bool ReadJpegHeader(const uchar* data, unsigned long size, JpegHeader* header);

// Reads the header and starts decoding as the toolkit's reader decodes: the library's defaults,
// as 32-bit pixels (Format_RGB32). Leaves by longjmp on errors, like libjpeg itself. Buffered,
// the scans are read by jpeg_consume_input and shown by jpeg_start_output; the pixels of the
// last scan are the same.
void StartJpegDecompress(jpeg_decompress_struct* cinfo, const uchar* data, unsigned long size,
                         bool buffered = false);
