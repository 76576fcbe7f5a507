#include "input/JpegFirstLook.h"

#include "input/JpegCoarse.h"
#include "input/JpegCommon.h"
#include "input/PictureLimits.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Rows decoded and published at a time.
constexpr int kBatch = 16;

// Plain C from here to the end of the namespace: libjpeg leaves by longjmp, past which no
// object with a destructor may live.

// The top rows, cropped to the columns from the left that cover `columns`: into the picture's
// rows. Returns the columns and rows decoded.
bool DecodeTop(const uchar* data, unsigned long size, uchar* bits, qsizetype bytesPerLine,
               int columns, int rows, int* columnsDecoded, int* rowsDecoded) {
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    PrepareJpegErrors(&cinfo, &err);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    StartJpegDecompress(&cinfo, data, size);
    JDIMENSION left = 0;
    JDIMENSION width = JDIMENSION(columns);
    if (width < cinfo.output_width) {
        jpeg_crop_scanline(&cinfo, &left, &width);
    }
    JSAMPROW pointers[kBatch];
    while (cinfo.output_scanline < JDIMENSION(rows)) {
        const int y = int(cinfo.output_scanline);
        const int n = std::min(kBatch, rows - y);
        for (int i = 0; i < n; ++i) {
            pointers[i] = bits + (y + i) * bytesPerLine;
        }
        jpeg_read_scanlines(&cinfo, pointers, JDIMENSION(n));
    }
    *columnsDecoded = int(width);
    *rowsDecoded = int(cinfo.output_scanline);
    jpeg_abort_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    // Data that stop within the first look's rows: the picture is decoded whole, which says
    // where they stop before anyone reads a row.
    return err.madeUpFrom < 0;
}

// n rows, one call each: a warning then comes with the count of the rows given before it.
int ReadRowByRow(jpeg_decompress_struct* cinfo, JSAMPROW* pointers, int n) {
    int read = 0;
    for (int i = 0; i < n; ++i) {
        read += int(jpeg_read_scanlines(cinfo, pointers + i, 1));
    }
    return read;
}

class JpegJob;
bool DecodeRest(JpegJob* job, uchar* scratch);

// The whole picture, decoded beside the first look from the start: the first look writes the
// top rows' columns [0, firstColumns) on the window's thread while this thread writes the rest of
// those rows. The first look's last columns (from readyColumns) are not final, as a cropped
// decode ends them, so this thread keeps its own for them aside (edge) and puts them in once the
// first look is written; only then does it publish rows.
class JpegJob final : public ArrivingRows {
public:
    QByteArray data;
    int firstColumns = 0;
    int decodedRows = 0; // by this thread, in every column but the first look's
    std::vector<uchar> edge;
    int edgePlaced = 0;        // rows of edge in the picture
    std::optional<int> endsAt; // where the data stop short, when they do

    qsizetype edgeBytes() const { return qsizetype(firstColumns - readyColumns) * 4; }
    // Once the first look is written: its edge in the picture, and the rows decoded published.
    void publishDecoded() {
        const qsizetype bytes = edgeBytes();
        if (bytes == 0) {
            edgePlaced = readyRows; // the first look has every column: no edge
        }
        for (; edgePlaced < std::min(decodedRows, readyRows); ++edgePlaced) {
            std::memcpy(line(edgePlaced) + qsizetype(readyColumns) * 4,
                        edge.data() + edgePlaced * bytes, size_t(bytes));
        }
        publish(decodedRows);
    }
    void run() {
        YieldToTheWindow();
        std::vector<uchar> scratch(size_t(width()) * 4 * kBatch);
        edge.resize(size_t(edgeBytes()) * size_t(readyRows));
        const bool decoded = DecodeRest(this, scratch.data());
        data = QByteArray(); // the file's bytes are not needed any more
        awaitFirstLook();
        if (!cancel.load()) {
            if (decoded && endsAt) {
                endAt(*endsAt); // the library's grey below it, as the whole decode gives
            }
            publishDecoded();
            if (!decoded) {
                // A failure part-way, which a file whose scan has begun hardly meets.
                greyTheRest();
            }
        }
        finish();
    }
};

// All rows, in order: those of the first look into scratch, whose columns beyond it are kept;
// the rest straight into the picture.
bool DecodeRest(JpegJob* job, uchar* scratch) {
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    PrepareJpegErrors(&cinfo, &err);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    StartJpegDecompress(&cinfo, reinterpret_cast<const uchar*>(job->data.constData()),
                        (unsigned long)job->data.size());
    JSAMPROW pointers[kBatch];
    const size_t edgeOffset = size_t(job->readyColumns) * 4;
    const size_t edgeBytes = size_t(job->edgeBytes());
    const size_t keptOffset = size_t(job->firstColumns) * 4;
    const size_t keptBytes = size_t(job->width() - job->firstColumns) * 4;
    const size_t lineBytes = size_t(job->width()) * 4;
    while (cinfo.output_scanline < cinfo.output_height) {
        if (job->cancel.load(std::memory_order_relaxed)) {
            jpeg_abort_decompress(&cinfo);
            jpeg_destroy_decompress(&cinfo);
            return true;
        }
        const int y = int(cinfo.output_scanline);
        if (y < job->readyRows) {
            const int n = std::min(kBatch, job->readyRows - y);
            for (int i = 0; i < n; ++i) {
                pointers[i] = scratch + size_t(i) * lineBytes;
            }
            const int read = ReadRowByRow(&cinfo, pointers, n);
            for (int i = 0; i < read; ++i) {
                std::memcpy(job->line(y + i) + keptOffset, pointers[i] + keptOffset, keptBytes);
                if (edgeBytes != 0) {
                    std::memcpy(job->edge.data() + size_t(y + i) * edgeBytes,
                                pointers[i] + edgeOffset, edgeBytes);
                }
            }
        } else {
            const int n = std::min(kBatch, job->height() - y);
            for (int i = 0; i < n; ++i) {
                pointers[i] = job->line(y + i);
            }
            ReadRowByRow(&cinfo, pointers, n);
        }
        job->decodedRows = int(cinfo.output_scanline);
        if (err.madeUpFrom >= 0 && !job->endsAt) {
            // The data ended within these rows: said before the library's grey is published.
            job->endsAt = err.madeUpFrom;
            job->endAt(err.madeUpFrom);
        }
        if (job->firstLookWritten()) {
            job->publishDecoded();
        }
    }
    job->endsAt = JpegRowsFromData(&cinfo, err);
    jpeg_abort_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

class ProgressiveJob;
bool DecodeScans(ProgressiveJob* job, uchar* band);

// A progressive JPEG: its coarse look is shown until the whole picture has been read, then final
// rows replace it from the top.
class ProgressiveJob final : public ArrivingRows {
public:
    QByteArray data;
    void run() {
        YieldToTheWindow();
        enlargeTheRest();
        std::vector<uchar> band(size_t(width()) * 4 * kBatch);
        const bool decoded = DecodeScans(this, band.data());
        data = QByteArray();
        if (!decoded && !cancel.load()) {
            greyTheRest();
        }
        finish();
    }
};

// Reads every scan, then writes the final rows over the coarse look a band at a time.
bool DecodeScans(ProgressiveJob* job, uchar* band) {
    jpeg_decompress_struct cinfo;
    JpegErrors err;
    PrepareJpegErrors(&cinfo, &err);
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    StartJpegDecompress(&cinfo, reinterpret_cast<const uchar*>(job->data.constData()),
                        (unsigned long)job->data.size(), true);
    const auto stop = [&cinfo] {
        jpeg_abort_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        return true;
    };
    for (;;) {
        if (job->cancel.load(std::memory_order_relaxed)) {
            return stop();
        }
        const int read = jpeg_consume_input(&cinfo);
        if (read == JPEG_REACHED_EOI || read == JPEG_SUSPENDED) {
            break;
        }
    }
    if (const std::optional<int> endsAt = JpegRowsFromData(&cinfo, err)) {
        // Said before any final row replaces the coarse look: a pick that waited for rows below
        // the end knows them for what the scans leave, not the picture's colours.
        job->endAt(*endsAt);
    }
    jpeg_start_output(&cinfo, cinfo.input_scan_number);
    const qsizetype lineBytes = qsizetype(job->width()) * 4;
    JSAMPROW pointers[kBatch];
    for (int i = 0; i < kBatch; ++i) {
        pointers[i] = band + i * lineBytes;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        if (job->cancel.load(std::memory_order_relaxed)) {
            return stop();
        }
        const int y = int(cinfo.output_scanline);
        const int rows = int(
            jpeg_read_scanlines(&cinfo, pointers, JDIMENSION(std::min(kBatch, job->height() - y))));
        job->replaceRows(y, rows, band, lineBytes);
    }
    jpeg_finish_output(&cinfo);
    return stop();
}

ArrivingImage DecodeProgressiveFirstLook(const QByteArray& data, const JpegHeader& header,
                                         QSize area) {
    auto job = std::make_shared<ProgressiveJob>();
    job->coarse =
        DecodeJpegCoarse(reinterpret_cast<const uchar*>(data.constData()), data.size(), header.rgb);
    if (job->coarse.width() != (header.width + 7) / 8 ||
        job->coarse.height() != (header.height + 7) / 8) {
        return {};
    }
    if (!job->allocate(header.width, header.height)) {
        return {}; // the usual way says that memory ran out
    }
    job->data = data;
    job->preview = true;
    job->eighths = true;
    job->previewColumns = std::min(header.width, area.width());
    job->previewRows = std::min(header.height, area.height());
    ArrivingImage picture = ArrivingRows::PictureOver(job);
    job->enlargeBlock();
    ProgressiveJob* running = job.get();
    job->start([running] { running->run(); });
    return picture;
}

} // namespace

ArrivingImage DecodeJpegFirstLook(const QByteArray& data, const FirstLookArea& look) {
    const QSize area = look.area;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const auto size = (unsigned long)data.size();
    JpegHeader header;
    // Colours as stored (their conversion by a profile follows the rows as they arrive).
    if (area.isEmpty() || !ReadJpegHeader(bytes, size, &header) || !header.colorOrGrey ||
        (header.width <= area.width() && header.height <= area.height())) {
        return {};
    }
    CheckPictureSize(header.width, header.height);
    if (header.progressive) {
        // Its scans are all read before any final row: damage there would show as grey rows
        // where the command line must fail.
        return look.damageMayShow ? DecodeProgressiveFirstLook(data, header, area)
                                  : ArrivingImage();
    }
    if (!header.oneScan) {
        return {}; // scans in some other order: decoded whole
    }
    auto job = std::make_shared<JpegJob>();
    job->data = data;
    if (!job->allocate(header.width, header.height)) {
        return {}; // the usual way says that memory ran out
    }
    // A crop from the left keeps the columns asked for (libjpeg moves only its left edge to a
    // block's), and its last ones, next to columns it leaves out, are not final.
    job->firstColumns = std::min(header.width, area.width() + kJpegCropMargin);
    job->readyColumns = job->firstColumns == header.width ? header.width : area.width();
    job->readyRows = std::min(header.height, area.height());
    JpegJob* running = job.get();
    job->start([running] { running->run(); });
    int columnsDecoded = 0;
    int rowsDecoded = 0;
    if (!DecodeTop(bytes, size, job->line(0), job->bytesPerLine(), job->firstColumns,
                   job->readyRows, &columnsDecoded, &rowsDecoded) ||
        columnsDecoded != job->firstColumns || rowsDecoded != job->readyRows) {
        job->abandon();
        return {};
    }
    return ArrivingRows::PictureOver(job);
}
