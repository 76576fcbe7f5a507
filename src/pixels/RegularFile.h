#pragma once
// Reading a file whole, when it is a regular file. A FIFO, a device or a socket is refused at
// once: opening one could wait for ever for a writer, or read without end.

#include <QByteArray>
#include <QString>
#include <memory>

struct RegularFileRead {
    enum class Outcome {
        Read,       // bytes holds the whole file
        Folder,     // the path names a folder
        NotRegular, // a FIFO, device or socket
        TooLarge,   // larger than the most asked for; nothing read
        Failed      // see error (missing, no permission, a read error)
    };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;
    QString error; // the system's words, for Failed
    // For a mapped file: the mapping bytes views, kept while any copy of this lives.
    std::shared_ptr<const void> mapping;
};

// The file's bytes, at most maxBytes of them. Links are followed to what they name.
RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes);

// The same, with the file mapped into memory instead of copied: bytes is a view of the mapping
// (its pages read in at once), which lives as long as mapping. A one-shot reader of a large file
// saves the copy; a file cut shorter while mapped raises SIGBUS on reading its lost pages, which
// the program must be ready for.
RegularFileRead MapRegularFile(const QString& path, qint64 maxBytes);

// The system's description of an error number ("No space left on device").
QString SystemErrorText(int error);

// File names as the system spells them (bytes) and as text, both ways without loss: a byte that is
// no part of UTF-8 becomes U+DC80 to U+DCFF (a lone surrogate, which no UTF-8 name holds), and
// back. Shown, such a character is a replacement mark.
QString FileNameText(const QByteArray& systemName);
QByteArray SystemFileName(const QString& name);
