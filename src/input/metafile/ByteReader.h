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
    explicit ByteReader(QByteArrayView bytes) : m_bytes(bytes) {}

    qint64 size() const { return m_bytes.size(); }
    qint64 pos() const { return m_pos; }
    qint64 remaining() const { return m_bytes.size() - m_pos; }
    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }

    // Whether len bytes start at offset; 64-bit so that counts from the file cannot overflow.
    bool has(qint64 offset, qint64 len) const {
        return offset >= 0 && len >= 0 && offset <= size() && len <= size() - offset;
    }

    void seek(qint64 offset) {
        if (has(offset, 0)) {
            m_pos = offset;
        } else {
            fail();
        }
    }
    void skip(qint64 len) { seek(m_pos + len); }

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
        if (!has(m_pos, len)) {
            fail();
            return {};
        }
        const QByteArrayView v = m_bytes.sliced(m_pos, len);
        m_pos += len;
        return v;
    }

    // A reader over len bytes at offset (independent of the cursor); failed when out of range.
    ByteReader sub(qint64 offset, qint64 len) const {
        if (!has(offset, len)) {
            ByteReader bad;
            bad.fail();
            return bad;
        }
        return ByteReader(m_bytes.sliced(offset, len));
    }

    QByteArrayView all() const { return m_bytes; }

private:
    template <int N> quint64 take() {
        if (!m_ok || !has(m_pos, N)) {
            m_ok = false;
            return 0;
        }
        quint64 v = 0;
        for (int i = 0; i < N; ++i) {
            v |= quint64(quint8(m_bytes[m_pos + i])) << (8 * i);
        }
        m_pos += N;
        return v;
    }

    QByteArrayView m_bytes;
    qint64 m_pos = 0;
    bool m_ok = true;
};
