// EMF text records: one or more runs of 8-bit or UTF-16 text, each with its spacing.

#include "input/metafile/EmfPlayer.h"
#include "input/metafile/Players.h"

#include <algorithm>

namespace gdi::emf {

// One EMRTEXT: where, what, and how far apart. Offsets count from the record's start.
bool EmfPlayer::emrText(ByteReader& record, ByteReader& r, bool wide) {
    TextRun run;
    run.reference = readPoint(r);
    const quint32 chars = r.u32();
    const quint32 offString = r.u32();
    run.options = r.u32();
    if (!(run.options & 0x100)) { // ETO_NO_RECT
        run.rect = readRect(r);
    }
    const quint32 offDx = r.u32();
    const ByteReader string = record.sub(offString, qint64(chars) * (wide ? 2 : 1));
    if (!r.ok() || !string.ok()) {
        return false;
    }
    // Entries may share one long string; only what can be drawn is read, each time.
    const quint32 kept = quint32(std::min<qint64>(chars, WorkBudget::MaxTextRun));
    if (wide) {
        ByteReader s = string;
        run.text.reserve(kept);
        for (quint32 i = 0; i < kept; ++i) {
            run.text.append(QChar(char16_t(s.u16())));
        }
    } else {
        run.text = decodeAnsi(string.all().first(kept));
    }
    run.glyphIndices = run.options & EtoGlyphIndex;
    const bool pdy = run.options & EtoPdy;
    ByteReader dx = record.sub(offDx, qint64(chars) * (pdy ? 8 : 4));
    if (offDx != 0 && dx.ok()) {
        for (quint32 i = 0; i < kept; ++i) {
            run.dx.append(dx.i32());
            if (pdy) {
                run.dy.append(dx.i32());
            }
        }
    }
    m_dc.text(run);
    return true;
}

bool EmfPlayer::text(quint32 type, ByteReader& r) {
    if (type == SmallTextOut) {
        TextRun run;
        run.reference = readPoint(r);
        const quint32 chars = r.u32();
        run.options = r.u32();
        r.skip(12); // graphics mode, scales
        if (!(run.options & 0x100)) {
            run.rect = readRect(r);
        }
        const bool narrow = run.options & 0x200; // ETO_SMALL_CHARS
        const QByteArrayView bytes = r.bytes(qint64(chars) * (narrow ? 1 : 2));
        if (!r.ok()) {
            return false;
        }
        if (narrow) {
            run.text = decodeAnsi(bytes);
        } else {
            ByteReader s(bytes);
            for (quint32 i = 0; i < chars; ++i) {
                run.text.append(QChar(char16_t(s.u16())));
            }
        }
        run.glyphIndices = run.options & EtoGlyphIndex;
        m_dc.text(run);
        return true;
    }
    r.skip(28); // bounds, graphics mode, scales
    const bool wide = type == ExtTextOutW || type == PolyTextOutW;
    quint32 strings = 1;
    if (type == PolyTextOutA || type == PolyTextOutW) {
        strings = r.u32();
        if (!r.ok() || qint64(strings) * 40 > r.remaining()) {
            return false;
        }
    }
    ByteReader record = r.sub(0, r.size());
    for (quint32 i = 0; i < strings; ++i) {
        if (!emrText(record, r, wide)) {
            return false;
        }
    }
    return true;
}

} // namespace gdi::emf
