#include "input/JpegCommon.h"

#include <cstring>

namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

void CountWarning(j_common_ptr cinfo, int level) {
    if (level < 0) {
        ++reinterpret_cast<JpegErrors*>(cinfo->err)->warnings;
    }
}

} // namespace

void PrepareJpegErrors(jpeg_decompress_struct* cinfo, JpegErrors* err) {
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = ErrorExit;
    err->pub.emit_message = CountWarning;
    err->warnings = 0;
}

bool ReadJpegHeader(const uchar* data, unsigned long size, JpegHeader* header) {
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    PrepareJpegErrors(&cinfo, &err);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    header->width = int(cinfo.image_width);
    header->height = int(cinfo.image_height);
    header->oneScan =
        cinfo.data_precision == 8 && !cinfo.progressive_mode && !jpeg_has_multiple_scans(&cinfo);
    header->progressive = cinfo.data_precision == 8 && cinfo.progressive_mode != FALSE;
    const bool color = cinfo.num_components == 3 &&
                       (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_RGB);
    const bool grey = cinfo.num_components == 1 && cinfo.jpeg_color_space == JCS_GRAYSCALE;
    header->colorOrGrey = color || grey;
    header->rgb = color && cinfo.jpeg_color_space == JCS_RGB;
    header->arithmetic = cinfo.arith_code != FALSE;
    header->warnings = err.warnings;
    jpeg_destroy_decompress(&cinfo);
    return true;
}

void StartJpegDecompress(jpeg_decompress_struct* cinfo, const uchar* data, unsigned long size,
                         bool buffered) {
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, data, size);
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = JCS_EXT_BGRX;
    cinfo->buffered_image = buffered ? TRUE : FALSE;
    jpeg_start_decompress(cinfo);
}
