#pragma once
// The picture file named on the command line, loaded on a thread of its own while the window is
// being built, when it gives a first look (a large JPEG, PNG or WebP): the window then takes it
// instead of loading the file itself, and its first frame comes sooner. The area is a guess made
// before the window exists (its remembered size); the rest of the picture is held back until the
// window has drawn (ArrivingRows::Holding). Anything else (another kind, a failure, a view larger
// than the guess, another file) is left to the window's own load, which says what is wrong.

#include "sources/PictureArrival.h"

#include <QSize>
#include <QString>
#include <optional>
#include <thread>

class EarlyPicture {
public:
    EarlyPicture(const QString& path, const QString& readFrom, QSize area);
    ~EarlyPicture(); // a picture never taken goes, and its decoding stops
    EarlyPicture(const EarlyPicture&) = delete;
    EarlyPicture& operator=(const EarlyPicture&) = delete;

    // The arrival, once loaded, when it is this file's and its first look covers a view of this
    // size; otherwise nothing, and it goes. Taken once.
    std::optional<PictureArrival> take(const QString& path, const QString& readFrom, QSize view);

private:
    QString m_path;
    QString m_readFrom;
    QSize m_area;
    std::optional<PictureArrival> m_arrival; // written by the thread, read after joining it
    std::thread m_thread;
};
