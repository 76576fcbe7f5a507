#include "cli/Verbs.h"

#include "cli/VerbPicture.h"
#include "history/PickHistory.h"
#include "measure/AreaStats.h"
#include "measure/DominantColors.h"
#include "palette/ListFormats.h"
#include "palette/Notations.h"
#include "palette/SwatchFormats.h"
#include "palette/Template.h"
#include "pixels/RegularFile.h"
#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <new>
#include <optional>

namespace Verbs {

namespace {
QString Quoted(const QByteArray& word) {
    return QLatin1Char('\'') + FileNameText(word) + QLatin1Char('\'');
}

[[noreturn]] void Usage(const QString& message) {
    throw Failure{2, message};
}

// The words of a verb: its options (with their values) and the rest, in order.
struct Words {
    std::map<QByteArray, QByteArray> options;
    QList<QByteArray> operands;
};

// valued: the options that take a value ("--radius 2" or "--radius=2"); flags: the ones that
// do not. "--" ends the options.
Words Split(const QList<QByteArray>& words, const QList<QByteArray>& valued,
            const QList<QByteArray>& flags) {
    Words split;
    bool options = true;
    for (qsizetype i = 0; i < words.size(); ++i) {
        QByteArray word = words[i];
        if (options && word == "--") {
            options = false;
            continue;
        }
        // A negative number is a point's, not an option.
        const bool negative = word.size() > 1 && word[0] == '-' && word[1] >= '0' && word[1] <= '9';
        if (!options || !word.startsWith('-') || word == "-" || negative) {
            split.operands << word;
            continue;
        }
        QByteArray value;
        bool hasValue = false;
        if (const qsizetype eq = word.indexOf('='); eq > 0 && word.startsWith("--")) {
            value = word.mid(eq + 1);
            word.truncate(eq);
            hasValue = true;
        }
        if (flags.contains(word) && !hasValue) {
            split.options[word] = {};
        } else if (valued.contains(word)) {
            if (!hasValue) {
                if (++i == words.size()) {
                    //: On standard error. %1: the option, in single quotes.
                    Usage(QCoreApplication::translate("Verbs", "option %1 needs a value")
                              .arg(Quoted(word)));
                }
                value = words[i];
            }
            if (split.options.count(word) != 0) {
                //: On standard error. %1: the option, in single quotes.
                Usage(QCoreApplication::translate("Verbs", "option %1 is given more than once")
                          .arg(Quoted(word)));
            }
            split.options[word] = value;
        } else {
            //: On standard error. %1: the option, in single quotes.
            Usage(QCoreApplication::translate("Verbs", "unknown option %1").arg(Quoted(words[i])));
        }
    }
    return split;
}

// Whole numbers separated by commas: as given, for messages, and as used. Beyond a billion they
// are used as a billion: far outside any picture all the same, and the sums made of them stay
// within an int. notThem: the message (with %1 for the text) when the text is not count numbers.
struct Numbers {
    Numbers(const QByteArray& text, int count, const char* notThem) {
        constexpr qint64 kFar = qint64(1) << 30;
        for (const QByteArray& part : text.split(',')) {
            bool ok = false;
            const qint64 n = part.trimmed().toLongLong(&ok);
            if (!ok) {
                given.clear();
                break;
            }
            given << n;
            used << int(std::clamp(n, -kFar, kFar));
        }
        if (given.size() != count) {
            Usage(QCoreApplication::translate("Verbs", notThem).arg(Quoted(text)));
        }
    }
    QList<qint64> given;
    QList<int> used;
};

int NumberOption(const Words& w, const QByteArray& option, int fallback, int low, int high) {
    const auto it = w.options.find(option);
    if (it == w.options.end()) {
        return fallback;
    }
    bool ok = false;
    const int n = it->second.toInt(&ok);
    if (!ok || n < low || n > high) {
        //: On standard error. %1: the option ("--radius", "-n"); %2 and %3: the smallest and the
        //: largest number it takes; %4: the value given, in single quotes.
        Usage(QCoreApplication::translate("Verbs", "%1 takes a whole number from %2 to %3, not %4")
                  .arg(QString::fromLatin1(option))
                  .arg(low)
                  .arg(high)
                  .arg(Quoted(it->second)));
    }
    return n;
}

// The file operand: exactly one, first.
QByteArray FileOperand(const Words& w, const QString& verb) {
    if (w.operands.isEmpty()) {
        //: On standard error. %1: the verb ("sample", "stats" or "palette"), which stays as it is.
        Usage(QCoreApplication::translate("Verbs",
                                          "%1 needs a picture file (or - for standard input)")
                  .arg(verb));
    }
    if (w.operands.front().isEmpty()) {
        Usage(QCoreApplication::translate("Verbs", "the file name is empty"));
    }
    return w.operands.front();
}

QString SizeText(QSize size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// The rectangle of --rect, checked as words before anything is read; none for the whole picture.
struct AskedRect {
    QRect rect;
    QList<qint64> given; // its numbers as written
};

std::optional<AskedRect> RectOption(const Words& w) {
    const auto it = w.options.find("--rect");
    if (it == w.options.end()) {
        return std::nullopt;
    }
    //: On standard error. %1: the value given to --rect, in single quotes.
    const Numbers n(it->second, 4,
                    QT_TRANSLATE_NOOP("Verbs", "%1 is not a rectangle X,Y,WIDTH,HEIGHT"));
    if (n.given[2] < 1 || n.given[3] < 1) {
        //: On standard error. %1: the value given to --rect, in single quotes.
        Usage(QCoreApplication::translate("Verbs", "the rectangle %1 is empty")
                  .arg(Quoted(it->second)));
    }
    return AskedRect{QRect(n.used[0], n.used[1], n.used[2], n.used[3]), n.given};
}

// The rectangle measured: the one asked for, or the whole picture; throws when it does not lie
// inside the picture.
QRect AreaOf(const std::optional<AskedRect>& asked, QSize size) {
    if (!asked) {
        return QRect(QPoint(0, 0), size);
    }
    // Numbers beyond a billion were used as a billion: outside all the same.
    const QList<qint64>& n = asked->given;
    if (!QRect(QPoint(0, 0), size).contains(asked->rect)) {
        //: On standard error. %1, %2: the rectangle's left and top; %3, %4: its width and height;
        //: %5: the picture's size ("640 x 480").
        throw Failure{1,
                      QCoreApplication::translate(
                          "Verbs", "the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)")
                          .arg(n[0])
                          .arg(n[1])
                          .arg(n[2])
                          .arg(n[3])
                          .arg(SizeText(size))};
    }
    return asked->rect;
}

// An area measured that reaches rows the file does not hold is refused: its figures would be
// the decoder's filler's.
void RefuseBeyondTheEnd(const ShownPicture& picture, const QRect& area,
                        const std::optional<AskedRect>& asked) {
    if (!picture.beyondTheEnd(area)) {
        return;
    }
    QString what;
    if (asked) {
        //: On standard error, within "%2 reaches rows it does not hold". %1: the rectangle.
        what = QCoreApplication::translate("Verbs", "the rectangle %1")
                   .arg(QStringLiteral("%1,%2,%3,%4")
                            .arg(asked->given[0])
                            .arg(asked->given[1])
                            .arg(asked->given[2])
                            .arg(asked->given[3]));
    } else {
        //: On standard error, within "%2 reaches rows it does not hold". %1: its size ("640 x
        //: 480").
        what = QCoreApplication::translate("Verbs", "the whole picture (%1)")
                   .arg(SizeText(picture.size()));
    }
    const std::optional<int> end = picture.endsAtRow();
    if (!end && picture.startsAtRow() > 0) {
        throw BeforeTheStart(picture.startsAtRow(), picture.size().height(), what);
    }
    throw BeyondTheEnd(end.value_or(0), what);
}

QByteArray Line(const QString& text) {
    return (text + QLatin1Char('\n')).toUtf8();
}

// Where the picks came from, as the results on standard output name it: those are for scripts
// to read, so it is never translated.
QString SourceName(const QByteArray& file) {
    return file == "-" ? QStringLiteral("standard input") : FileNameText(file);
}

PictureBytes Read(const QByteArray& file, const Environment& env) {
    PictureBytes input = ReadPictureBytes(file, env.readInput);
    if (!IsRasterPicture(input.bytes) && env.startToolkit) {
        env.startToolkit();
    }
    return input;
}

// --- sample ---------------------------------------------------------------------------------

// The format words sample and history take: json, a notation's key, or a template (a text with
// a brace), which is checked here, before anything is read.
QString FormatOption(const Words& w) {
    QString format = QStringLiteral("web");
    if (const auto it = w.options.find("--format"); it != w.options.end()) {
        format = QString::fromUtf8(it->second);
        if (IsTemplateFormat(format)) {
            if (const ColorTemplate t(format); !t.valid()) {
                Usage(t.error());
            }
        } else if (format != QLatin1String("json") && !NotationOfKey(format)) {
            //: On standard error. %1: the word given, in single quotes. The format words stay as
            //: they are.
            Usage(QCoreApplication::translate("Verbs", "--format takes web, rgb, hsl, oklch, "
                                                       "color-srgb, color-stored, name, gpl or "
                                                       "json, not %1")
                      .arg(Quoted(it->second)));
        }
    }
    return format;
}

// A line per pick; as JSON, its pixel and radius where it has one, and the source where known.
QByteArray SampleText(const QList<Pick>& samples, const QString& format) {
    QByteArray out;
    if (IsTemplateFormat(format)) {
        // A colour the template cannot be filled for (a kept pick with no place, for {x}) is the
        // template's fault for these colours: wrong usage, and nothing written.
        const TemplateLines lines = ColorTemplate(format).renderEach(samples);
        if (!lines.ok()) {
            Usage(lines.error);
        }
        for (const QString& line : lines.lines) {
            out += Line(line);
        }
        return out;
    }
    for (const Pick& s : samples) {
        if (format == QLatin1String("json")) {
            QJsonObject o;
            if (s.origin.position) {
                o.insert(QStringLiteral("x"), s.origin.position->x());
                o.insert(QStringLiteral("y"), s.origin.position->y());
                o.insert(QStringLiteral("radius"), s.origin.radius);
            }
            o.insert(QStringLiteral("web"), WebCode(s.color));
            o.insert(QStringLiteral("r"), s.color.red());
            o.insert(QStringLiteral("g"), s.color.green());
            o.insert(QStringLiteral("b"), s.color.blue());
            if (!s.description.isEmpty()) {
                o.insert(QStringLiteral("description"), s.description);
            }
            out += QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
        } else {
            out += Line(ColorAs(*NotationOfKey(format), s));
        }
    }
    return out;
}

QByteArray RunSample(const QList<QByteArray>& words, const Environment& env) {
    const Words w = Split(words, {"--radius", "--format"}, {"--stored"});
    const QByteArray file = FileOperand(w, QStringLiteral("sample"));
    if (w.operands.size() < 2) {
        Usage(QCoreApplication::translate("Verbs", "sample needs at least one point X,Y"));
    }
    QList<QPoint> points;
    QList<QList<qint64>> given;
    for (qsizetype i = 1; i < w.operands.size(); ++i) {
        // A point left of or above the picture is outside it, as one beyond it is.
        //: On standard error. %1: the point given, in single quotes.
        const Numbers n(w.operands[i], 2, QT_TRANSLATE_NOOP("Verbs", "%1 is not a point X,Y"));
        points << QPoint(n.used[0], n.used[1]);
        given << n.given;
    }
    const int radius = NumberOption(w, "--radius", 0, kMinRadius, kMaxRadius);
    const QString format = FormatOption(w);
    const bool stored = w.options.contains("--stored");
    const PictureBytes input = Read(file, env);
    const QByteArray& data = input.bytes;

    QList<QRect> squares;
    for (const QPoint& p : points) {
        squares << QRect(p.x() - radius, p.y() - radius, 2 * radius + 1, 2 * radius + 1);
    }
    const QString source = SourceName(file);
    // The exact and stored values need the file's own precision, which only the whole picture
    // keeps.
    const bool fine =
        format == QLatin1String("color-srgb") || format == QLatin1String("color-stored");
    std::optional<ShownParts> parts =
        fine ? std::nullopt : ShownPictureParts(data, squares, stored, source);
    if (!parts) {
        const ShownPicture whole = Shown(data, stored, source, false, fine);
        parts = ShownParts{whole.size(), {}, {}, {}};
        for (qsizetype i = 0; i < points.size(); ++i) {
            parts->parts << whole;
            parts->placed << whole.rect();
        }
    }
    QList<Pick> samples;
    for (qsizetype i = 0; i < points.size(); ++i) {
        // A part holds the square's pixels inside the picture, placed where they lie.
        const QPoint offset = parts->placed[i].topLeft();
        // With the stored and exact values, as the window's picks have them: color(srgb …)
        // gives the exact value.
        const std::optional<Pick> pick = QRect(QPoint(0, 0), parts->size).contains(points[i])
                                             ? parts->parts[i].pickAt(points[i] - offset, radius)
                                             : std::nullopt;
        if (!pick) {
            //: On standard error. %1, %2: the point; %3: the picture's size ("640 x 480").
            throw Failure{1, QCoreApplication::translate(
                                 "Verbs", "the point %1,%2 lies outside the picture (%3)")
                                 .arg(given[i][0])
                                 .arg(given[i][1])
                                 .arg(SizeText(parts->size))};
        }
        // Pixels the file does not hold (it ends early) are no colours of it.
        const std::optional<int> end =
            parts->endsAtRow ? parts->endsAtRow : parts->parts[i].endsAtRow();
        const QRect read = squares[i] & QRect(QPoint(0, 0), parts->size);
        if (pick->origin.incomplete || (end && read.bottom() >= *end)) {
            //: On standard error, within "%2 reaches rows it does not hold". %1: the point.
            const QString point =
                QCoreApplication::translate("Verbs", "the point %1")
                    .arg(QStringLiteral("%1,%2").arg(given[i][0]).arg(given[i][1]));
            const int first = parts->parts[i].startsAtRow();
            if (!(end && read.bottom() >= *end) && read.top() < first) {
                throw BeforeTheStart(first, parts->size.height(), point);
            }
            throw BeyondTheEnd(end.value_or(0), point);
        }
        Pick sample = *pick;
        sample.origin.source = source;
        sample.origin.position = points[i];
        sample.origin.radius = radius;
        samples.append(sample);
    }
    return SampleText(samples, format);
}

// --- stats ----------------------------------------------------------------------------------

QJsonArray Triple(const AreaFigures& f, double ChannelFigures::*field, int decimals) {
    QJsonArray a;
    for (const ChannelFigures& c : f.channels) {
        const double scale = std::pow(10.0, decimals);
        a.append(std::round(c.*field * scale) / scale);
    }
    return a;
}

QByteArray StatsJson(const AreaFigures& f) {
    const QJsonObject area{{QStringLiteral("x"), f.area.x()},
                           {QStringLiteral("y"), f.area.y()},
                           {QStringLiteral("width"), f.area.width()},
                           {QStringLiteral("height"), f.area.height()}};
    const QJsonObject o{{QStringLiteral("area"), area},
                        {QStringLiteral("pixels"), double(f.pixels)},
                        {QStringLiteral("mean"), WebCode(f.mean)},
                        {QStringLiteral("meanCodes"), Triple(f, &ChannelFigures::linearMean, 3)},
                        {QStringLiteral("average"), WebCode(f.plainAverage)},
                        {QStringLiteral("averageCodes"), Triple(f, &ChannelFigures::average, 3)},
                        {QStringLiteral("median"), WebCode(f.median)},
                        {QStringLiteral("deviation"), Triple(f, &ChannelFigures::deviation, 3)},
                        {QStringLiteral("minimum"), WebCode(f.minimum)},
                        {QStringLiteral("maximum"), WebCode(f.maximum)},
                        {QStringLiteral("spread"), std::round(f.spread * 1000) / 1000}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QByteArray RunStats(const QList<QByteArray>& words, const Environment& env) {
    const Words w = Split(words, {"--rect"}, {"--json", "--stored"});
    const QByteArray file = FileOperand(w, QStringLiteral("stats"));
    if (w.operands.size() > 1) {
        Usage(QCoreApplication::translate("Verbs", "stats takes one picture file, then options"));
    }
    const std::optional<AskedRect> rect = RectOption(w); // wrong usage is said before reading
    // Measured band by band as the rows arrive; the bytes outlive the picture that reads them.
    const PictureBytes input = Read(file, env);
    const ShownPicture picture =
        Shown(input.bytes, w.options.contains("--stored"), SourceName(file), true);
    AreaMeasure measure(AreaOf(rect, picture.size()));
    picture.forEachBand(measure.area(), [&](int firstRow, int rows) {
        measure.add(picture.image(), firstRow, rows);
    });
    RefuseBeyondTheEnd(picture, measure.area(), rect);
    const AreaFigures f = measure.finish();
    if (w.options.contains("--json")) {
        return StatsJson(f);
    }
    return AreaText(f, Wording::English).toUtf8();
}

// --- palette --------------------------------------------------------------------------------

QByteArray RunPalette(const QList<QByteArray>& words, const Environment& env) {
    const Words w = Split(words, {"-n", "--rect", "--format"}, {"--stored"});
    const QByteArray file = FileOperand(w, QStringLiteral("palette"));
    if (w.operands.size() > 1) {
        Usage(QCoreApplication::translate("Verbs", "palette takes one picture file, then options"));
    }
    const int count =
        NumberOption(w, "-n", kDefaultPaletteColors, kMinPaletteColors, kMaxPaletteColors);
    QByteArray format = "gpl";
    if (const auto it = w.options.find("--format"); it != w.options.end()) {
        format = it->second;
    }
    // The formats by their files' extensions; "scribus" for Scribus' XML.
    std::optional<ListFormat> listFormat;
    for (const ListFormatInfo& info : kListFormats) {
        const QByteArray word =
            info.format == ListFormat::Scribus ? QByteArray("scribus") : QByteArray(info.extension);
        if (word == format) {
            listFormat = info.format;
        }
    }
    if (!listFormat) {
        //: On standard error. %1: the word given, in single quotes. The format words stay as they
        //: are.
        Usage(QCoreApplication::translate("Verbs", "--format takes gpl, css, json, csv, hex, ase, "
                                                   "aco, kpl, soc or scribus, not %1")
                  .arg(Quoted(format)));
    }
    const std::optional<AskedRect> rect = RectOption(w);
    const PictureBytes input = Read(file, env);
    const QString source = SourceName(file);
    const ShownPicture picture = Shown(input.bytes, w.options.contains("--stored"), source, true);
    const QRect area = AreaOf(rect, picture.size());
    PaletteGather gather(area);
    picture.forEachBand(
        area, [&](int firstRow, int rows) { gather.add(picture.image(), firstRow, rows); });
    RefuseBeyondTheEnd(picture, area, rect);
    const QList<ColorShare> colors = gather.finish(count);
    QList<Pick> rows;
    for (const ColorShare& c : colors) {
        PickOrigin origin;
        origin.source = source;
        origin.area = area;
        rows.append(Pick(c.color, ShareText(c.share, Wording::English), origin));
    }
    const QString title =
        FileNameText(file == "-" ? QByteArray("Huemark") : file).section(QLatin1Char('/'), -1);
    // Hex as web codes, one a line, as it has always been printed.
    return *listFormat == ListFormat::Hex ? WriteHexList(rows, HexForm::Code)
                                          : WriteList(*listFormat, rows, title);
}

// --- history --------------------------------------------------------------------------------

QByteArray RunHistory(const QList<QByteArray>& words) {
    const Words w = Split(words, {"-n", "--format"}, {});
    if (!w.operands.isEmpty()) {
        //: On standard error. %1: the word given, in single quotes.
        Usage(QCoreApplication::translate("Verbs", "history takes options only, not %1")
                  .arg(Quoted(w.operands[0])));
    }
    const int count = NumberOption(w, "-n", int(kMaxHistory), 1, int(kMaxHistory));
    const QString format = FormatOption(w);
    const QString path = HistoryPath();
    const ListRead kept = ReadHistory(path);
    if (!kept.ok()) {
        //: On standard error. %1: the history file; %2: why it cannot be read.
        throw Failure{1, QCoreApplication::translate("Verbs", "%1: %2")
                             .arg(path, kept.line > 0
                                            ? QCoreApplication::translate("Verbs", "line %1: %2")
                                                  .arg(kept.line)
                                                  .arg(kept.error)
                                            : kept.error)};
    }
    return SampleText(kept.rows.mid(0, count), format);
}

} // namespace

bool IsVerb(const QByteArray& word) {
    return word == "sample" || word == "stats" || word == "palette" || word == "history";
}

Outcome Run(const QList<QByteArray>& words, const Environment& environment) {
    Outcome outcome;
    const QByteArray verb = words.value(0);
    const QList<QByteArray> rest = words.mid(1);
    if (rest.contains("--help") || rest.contains("-h")) {
        outcome.out = HelpText().toUtf8();
        return outcome;
    }
    try {
        if (verb == "sample") {
            outcome.out = RunSample(rest, environment);
        } else if (verb == "stats") {
            outcome.out = RunStats(rest, environment);
        } else if (verb == "palette") {
            outcome.out = RunPalette(rest, environment);
        } else if (verb == "history") {
            outcome.out = RunHistory(rest);
        } else {
            //: On standard error. %1: the word given, in single quotes.
            Usage(QCoreApplication::translate("Verbs", "unknown verb %1").arg(Quoted(verb)));
        }
    } catch (const Failure& f) {
        outcome.exitCode = f.exitCode;
        outcome.err =
            Line(QStringLiteral("huemark %1: %2").arg(QString::fromUtf8(verb), f.message));
    } catch (const std::bad_alloc&) {
        // Measuring keeps a table of the colours present, and the answer is built in memory.
        outcome.out.clear();
        outcome.exitCode = 1;
        outcome.err =
            Line(QStringLiteral("huemark %1: %2")
                     .arg(QString::fromUtf8(verb),
                          QCoreApplication::translate(
                              "Verbs", "there is not enough memory to measure the picture")));
    }
    return outcome;
}

QString HelpText() {
    //: The verbs' part of the command line's --help. Commands, options, format words and the
    //: words in capitals stay as they are; keep the lines within 80 columns and the descriptions
    //: in their column.
    return QCoreApplication::translate(
        "Verbs",
        "Verbs (no display needed; FILE may be - for standard input):\n"
        "  huemark sample FILE X,Y [X,Y ...] [--radius R] [--format F] [--stored]\n"
        "                 The colour at each point, one line each: the pixel, or the\n"
        "                 average of the square of radius R (0 to 5) around it. F is web\n"
        "                 (#RRGGBB, the default), rgb, hsl, oklch, color-srgb (the exact\n"
        "                 value), color-stored (the stored value in its own space), name\n"
        "                 (the nearest CSS name), gpl, json, or a template: a text with\n"
        "                 placeholders, such as 'rgb({r} {g} {b})' or '{HEX}\\n{name}'\n"
        "                 ({hex} {r%} {h} {s} {l} {oklch} {x} {y} {description} ...;\n"
        "                 {l:.1} has one decimal; the manual page has them all).\n"
        "  huemark stats FILE [--rect X,Y,W,H] [--json] [--stored]\n"
        "                 The figures of the picture or the rectangle: pixels, the mean in\n"
        "                 linear light and the plain average of the codes, the median, the\n"
        "                 deviation, minimum and maximum per channel, and the spread.\n"
        "  huemark palette FILE [-n N] [--rect X,Y,W,H] [--format F]\n"
        "                 The N (2 to 16, default 6) dominant colours, largest share first.\n"
        "                 F is gpl (the default), css, json, csv, hex (#RRGGBB lines), ase,\n"
        "                 aco, kpl, soc or scribus (the last five binary or XML palettes).\n"
        "  huemark history [-n N] [--format F]\n"
        "                 The picks kept (newest first, the last 1000), as sample's F.\n"
        "Colours are the ones a colour-managed program shows (sRGB), or the values stored\n"
        "in the file with --stored; transparent pixels are laid over white. Points and\n"
        "rectangles are in picture pixels from the top-left corner. Exit status: 0 done,\n"
        "1 the file cannot be read or a point or rectangle lies outside the picture,\n"
        "2 wrong usage.\n");
}

} // namespace Verbs
