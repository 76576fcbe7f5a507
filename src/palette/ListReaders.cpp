#include "palette/ListReaders.h"

#include "palette/SwatchFormats.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
// A reader's complaint about the line it stopped on.
struct Refusal {
    int line;
    QString message;
};

ListRead Refused(const Refusal& refusal) {
    ListRead read;
    read.error = refusal.message;
    read.line = refusal.line;
    return read;
}

QString Decoded(const QByteArray& bytes) {
    const QByteArray bom("\xEF\xBB\xBF");
    return QString::fromUtf8(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes);
}

void CheckCount(const QList<Pick>& rows, int line) {
    if (rows.size() >= kMaxListRows) {
        //: Why a list file is refused. %1: the most colours a list takes (100000).
        throw Refusal{
            line, QCoreApplication::translate("ListReaders", "the file holds more than %1 colours.")
                      .arg(kMaxListRows)};
    }
}

// ---- GIMP palette ------------------------------------------------------------------------

bool IsBlank(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

// One colour line: three values from 0 to 255, then the name up to the line's end.
Pick ColorLine(QStringView text, int line) {
    const char* expected = QT_TRANSLATE_NOOP(
        "ListReaders", "expected red, green and blue values from 0 to 255, then a name.");
    int values[3] = {};
    qsizetype at = 0;
    for (int& value : values) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        const qsizetype start = at;
        for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
             ++at) {
            value = std::min(value * 10 + (text[at].unicode() - '0'), 256);
        }
        const bool ended = at == text.size() || IsBlank(text[at]);
        if (at == start || !ended) {
            throw Refusal{line, QCoreApplication::translate("ListReaders", expected)};
        }
        const QStringView digits = text.mid(start, std::min<qsizetype>(at - start, 12));
        if (value > 255) {
            //: Why a palette line is refused. %1: the digits read there.
            throw Refusal{line, QCoreApplication::translate(
                                    "ListReaders", "%1 is not a colour value from 0 to 255.")
                                    .arg(digits)};
        }
    }
    Pick pick{{values[0], values[1], values[2]}, text.mid(at).trimmed().toString(), {}};
    if (pick.description.compare(WebCode(pick.color), Qt::CaseInsensitive) == 0) {
        pick.description.clear();
    }
    return pick;
}

QList<Pick> GimpRows(const QString& text) {
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    const auto lineText = [&lines](qsizetype i) {
        QStringView line = lines[i];
        return line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line;
    };
    if (lineText(0).trimmed() != QLatin1String("GIMP Palette")) {
        throw Refusal{1,
                      QCoreApplication::translate(
                          "ListReaders", "a GIMP palette starts with the line \"GIMP Palette\".")};
    }
    QList<Pick> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lineText(i);
        const int number = static_cast<int>(i + 1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        // Header fields ("Name: ...", "Columns: ...") come before the first colour.
        if (rows.isEmpty() && !line.front().isDigit() && !IsBlank(line.front()) &&
            line.contains(QLatin1Char(':'))) {
            continue;
        }
        CheckCount(rows, number);
        rows.append(ColorLine(line, number));
    }
    return rows;
}

// ---- JSON ------------------------------------------------------------------------------------

class JsonReader {
public:
    explicit JsonReader(const QString& text) : m_text(text) {}

    QList<Pick> rows() {
        QList<Pick> rows;
        skipBlanks();
        expect('[',
               QT_TRANSLATE_NOOP("ListReaders",
                                 "a list file holds an array of colours, starting with \"[\"."));
        skipBlanks();
        if (peek() == ']') {
            advance();
        } else {
            while (true) {
                CheckCount(rows, m_line);
                rows.append(colorObject());
                skipBlanks();
                if (peek() == ']') {
                    advance();
                    break;
                }
                expect(',',
                       QT_TRANSLATE_NOOP("ListReaders", "expected \",\" or \"]\" after a colour."));
                skipBlanks();
            }
        }
        skipBlanks();
        if (m_at < m_text.size()) {
            fail(QT_TRANSLATE_NOOP("ListReaders", "nothing may follow the array's closing \"]\"."));
        }
        return rows;
    }

private:
    static constexpr int kMaxDepth = 64;

    struct Members {
        std::optional<QString> web;
        std::optional<int> channel[3];
        QString description;
        PickOrigin origin;
    };

    [[noreturn]] void fail(const QString& message) const { throw Refusal{m_line, message}; }
    // Messages are translated only when reading stops: a well-formed file meets none.
    [[noreturn]] void fail(const char* message) const {
        fail(QCoreApplication::translate("ListReaders", message));
    }

    char16_t peek() const { return m_at < m_text.size() ? m_text[m_at].unicode() : 0; }

    void advance() {
        if (peek() == '\n') {
            ++m_line;
        }
        ++m_at;
    }

    void expect(char16_t ch, const char* message) {
        if (m_at >= m_text.size() || peek() != ch) {
            fail(message);
        }
        advance();
    }

    void skipBlanks() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r') {
            advance();
        }
    }

    Pick colorObject() {
        const int line = m_line;
        Members members;
        forEachMember(
            QT_TRANSLATE_NOOP("ListReaders", "expected a colour: an object starting with \"{\"."),
            [&](QStringView key) { member(key, members); });
        Pick pick = pickOf(members, line);
        pick.origin = members.origin;
        return pick;
    }

    // An object's members, each handed to onMember with the reading placed at its value, which
    // onMember reads.
    template <typename OnMember>
    void forEachMember(const char* notAnObject, const OnMember& onMember) {
        expect('{', notAnObject);
        skipBlanks();
        if (peek() == '}') {
            advance();
            return;
        }
        while (true) {
            QString spelled;
            const QStringView key = name(spelled);
            skipBlanks();
            expect(':', QT_TRANSLATE_NOOP("ListReaders", "expected \":\" after a member's name."));
            skipBlanks();
            onMember(key);
            skipBlanks();
            if (peek() == '}') {
                advance();
                return;
            }
            expect(',',
                   QT_TRANSLATE_NOOP("ListReaders", "expected \",\" or \"}\" after a member."));
            skipBlanks();
        }
    }

    int wholeNumber(QStringView key, int low, int high) {
        const std::optional<double> value = number();
        if (!value || *value != std::floor(*value) || *value < low || *value > high) {
            //: Why a list file is refused. %1: a JSON member's name, which stays as it is; %2 and
            //: %3: the smallest and the largest number allowed.
            fail(QCoreApplication::translate("ListReaders",
                                             "\"%1\" must be a whole number from %2 to %3.")
                     .arg(key)
                     .arg(low)
                     .arg(high));
        }
        return static_cast<int>(*value);
    }

    bool truth(QStringView key) {
        for (const bool value : {true, false}) {
            const QLatin1String word = value ? QLatin1String("true") : QLatin1String("false");
            if (QStringView(m_text).mid(m_at).startsWith(word)) {
                m_at += word.size();
                return value;
            }
        }
        //: Why a list file is refused. %1: a JSON member's name, which stays as it is.
        fail(QCoreApplication::translate("ListReaders", "\"%1\" must be true or false.").arg(key));
    }

    QString text(QStringView key) {
        if (peek() != '"') {
            //: Why a list file is refused. %1: a JSON member's name, which stays as it is.
            fail(QCoreApplication::translate("ListReaders", "\"%1\" must be a text.").arg(key));
        }
        return string();
    }

    // [a, b, c]: three numbers.
    std::array<double, 3> threeNumbers(QStringView key) {
        //: Why a list file is refused. %1: a JSON member's name, which stays as it is.
        const QString message =
            QCoreApplication::translate("ListReaders", "\"%1\" must be an array of three numbers.")
                .arg(key);
        std::array<double, 3> out{};
        if (peek() != '[') {
            fail(message);
        }
        advance();
        for (size_t i = 0; i < 3; ++i) {
            skipBlanks();
            // null: a value the picture holds that is not finite, as the writer writes it.
            if (QStringView(m_text).mid(m_at).startsWith(QLatin1String("null"))) {
                m_at += 4;
                out[i] = std::numeric_limits<double>::quiet_NaN();
            } else if (const std::optional<double> value = number()) {
                out[i] = *value;
            } else {
                fail(message);
            }
            skipBlanks();
            if (peek() != (i < 2 ? ',' : ']')) {
                fail(message);
            }
            advance();
        }
        return out;
    }

    // Where a pick came from, as the list files write it; members it does not know are skipped.
    PickOrigin originObject() {
        constexpr int kFar = 1 << 30;
        PickOrigin origin;
        std::optional<int> x;
        std::optional<int> y;
        forEachMember(
            QT_TRANSLATE_NOOP("ListReaders", "\"origin\" must be an object."),
            [&](QStringView key) {
                if (key == QLatin1String("source")) {
                    origin.source = text(key);
                } else if (key == QLatin1String("profile")) {
                    origin.profile = text(key);
                } else if (key == QLatin1String("x")) {
                    x = wholeNumber(key, -kFar, kFar);
                } else if (key == QLatin1String("y")) {
                    y = wholeNumber(key, -kFar, kFar);
                } else if (key == QLatin1String("radius")) {
                    origin.radius = wholeNumber(key, 0, 5);
                } else if (key == QLatin1String("incomplete")) {
                    origin.incomplete = truth(key);
                } else if (key == QLatin1String("area")) {
                    int area[4] = {0, 0, 0, 0};
                    forEachMember(QT_TRANSLATE_NOOP("ListReaders", "\"area\" must be an object."),
                                  [&](QStringView part) {
                                      static const QLatin1String kParts[4] = {
                                          QLatin1String("x"), QLatin1String("y"),
                                          QLatin1String("width"), QLatin1String("height")};
                                      for (int i = 0; i < 4; ++i) {
                                          if (part == kParts[i]) {
                                              area[i] = wholeNumber(part, i < 2 ? -kFar : 1, kFar);
                                              return;
                                          }
                                      }
                                      skipValue(1);
                                  });
                    origin.area = QRect(area[0], area[1], area[2], area[3]);
                } else if (key == QLatin1String("stored")) {
                    StoredColor stored;
                    forEachMember(QT_TRANSLATE_NOOP("ListReaders", "\"stored\" must be an object."),
                                  [&](QStringView part) {
                                      if (part == QLatin1String("bits")) {
                                          stored.bits = wholeNumber(part, 8, StoredColor::kFloat);
                                      } else if (part == QLatin1String("values")) {
                                          stored.values = threeNumbers(part);
                                      } else if (part == QLatin1String("space")) {
                                          stored.space = text(part);
                                      } else {
                                          skipValue(1);
                                      }
                                  });
                    origin.stored = stored;
                } else if (key == QLatin1String("srgb")) {
                    origin.precise = threeNumbers(key);
                } else {
                    skipValue(1);
                }
            });
        if (x && y) {
            origin.position = QPoint(*x, *y);
        }
        return origin;
    }

    void member(QStringView key, Members& members) {
        static const QLatin1String kChannels[3] = {QLatin1String("r"), QLatin1String("g"),
                                                   QLatin1String("b")};
        for (int i = 0; i < 3; ++i) {
            if (key == kChannels[i]) {
                members.channel[i] = wholeNumber(key, 0, 255);
                return;
            }
        }
        if (key == QLatin1String("web")) {
            if (peek() != '"') {
                fail(QT_TRANSLATE_NOOP("ListReaders",
                                       "\"web\" must be a text such as \"#FF8000\"."));
            }
            members.web = string();
        } else if (key == QLatin1String("description")) {
            if (peek() != '"') {
                fail(QT_TRANSLATE_NOOP("ListReaders", "\"description\" must be a text."));
            }
            members.description = string();
        } else if (key == QLatin1String("origin")) {
            members.origin = originObject();
        } else {
            skipValue(0);
        }
    }

    Pick pickOf(const Members& members, int line) const {
        std::optional<Color> fromWeb;
        if (members.web) {
            fromWeb = ParseWebCode(*members.web);
            if (!fromWeb) {
                //: Why a list file is refused. %1: the text the file gives as a web code.
                throw Refusal{line,
                              QCoreApplication::translate(
                                  "ListReaders", "\"%1\" is not a web code such as \"#FF8000\".")
                                  .arg(members.web->left(20))};
            }
        }
        const bool hasChannels = members.channel[0] && members.channel[1] && members.channel[2];
        if (!hasChannels && (members.channel[0] || members.channel[1] || members.channel[2])) {
            throw Refusal{
                line, QCoreApplication::translate("ListReaders",
                                                  "a colour needs all of \"r\", \"g\" and \"b\".")};
        }
        if (!fromWeb && !hasChannels) {
            throw Refusal{line,
                          QCoreApplication::translate(
                              "ListReaders",
                              "a colour needs a web code (\"web\") or \"r\", \"g\" and \"b\".")};
        }
        const Color color =
            hasChannels ? Color{*members.channel[0], *members.channel[1], *members.channel[2]}
                        : *fromWeb;
        if (fromWeb && *fromWeb != color) {
            //: Why a list file is refused. %1: the web code the file gives (#RRGGBB).
            throw Refusal{line, QCoreApplication::translate(
                                    "ListReaders",
                                    "the web code %1 is not the colour of \"r\", \"g\" and \"b\".")
                                    .arg(*members.web)};
        }
        return Pick{color, members.description, {}};
    }

    // A member's name: a view into the text when it holds no escapes (the usual case), otherwise
    // spelled out into the storage given.
    QStringView name(QString& storage) {
        if (peek() == '"') {
            const qsizetype start = m_at + 1;
            qsizetype end = start;
            while (end < m_text.size() && m_text[end] != QLatin1Char('"') &&
                   m_text[end] != QLatin1Char('\\') && m_text[end].unicode() >= 0x20) {
                ++end;
            }
            if (end < m_text.size() && m_text[end] == QLatin1Char('"')) {
                m_at = end + 1;
                return QStringView(m_text).mid(start, end - start);
            }
        }
        storage = string();
        return storage;
    }

    QString string() {
        expect('"', QT_TRANSLATE_NOOP("ListReaders", "expected a text in double quotes."));
        QString out;
        while (true) {
            // Plain characters in one piece: descriptions may be long.
            const qsizetype plain = m_at;
            while (m_at < m_text.size() && peek() != '"' && peek() != '\\' && peek() >= 0x20) {
                ++m_at;
            }
            out += QStringView(m_text).mid(plain, m_at - plain);
            if (m_at >= m_text.size()) {
                fail(QT_TRANSLATE_NOOP("ListReaders", "a text has no closing quote."));
            }
            const char16_t ch = peek();
            if (ch == '"') {
                advance();
                return out;
            }
            if (ch < 0x20) {
                fail(QT_TRANSLATE_NOOP(
                    "ListReaders",
                    "a line break or control character inside a text must be escaped."));
            }
            advance(); // the backslash
            const char16_t escaped = peek();
            advance();
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                out += QChar(escaped);
                break;
            case 'b':
                out += QLatin1Char('\b');
                break;
            case 'f':
                out += QLatin1Char('\f');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'u': {
                char16_t code = 0;
                for (int i = 0; i < 4; ++i, ++m_at) {
                    const int digit = QStringView(u"0123456789abcdef")
                                          .indexOf(QChar(peek()).toLower(), 0, Qt::CaseSensitive);
                    if (m_at >= m_text.size() || digit < 0) {
                        fail(QT_TRANSLATE_NOOP("ListReaders",
                                               "\\u must be followed by four hex digits."));
                    }
                    code = static_cast<char16_t>(code * 16 + digit);
                }
                out += QChar(code);
                break;
            }
            default:
                fail(QT_TRANSLATE_NOOP("ListReaders", "unknown escape in a text."));
            }
        }
    }

    // A JSON number, or nothing when none starts here.
    std::optional<double> number() {
        const qsizetype start = m_at;
        const auto digits = [this] {
            const qsizetype from = m_at;
            while (peek() >= '0' && peek() <= '9') {
                ++m_at;
            }
            return m_at > from;
        };
        if (peek() == '-') {
            ++m_at;
        }
        if (peek() == '0') {
            ++m_at;
        } else if (!digits()) {
            m_at = start;
            return std::nullopt;
        }
        // Whole numbers, the usual kind here, need no conversion through the locale machinery.
        if (peek() != '.' && peek() != 'e' && peek() != 'E' && m_at - start <= 9) {
            return QStringView(m_text).mid(start, m_at - start).toInt();
        }
        if (peek() == '.') {
            ++m_at;
            if (!digits()) {
                fail(QT_TRANSLATE_NOOP("ListReaders",
                                       "a number's decimal point must be followed by digits."));
            }
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-') {
                ++m_at;
            }
            if (!digits()) {
                fail(QT_TRANSLATE_NOOP("ListReaders", "a number's exponent must have digits."));
            }
        }
        const double value = QStringView(m_text).mid(start, m_at - start).toDouble();
        if (!std::isfinite(value)) {
            fail(QT_TRANSLATE_NOOP("ListReaders", "a number is too large for a double."));
        }
        return value;
    }

    void skipValue(int depth) {
        if (depth > kMaxDepth) {
            fail(QT_TRANSLATE_NOOP("ListReaders", "values are nested too deeply."));
        }
        const char16_t ch = peek();
        if (ch == '"') {
            string();
        } else if (ch == '{' || ch == '[') {
            const char16_t close = ch == '{' ? '}' : ']';
            advance();
            skipBlanks();
            if (peek() == close) {
                advance();
                return;
            }
            while (true) {
                if (ch == '{') {
                    string();
                    skipBlanks();
                    expect(':', QT_TRANSLATE_NOOP("ListReaders",
                                                  "expected \":\" after a member's name."));
                    skipBlanks();
                }
                skipValue(depth + 1);
                skipBlanks();
                if (peek() == close) {
                    advance();
                    return;
                }
                expect(',', QT_TRANSLATE_NOOP("ListReaders", "expected \",\" between values."));
                skipBlanks();
            }
        } else if (!number()) {
            for (const char* word : {"true", "false", "null"}) {
                if (QStringView(m_text).mid(m_at).startsWith(QLatin1String(word))) {
                    m_at += static_cast<qsizetype>(qstrlen(word));
                    return;
                }
            }
            fail(QT_TRANSLATE_NOOP("ListReaders", "expected a value."));
        }
    }

    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

template <typename Read> ListRead Guarded(Read read) {
    try {
        ListRead result;
        result.rows = read();
        return result;
    } catch (const Refusal& refusal) {
        return Refused(refusal);
    }
}
} // namespace

ListRead ReadGimpPalette(const QByteArray& bytes) {
    const QString text = Decoded(bytes);
    return Guarded([&text] { return GimpRows(text); });
}

ListRead ReadJsonList(const QByteArray& bytes) {
    const QString text = Decoded(bytes);
    return Guarded([&text] { return JsonReader(text).rows(); });
}

ListRead ReadList(const QByteArray& bytes) {
    // The binary formats first, by their magic.
    if (bytes.startsWith("ASEF")) {
        return ReadAse(bytes);
    }
    if (bytes.startsWith("PK\x03\x04") && IsKpl(bytes)) {
        return ReadKpl(bytes);
    }
    if (bytes.size() >= 2 && bytes[0] == 0 && (bytes[1] == 1 || bytes[1] == 2)) {
        return ReadAco(bytes);
    }
    const QString start = Decoded(bytes.left(64)).trimmed();
    if (start.startsWith(QLatin1String("GIMP Palette"))) {
        return ReadGimpPalette(bytes);
    }
    if (start.startsWith(QLatin1Char('['))) {
        return ReadJsonList(bytes);
    }
    if (!XmlRootName(bytes).isEmpty()) {
        return ReadXmlPalette(bytes);
    }
    if (LooksLikeHexList(bytes)) {
        return ReadHexList(bytes);
    }
    ListRead read;
    read.error = QCoreApplication::translate(
        "ListReaders", "this is no palette or list file that this program reads.");
    read.line = 1;
    return read;
}
