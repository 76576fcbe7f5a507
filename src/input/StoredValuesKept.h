#pragma once
// Where a load keeps the stored values of a picture finer than 8 bits a channel. A load that asks
// for them hands one to the decoders; without one they are dropped as soon as the 8-bit picture is
// made, and cost nothing.

#include "pixels/StoredValues.h"

#include <utility>

class StoredValuesKept {
public:
    void keep(StoredValues values) { m_values = std::move(values); }
    // The last picture's fine values; null for a picture of 8 bits or fewer.
    StoredValues take() { return std::exchange(m_values, StoredValues()); }

private:
    StoredValues m_values;
};
