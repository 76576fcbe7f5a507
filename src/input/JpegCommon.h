#pragma once
// Internal to picture loading: what the decoders that drive libjpeg-turbo themselves share. Plain
// C at heart: libjpeg leaves by longjmp, past which no object with a destructor may live.

#include <QtGlobal>
#include <csetjmp>
#include <cstdio>
#include <optional>

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
    // Data that stop short: the library meets their end, puts an end marker of its own there and
    // decodes what is missing as zeros (grey), warning again as it does. ranOut: it met the end;
    // madeUpFrom: the rows it had given when it first warned after that, before it decoded
    // anything it made up (-1 while it has not).
    bool ranOut;
    int madeUpFrom;
};
void PrepareJpegErrors(jpeg_decompress_struct* cinfo, JpegErrors* err);

// Once a decode has given every row: the rows that hold colours of the picture when its data
// stopped short, nullopt when every row does. A scan cut short, or scans that never came, leave
// the picture coarse: with several scans, the rows are 0 unless every coefficient arrived whole
// (a file that lacks only its end marker).
std::optional<int> JpegRowsFromData(const jpeg_decompress_struct* cinfo, const JpegErrors& err);

// Whether the decoder meets the JPEG's end marker before the end of its data: when it does, the
// data hold every scan whole. False as well for data it cannot follow (a segment longer than
// what is left).
bool JpegReachesItsEnd(const uchar* data, qsizetype size);

// The rows of a JPEG that hold its own colours where its data stop short, as the toolkit's
// reader decodes it (the same library and settings, so the same rows from the same data);
// nullopt for a file that holds every row, or one whose header or data the library refuses.
std::optional<int> JpegRowsBeforeItsEnd(const uchar* data, qsizetype size);

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
