#include "input/metafile/GdiObjects.h"

#include <algorithm>

namespace gdi {

std::optional<Object> stockObject(quint32 index) {
    if ((index & 0x80000000u) == 0) {
        return std::nullopt;
    }
    auto brush = [](int style, QColor color) {
        Brush b;
        b.style = style;
        b.color = color;
        return Object(b);
    };
    auto pen = [](int style, QColor color) {
        Pen p;
        p.style = style;
        p.color = color;
        return Object(p);
    };
    auto font = [](const char* face, int height) {
        Font f;
        f.face = QString::fromLatin1(face);
        f.height = height;
        return Object(f);
    };
    switch (index & 0x7fffffffu) {
    case 0:
        return brush(BsSolid, Qt::white);
    case 1:
        return brush(BsSolid, QColor(0xc0, 0xc0, 0xc0));
    case 2:
        return brush(BsSolid, QColor(0x80, 0x80, 0x80));
    case 3:
        return brush(BsSolid, QColor(0x40, 0x40, 0x40));
    case 4:
        return brush(BsSolid, Qt::black);
    case 5:
        return brush(BsNull, Qt::black);
    case 6:
        return pen(PsSolid, Qt::white);
    case 7:
        return pen(PsSolid, Qt::black);
    case 8:
        return pen(PsNull, Qt::black);
    case 10:
    case 11:
    case 16:
        return font("Monospace", 12);
    case 12:
    case 13:
    case 14:
    case 17:
        return font("Sans Serif", 16);
    case 18:
        return brush(BsSolid, Qt::white);
    case 19:
        return pen(PsSolid, Qt::black);
    default:
        return Object(Placeholder{});
    }
}

bool ObjectTable::addToFreeSlot(Object object) {
    // Every slot below m_firstFree is taken, so the search never rescans them.
    while (m_firstFree < m_slots.size() && m_slots[m_firstFree]) {
        ++m_firstFree;
    }
    if (m_firstFree == m_slots.size()) {
        if (int(m_slots.size()) >= m_capacity) {
            return false;
        }
        m_slots.emplace_back();
    }
    m_slots[m_firstFree++] = std::move(object);
    return true;
}

bool ObjectTable::put(quint32 index, Object object) {
    if (index >= quint32(m_capacity)) {
        return false;
    }
    if (index >= m_slots.size()) {
        m_slots.resize(index + 1);
    }
    m_slots[index] = std::move(object);
    return true;
}

const Object* ObjectTable::get(quint32 index) const {
    if (index < m_slots.size() && m_slots[index]) {
        return &*m_slots[index];
    }
    return nullptr;
}

void ObjectTable::remove(quint32 index) {
    if (index < m_slots.size()) {
        m_slots[index].reset();
        m_firstFree = std::min<size_t>(m_firstFree, index);
    }
}

} // namespace gdi
