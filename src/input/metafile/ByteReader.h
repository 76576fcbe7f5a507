#pragma once
// Little-endian reads that never leave their buffer. A read past the end yields zero and marks the
// reader failed; callers read a whole record and check ok() once, so a short record cannot be
// mistaken for a good one.

#include <QByteArrayView>
#include <QtGlobal>
#include <cstring>

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}

    qint64 size() const { return bytes_.size(); }
    qint64 pos() const { return pos_; }
    qint64 remaining() const { return bytes_.size() - pos_; }
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }

    // Whether len bytes start at offset; 64-bit so that counts from the file cannot overflow.
    bool has(qint64 offset, qint64 len) const {
        return offset >= 0 && len >= 0 && offset <= size() && len <= size() - offset;
    }

    void seek(qint64 offset) {
        if (has(offset, 0)) {
            pos_ = offset;
        } else {
            fail();
        }
    }
    void skip(qint64 len) { seek(pos_ + len); }

    quint8 u8() { return static_cast<quint8>(take<1>()); }
    quint16 u16() { return static_cast<quint16>(take<2>()); }
    qint16 i16() { return static_cast<qint16>(u16()); }
    quint32 u32() { return static_cast<quint32>(take<4>()); }
    qint32 i32() { return static_cast<qint32>(u32()); }
    float f32() {
        const quint32 bits = u32();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    // A view of len bytes at the cursor, which moves past them; empty and failed when short.
    QByteArrayView bytes(qint64 len) {
        if (!has(pos_, len)) {
            fail();
            return {};
        }
        const QByteArrayView v = bytes_.sliced(pos_, len);
        pos_ += len;
        return v;
    }

    // A reader over len bytes at offset (independent of the cursor); failed when out of range.
    ByteReader sub(qint64 offset, qint64 len) const {
        if (!has(offset, len)) {
            ByteReader bad;
            bad.fail();
            return bad;
        }
        return ByteReader(bytes_.sliced(offset, len));
    }

    QByteArrayView all() const { return bytes_; }

private:
    template <int N> quint64 take() {
        if (!ok_ || !has(pos_, N)) {
            ok_ = false;
            return 0;
        }
        quint64 v = 0;
        for (int i = 0; i < N; ++i) {
            v |= quint64(quint8(bytes_[pos_ + i])) << (8 * i);
        }
        pos_ += N;
        return v;
    }

    QByteArrayView bytes_;
    qint64 pos_ = 0;
    bool ok_ = true;
};
