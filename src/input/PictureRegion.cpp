#include "input/PictureRegion.h"

#include "input/JpegCommon.h"
#include "input/LoadPicture.h"
#include "input/ModernDecoders.h"
#include "input/PngRows.h"
#include "input/metafile/Metafile.h"
#include "pixels/PixelBuffer.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

#include <zlib.h>

namespace {

// Whole iMCU rows decoded above each area's own. Fancy upsampling reads the chroma rows above and
// below each row; the library restores them when it resumes after a jump, and an iMCU row read
// before the area keeps the area's rows away from where it resumes all the same.
constexpr int kJpegContextGroups = 1;

// Each area clipped to the picture, in the order asked.
QList<QRect> Place(const QList<QRect>& areas, QSize size) {
    const QRect picture(QPoint(0, 0), size);
    QList<QRect> placed;
    placed.reserve(areas.size());
    for (const QRect& area : areas) {
        const QRect inside = area.normalized().intersected(picture);
        placed.append(inside.isEmpty() ? QRect() : inside);
    }
    return placed;
}

// Plain C from here to DecodeJpegAreas: libjpeg leaves by longjmp, past which no object with a
// destructor may live.

// One part to fill: where it lies in the picture (inclusive bounds) and its pixels.
struct AreaRows {
    int left;
    int top;
    int right;
    int bottom;
    uchar* bits;
    qsizetype bytesPerLine;
};

// Rows read in one go: from start (a whole iMCU row) to end, for the parts [firstArea, endArea).
struct RowBand {
    int start;
    int end;
    int firstArea;
    int endArea;
};

struct JpegRegionJob {
    const uchar* data;
    unsigned long size;
    // The columns to decode, margins included.
    int left;
    int width;
    // The parts by their top rows.
    const AreaRows* parts;
    int count;
    // Room for the bands (as many as parts) and for one row of the picture.
    RowBand* bands;
    uchar* scratch;
};

// The bands of rows that the parts need, each beginning kJpegContextGroups iMCU rows above its
// first part. Reading goes on to the end of the iMCU row the band ends in, where the next band
// may begin as well.
int PlanBands(const JpegRegionJob* job, int group) {
    int count = 0;
    for (int i = 0; i < job->count; ++i) {
        const AreaRows& part = job->parts[i];
        const int start = std::max(0, (part.top / group - kJpegContextGroups) * group);
        if (count > 0) {
            RowBand& last = job->bands[count - 1];
            if (start <= (last.end / group + 1) * group) {
                last.end = std::max(last.end, part.bottom);
                last.endArea = i + 1;
                continue;
            }
        }
        job->bands[count++] = RowBand{start, part.bottom, i, i + 1};
    }
    return count;
}

// The bands' rows, cropped to the job's columns; the library jumps over the iMCU rows between
// bands (decoding their Huffman codes only). Jumps start and end on whole iMCU rows, where the
// library resumes cleanly.
bool ReadBands(jpeg_decompress_struct* cinfo, const JpegRegionJob* job) {
    JDIMENSION left = JDIMENSION(job->left);
    JDIMENSION width = JDIMENSION(job->width);
    if (width < cinfo->output_width) {
        jpeg_crop_scanline(cinfo, &left, &width); // moves left to a block boundary
    }
    const int decodedLeft = int(left);
    const int group = cinfo->max_v_samp_factor * cinfo->min_DCT_scaled_size;
    const int height = int(cinfo->output_height);
    const int bands = PlanBands(job, group);
    JSAMPROW row = job->scratch;
    for (int b = 0; b < bands; ++b) {
        const RowBand& band = job->bands[b];
        if (band.start > int(cinfo->output_scanline)) {
            jpeg_skip_scanlines(cinfo, JDIMENSION(band.start - int(cinfo->output_scanline)));
        }
        while (int(cinfo->output_scanline) <= band.end) {
            const int y = int(cinfo->output_scanline);
            if (jpeg_read_scanlines(cinfo, &row, 1) != 1) {
                return false;
            }
            for (int i = band.firstArea; i < band.endArea; ++i) {
                const AreaRows& part = job->parts[i];
                if (y >= part.top && y <= part.bottom) {
                    std::memcpy(part.bits + qsizetype(y - part.top) * part.bytesPerLine,
                                job->scratch + size_t(part.left - decodedLeft) * 4,
                                size_t(part.right - part.left + 1) * 4);
                }
            }
        }
        if (b + 1 == bands) {
            break;
        }
        while (int(cinfo->output_scanline) % group != 0 && int(cinfo->output_scanline) < height) {
            if (jpeg_read_scanlines(cinfo, &row, 1) != 1) {
                return false;
            }
        }
    }
    return true;
}

// False when the library fails, or warns of damage: the whole decode then has its say.
bool DecodeJpegAreas(const JpegRegionJob* job) {
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    PrepareJpegErrors(&cinfo, &err);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    StartJpegDecompress(&cinfo, job->data, job->size);
    const bool read = ReadBands(&cinfo, job);
    jpeg_abort_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return read && err.warnings == 0;
}

// Whether the scan runs to the end of the picture: after the start of scan, the first marker other
// than a restart is the end of image, or the data stop short (a truncated file, whose missing rows
// the whole decode fills in). Any other marker there is damage that may fail the whole decode
// in rows the areas do not reach.
bool ScanEndsCleanly(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    qsizetype i = 2;
    bool scan = false;
    while (!scan && i + 4 <= n) { // the segments before the scan
        if (p[i] != 0xff) {
            return false;
        }
        const uchar marker = p[i + 1];
        if (marker == 0xff) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7) || marker == 0xd8 ||
            marker == 0xd9) {
            return false;
        }
        scan = marker == 0xda;
        i += 2 + qFromBigEndian<quint16>(p + i + 2);
    }
    if (!scan) {
        return false;
    }
    while (i < n) {
        const auto* ff = static_cast<const uchar*>(std::memchr(p + i, 0xff, size_t(n - i)));
        if (ff == nullptr || ff + 1 == p + n) {
            return true;
        }
        i = ff - p + 1;
        const uchar next = p[i];
        if (next == 0xd9) {
            return true;
        }
        if (next != 0x00 && next != 0xff && (next < 0xd0 || next > 0xd7)) {
            return false;
        }
    }
    return true;
}

std::optional<PictureRegions> JpegRegions(const QByteArray& data, const QList<QRect>& areas) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const auto size = (unsigned long)data.size();
    JpegHeader header;
    if (!ReadJpegHeader(bytes, size, &header) || !header.oneScan || !header.colorOrGrey ||
        header.arithmetic || header.warnings > 0) {
        return std::nullopt;
    }
    CheckPictureSize(header.width, header.height);
    if (!ScanEndsCleanly(data)) {
        return std::nullopt;
    }
    PictureRegions regions;
    regions.pictureSize = QSize(header.width, header.height);
    regions.profile = JpegProfile(data);
    regions.placed = Place(areas, regions.pictureSize);
    regions.parts.resize(areas.size());
    std::vector<AreaRows> parts;
    int left = header.width;
    int right = -1;
    for (qsizetype i = 0; i < areas.size(); ++i) {
        const QRect& placed = regions.placed.at(i);
        if (placed.isEmpty()) {
            continue;
        }
        QImage& part = regions.parts[i];
        part = NewPicture(placed.size(), QImage::Format_RGB32);
        if (part.isNull()) {
            return std::nullopt; // the whole decode says that memory ran out
        }
        parts.push_back(AreaRows{placed.left(), placed.top(), placed.right(), placed.bottom(),
                                 part.bits(), part.bytesPerLine()});
        left = std::min(left, placed.left());
        right = std::max(right, placed.right());
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const AreaRows& a, const AreaRows& b) { return a.top < b.top; });
    // With no part, the decoder still starts: the scan's tables must be usable.
    left = parts.empty() ? 0 : std::max(0, left - kJpegCropMargin);
    right = parts.empty() ? header.width - 1 : std::min(header.width - 1, right + kJpegCropMargin);
    std::vector<RowBand> bands(parts.size());
    std::vector<uchar> scratch(size_t(header.width) * 4);
    const JpegRegionJob job{
        bytes,        size,          left, right - left + 1, parts.data(), int(parts.size()),
        bands.data(), scratch.data()};
    if (!DecodeJpegAreas(&job)) {
        return std::nullopt;
    }
    // The areas' rows came from the file's own data; where the data stop short below them, the
    // library says from which row on, as the whole decode's.
    regions.endsAtRow = JpegRowsBeforeItsEnd(bytes, data.size());
    if (regions.endsAtRow && *regions.endsAtRow >= header.height) {
        regions.endsAtRow = std::nullopt;
    }
    return regions;
}

std::optional<PictureRegions> PngRegions(const QByteArray& data, const QList<QRect>& areas) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    // The loader's checks, in its order: the header's size, then the reader's.
    if (data.size() >= 24) {
        CheckPictureSize(qFromBigEndian<quint32>(p + 16), qFromBigEndian<quint32>(p + 20));
    }
    QSize size;
    {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        reader.setAutoTransform(false);
        size = reader.size();
        if (!size.isValid()) {
            return std::nullopt;
        }
        CheckPictureSize(size.width(), size.height());
        const QImage::Format decoded = reader.imageFormat();
        if (decoded != QImage::Format_Invalid &&
            qint64(size.width()) * size.height() * QImage::toPixelFormat(decoded).bitsPerPixel() /
                    8 >
                MaxPictureBytes()) {
            ThrowTooLarge(size.width(), size.height());
        }
    }
    if (data.size() < 29 || p[28] != 0) { // interlaced: every pass spans all rows
        return std::nullopt;
    }
    const int depth = p[24];
    int channels = 0;
    switch (p[25]) {
    case 0: // grey
    case 3: // palette
        channels = 1;
        break;
    case 2: // RGB
        channels = 3;
        break;
    case 4: // grey and alpha
        channels = 2;
        break;
    case 6: // RGBA
        channels = 4;
        break;
    default:
        return std::nullopt;
    }
    PictureRegions regions;
    regions.pictureSize = size;
    regions.profile = PngProfile(data);
    regions.placed = Place(areas, size);
    regions.parts.resize(areas.size());
    int rows = 0;
    for (const QRect& placed : std::as_const(regions.placed)) {
        if (!placed.isEmpty()) {
            rows = std::max(rows, placed.bottom() + 1);
        }
    }
    // With no rows wanted, the first is decoded all the same: the chunks before the pixels and
    // the start of the pixels must read.
    rows = std::max(rows, 1);
    const bool whole = rows == size.height();
    const qint64 rowBytes = (qint64(size.width()) * channels * depth + 7) / 8;
    const QByteArray file = whole ? data : PngFirstRows(data, rows, rowBytes, true);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    QImage picture = EightBitPicture(ReadPngAsLoaded(file), nullptr);
    if (picture.isNull() || picture.size() != QSize(size.width(), rows)) {
        return std::nullopt;
    }
    // An opaque top may have transparent rows below, which make the whole picture premultiplied.
    const bool mayBeTransparent = picture.hasAlphaChannel();
    picture = NormalizePicture(std::move(picture));
    if (!whole && mayBeTransparent && picture.format() == QImage::Format_RGB32) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < areas.size(); ++i) {
        if (!regions.placed.at(i).isEmpty()) {
            regions.parts[i] = picture.copy(regions.placed.at(i));
        }
    }
    return regions;
}

} // namespace

std::optional<PictureRegions> DecodePictureRegions(const QByteArray& data,
                                                   const QList<QRect>& areas) {
    if (LooksLikeMetafile(data)) {
        return std::nullopt;
    }
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (data.size() >= 3 && p[0] == 0xff && p[1] == 0xd8 && p[2] == 0xff) {
        return JpegRegions(data, areas);
    }
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        return PngRegions(data, areas);
    }
    return std::nullopt;
}
