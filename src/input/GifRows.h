#pragma once
// How far a GIF's first frame goes in data that stop short: its codes are followed as far as
// they are whole, counting the pixels they give without keeping any.

#include <QByteArray>
#include <optional>

// The row of the picture (pictureHeight rows, the logical screen) where the colours of a GIF
// whose data stop within its first frame end: the first row of the frame that its data do not
// give whole. An interlaced frame has whole rows from the top only once its last pass has begun.
// nullopt when the first frame is whole (its data end with their end code or their last block,
// or give every pixel), when damage stops the codes before the data do, and for data that are no
// GIF.
std::optional<int> GifRowsBeforeItsEnd(const QByteArray& data, int pictureHeight);
