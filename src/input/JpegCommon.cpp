#include "input/JpegCommon.h"

#include <QtEndian>
#include <cstring>

#include <jerror.h>

namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

void CountWarning(j_common_ptr cinfo, int level) {
    if (level >= 0) {
        return;
    }
    auto* err = reinterpret_cast<JpegErrors*>(cinfo->err);
    ++err->warnings;
    if (!err->ranOut) {
        err->ranOut = err->pub.msg_code == JWRN_JPEG_EOF;
    } else if (err->madeUpFrom < 0 && cinfo->is_decompressor) {
        // The rows given so far came from whole MCU rows of the file's own data: the rows that
        // need the next (for their chroma) are given only once it is decoded.
        err->madeUpFrom = int(reinterpret_cast<j_decompress_ptr>(cinfo)->output_scanline);
    }
}

} // namespace

void PrepareJpegErrors(jpeg_decompress_struct* cinfo, JpegErrors* err) {
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = ErrorExit;
    err->pub.emit_message = CountWarning;
    err->warnings = 0;
    err->ranOut = false;
    err->madeUpFrom = -1;
}

std::optional<int> JpegRowsFromData(const jpeg_decompress_struct* cinfo, const JpegErrors& err) {
    if (!err.ranOut) {
        return std::nullopt;
    }
    if (err.madeUpFrom >= 0) {
        return err.madeUpFrom;
    }
    if (cinfo->progressive_mode) {
        // Every scan whole so far: the picture is whole if the scans read gave every bit of
        // every coefficient.
        for (int c = 0; c < cinfo->num_components; ++c) {
            for (int k = 0; k < DCTSIZE2; ++k) {
                if (cinfo->coef_bits == nullptr || cinfo->coef_bits[c][k] != 0) {
                    return 0;
                }
            }
        }
        return std::nullopt;
    }
    if (jpeg_has_multiple_scans(const_cast<j_decompress_ptr>(cinfo))) {
        return 0; // a component's scan may never have come
    }
    return std::nullopt; // one scan, every MCU from the file's data: only the end marker missed
}

bool JpegReachesItsEnd(const uchar* p, qsizetype n) {
    qsizetype i = 2;
    bool entropy = false; // inside a scan's data, which runs to the next marker
    while (i < n) {
        if (entropy) {
            const auto* ff = static_cast<const uchar*>(std::memchr(p + i, 0xff, size_t(n - i)));
            if (ff == nullptr) {
                return false;
            }
            i = ff - p;
        }
        if (p[i] != 0xff) {
            return false;
        }
        qsizetype m = i + 1;
        while (m < n && p[m] == 0xff) { // fill bytes
            ++m;
        }
        if (m >= n) {
            return false;
        }
        const uchar marker = p[m];
        if (marker == 0xd9) {
            return true;
        }
        if (entropy && (marker == 0x00 || (marker >= 0xd0 && marker <= 0xd7))) {
            i = m + 1; // a stuffed byte, a restart: the scan goes on
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd8)) {
            i = m + 1;
            continue;
        }
        if (m + 3 > n) {
            return false;
        }
        const qsizetype length = qFromBigEndian<quint16>(p + m + 1);
        if (length < 2 || length > n - m - 1) {
            return false;
        }
        i = m + 1 + length;
        entropy = marker == 0xda;
    }
    return false;
}

std::optional<int> JpegRowsBeforeItsEnd(const uchar* data, qsizetype size) {
    if (JpegReachesItsEnd(data, size)) {
        return std::nullopt;
    }
    // Plain C from here: libjpeg leaves by longjmp.
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    PrepareJpegErrors(&cinfo, &err);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return std::nullopt;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, (unsigned long)size);
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    // Row by row: the count at a warning is then the rows given before it.
    JSAMPARRAY row =
        (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                   cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
    while (cinfo.output_scanline < cinfo.output_height && err.madeUpFrom < 0) {
        jpeg_read_scanlines(&cinfo, row, 1);
    }
    const std::optional<int> rows = JpegRowsFromData(&cinfo, err);
    jpeg_abort_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return rows;
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
