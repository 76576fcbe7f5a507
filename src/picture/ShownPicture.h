#pragma once
// The picture as shown: the stored picture a source gave (its 8-bit values, its colour profile,
// its values at the file's precision, its rows still arriving), the colours it is shown in (as a
// colour-managed program shows them, or as stored), laid over a background where it is
// transparent. The window, the command line's verbs and the screen pick all read colours from
// it, with one question: the colour at a pixel, or averaged over the square around it, with where
// it came from (a Pick). Reading a part that has not arrived yet waits for it.
//
// A value: copies share their pixels.

#include "input/LoadPicture.h"
#include "list/Pick.h"
#include "pixels/PendingPixels.h"
#include "readout/Sampling.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// How a picture is shown.
struct ShowOptions {
    // The stored values as they are, no profile applied (View, Colours as stored in the file).
    bool asStored = false;
    // What transparent parts lie over: the window's background, or white on paper.
    QColor background = Qt::white;
    // A picture still arriving has this block at its top-left corner converted at once, the
    // rest as its rows arrive.
    QSize firstLook;
    // Where the picture came from, as picks record it (a file's path, "Screen capture").
    QString source;
};

class ShownPicture {
public:
    // The empty picture.
    ShownPicture() = default;
    // Throws PlatformError when memory for the converted colours runs out, std::bad_alloc when
    // it runs out for the picture laid over its background.
    ShownPicture(LoadedPicture stored, const ShowOptions& options);
    // The same, never failing: where the colours cannot be converted for want of memory, the
    // stored values are shown, with a notice that says so; where nothing can be shown, the
    // empty picture is, with that notice.
    static ShownPicture OrStored(LoadedPicture stored, const ShowOptions& options);
    // An image shown as it is, no profile to apply (the screen, a picture a test makes).
    static ShownPicture OfImage(const ArrivingImage& image, const ShowOptions& options = {});

    // The same picture in other colours, with the same options otherwise.
    ShownPicture inColors(bool asStored, QSize firstLook) const;

    bool isNull() const { return m_image.isNull(); }
    QSize size() const { return m_image.size(); }
    QRect rect() const { return m_image.rect(); }
    const ShowOptions& options() const { return m_options; }

    // The colours as shown: Format_RGB32, opaque, sharing the stored picture's pixels where
    // nothing needed converting or laying over the background. Rows may still be arriving.
    const QImage& image() const { return m_image; }
    // What says which of its pixels have arrived; null once all have (or from the start).
    const std::shared_ptr<const PendingPixels>& arriving() const { return m_arriving; }
    // The row where the file ends early, when it does and that is known (rows still arriving
    // tell no later than the rows below it arrive): the rows from there down hold no colours of
    // the picture.
    std::optional<int> endsAtRow() const;
    // For a file stored from the bottom up that ends early: the first row it holds (the rows
    // above hold no colours of the picture); 0 for every other.
    int startsAtRow() const { return m_stored.startsAtRow; }
    // Whether the area reaches rows the file does not hold; waits for the area's rows first.
    bool beyondTheEnd(const QRect& area) const;
    // The whole picture, once every row of it has arrived.
    const QImage& whole() const;
    // Waits until every pixel of the area holds its final colour.
    void waitFor(const QRect& area) const;
    // Whether the area holds its final colours without waiting: only a picture that shows a
    // preview meanwhile may lack them (others' readers wait instead).
    bool final(const QRect& area) const;
    // The area's rows a band at a time, each once its pixels are there.
    void forEachBand(const QRect& area,
                     const std::function<void(int firstRow, int rows)>& band) const;

    // The channel sums of the part of the (2n+1)^2 square centred on pixel that lies inside the
    // picture and within (a part of the picture the reading keeps to, such as one monitor of the
    // desktop; empty for the whole picture). The radius n is taken within 0 to kMaxRadius.
    ChannelSums sumsAt(QPoint pixel, int radius, const QRect& within = QRect()) const;
    // The channel sums of the pixels of the area that lie inside the picture.
    ChannelSums sumsIn(const QRect& area) const;
    // The colour shown at pixel (radius 0), or each channel's average over the square's pixels
    // inside the picture and within, rounded to the nearest; -1 when none is there.
    ColorValue colorAt(QPoint pixel, int radius = 0, const QRect& within = QRect()) const;
    // Where a colour read there came from: the source, the pixel and the radius, the profile it
    // was shown through, the value the file stores (the square's mean for a radius) at its
    // precision and the exact sRGB value it stands for, over the same pixels as colorAt. Nothing
    // stored for a pixel outside.
    PickOrigin originAt(QPoint pixel, int radius = 0, const QRect& within = QRect()) const;
    // The colour and where it came from; nothing where no pixel of the square is there.
    std::optional<Pick> pickAt(QPoint pixel, int radius = 0, const QRect& within = QRect()) const;

    // The stored picture, as the source gave it.
    const LoadedPicture& stored() const { return m_stored; }
    const ColorProfile& profile() const { return m_stored.profile; }
    // The profile's own name, shown through or not; empty for none, or one that cannot be used.
    const QString& profileName() const { return m_profileName; }
    // The profile the shown colours were converted from; empty when they are the stored values.
    const QString& shownProfile() const { return m_shownProfile; }
    // Why the picture's profile could not be used (damaged, unknown, no memory to convert),
    // in a sentence; empty when it could, or there is none.
    const QString& notice() const { return m_notice; }
    // CSS Color 4's name of the space the stored values are in, as the picture is shown now
    // ("srgb", "display-p3", "rec2020"); empty for any other, or for values shown unconverted.
    const QString& storedSpace() const { return m_storedSpace; }

private:
    LoadedPicture m_stored;
    ShowOptions m_options;
    QImage m_image;
    std::shared_ptr<const PendingPixels> m_arriving;
    QString m_profileName;
    QString m_shownProfile;
    QString m_notice;
    QString m_storedSpace;
};
