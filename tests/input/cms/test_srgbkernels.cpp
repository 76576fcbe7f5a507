// The quick conversion of a matrix-and-curves profile gives exactly what lcms2's own 8-bit
// transform gives, for every colour: in each kernel the processor runs, and through ColorsAsShown.

#include "input/cms/Lcms.h"
#include "input/cms/MatrixShaper.h"
#include "input/cms/SrgbConversion.h"

#include <QColorSpace>
#include <QDir>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

ColorProfile Stated(const char* name, const double (&primaries)[6], TransferCurve curve,
                    double gamma = 1) {
    StatedColors s;
    s.redX = primaries[0];
    s.redY = primaries[1];
    s.greenX = primaries[2];
    s.greenY = primaries[3];
    s.blueX = primaries[4];
    s.blueY = primaries[5];
    s.whiteX = 0.3127;
    s.whiteY = 0.3290;
    s.curve = curve;
    s.gamma = gamma;
    s.name = QString::fromLatin1(name);
    ColorProfile profile;
    profile.stated = s;
    return profile;
}

const double kSrgb[6] = {0.64, 0.33, 0.30, 0.60, 0.15, 0.06};
const double kP3[6] = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060};
const double kRec2020[6] = {0.708, 0.292, 0.170, 0.797, 0.131, 0.046};
const double kAdobe[6] = {0.64, 0.33, 0.21, 0.71, 0.15, 0.06};

constexpr int kColors = 1 << 24;

QString Mismatch(const char* how, QRgb in, QRgb got, QRgb exact) {
    return QStringLiteral("%1: #%2 becomes %3, lcms2 gives %4")
        .arg(QLatin1String(how))
        .arg(in, 8, 16, QChar(u'0'))
        .arg(got, 8, 16, QChar(u'0'))
        .arg(exact, 8, 16, QChar(u'0'));
}

// Every colour once, with alpha of every value.
const std::vector<QRgb>& EveryColor() {
    static const std::vector<QRgb> colors = [] {
        std::vector<QRgb> c(kColors);
        for (int i = 0; i < kColors; ++i) {
            c[size_t(i)] = QRgb(i) | QRgb(i * 97 & 0xff) << 24;
        }
        return c;
    }();
    return colors;
}

// What each kernel the processor runs makes of every colour, against `exact`; empty when all
// agree. In rows whose width ends every kernel's blocks with a remainder.
QString KernelsDiffer(const MatrixShaper& shaper, const std::vector<QRgb>& exact) {
    const std::vector<QRgb>& in = EveryColor();
    static std::vector<QRgb> out(kColors);
    constexpr int kWidth = 4093;
    for (const auto& [kernel, name] : {std::pair(MatrixShaper::Kernel::Portable, "portable"),
                                       std::pair(MatrixShaper::Kernel::Avx2, "AVX2"),
                                       std::pair(MatrixShaper::Kernel::Avx512, "AVX-512")}) {
        if (!MatrixShaper::Runs(kernel)) {
            qInfo("%s: not run by this processor", name);
            continue;
        }
        for (int x = 0; x < kColors; x += kWidth) {
            shaper.convertRow(&in[size_t(x)], &out[size_t(x)], std::min(kWidth, kColors - x),
                              kernel);
        }
        const auto differs = std::mismatch(out.begin(), out.end(), exact.begin());
        if (differs.first != out.end()) {
            return Mismatch(name, in[size_t(differs.first - out.begin())], *differs.first,
                            *differs.second);
        }
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(ColorProfile)
Q_DECLARE_METATYPE(std::vector<int>)

class TestSrgbKernels : public QObject {
    Q_OBJECT

private slots:
    void everyColor_data();
    void everyColor();
    void extremeNumbers_data();
    void extremeNumbers();
};

void TestSrgbKernels::everyColor_data() {
    QTest::addColumn<ColorProfile>("profile");
    QTest::newRow("Display P3, sRGB curve") << Stated("P3", kP3, TransferCurve::Srgb);
    QTest::newRow("Rec. 2020, BT.709 curve") << Stated("2020", kRec2020, TransferCurve::Bt709);
    QTest::newRow("Adobe RGB, gamma 2.2")
        << Stated("Adobe", kAdobe, TransferCurve::Gamma, 563.0 / 256);
    QTest::newRow("Rec. 2020, linear light") << Stated("linear", kRec2020, TransferCurve::Linear);
    // sRGB's own primaries: lcms2 drops the matrix and joins the curves.
    QTest::newRow("sRGB primaries, gamma 1.8") << Stated("1.8", kSrgb, TransferCurve::Gamma, 1.8);
    ColorProfile icc;
    icc.icc = QImage(QDir(qEnvironmentVariable("HUEMARK_TEST_DATA"))
                         .filePath(QStringLiteral("modern/png-p3.png")))
                  .colorSpace()
                  .iccProfile();
    QTest::newRow("Display P3, ICC profile") << icc;
}

void TestSrgbKernels::everyColor() {
    QFETCH(ColorProfile, profile);
    QVERIFY(!profile.isEmpty());
    const Lcms& lcms = Lcms::get();
    QVERIFY(lcms.loaded);

    // lcms2 converts every colour as the program has it do.
    const std::vector<QRgb>& in = EveryColor();
    static std::vector<QRgb> exact(kColors);
    cmsHPROFILE input = OpenProfile(lcms, profile);
    cmsHPROFILE srgb = lcms.cmsCreate_sRGBProfile();
    QVERIFY(input != nullptr && srgb != nullptr);
    cmsHTRANSFORM transform =
        lcms.cmsCreateTransform(input, TYPE_BGRA_8, srgb, TYPE_BGRA_8, INTENT_RELATIVE_COLORIMETRIC,
                                cmsFLAGS_NOCACHE | cmsFLAGS_COPY_ALPHA);
    QVERIFY(transform != nullptr);
    lcms.cmsDoTransform(transform, in.data(), exact.data(), kColors);
    const std::optional<MatrixShaper> shaper = MatrixShaper::Read(lcms, input, srgb, transform);
    lcms.cmsDeleteTransform(transform);
    lcms.cmsCloseProfile(srgb);
    lcms.cmsCloseProfile(input);
    QVERIFY2(shaper, "no quick form");

    const QString differs = KernelsDiffer(*shaper, exact);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));

    static const QImage picture = [] {
        QImage colors(4096, 4096, QImage::Format_RGB32);
        for (int y = 0; y < colors.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(colors.scanLine(y));
            for (int x = 0; x < colors.width(); ++x) {
                line[x] = 0xff000000 | QRgb(y * 4096 + x);
            }
        }
        return colors;
    }();
    const ShownColors shown = ColorsAsShown(picture, profile);
    QVERIFY(shown.notice.isEmpty());
    QCOMPARE(shown.picture.image.bytesPerLine(), 4096 * 4);
    const auto* got = reinterpret_cast<const QRgb*>(shown.picture.image.constBits());
    for (int i = 0; i < kColors; ++i) {
        if ((got[i] ^ exact[size_t(i)]) & 0x00ffffff) {
            QFAIL(qPrintable(Mismatch("ColorsAsShown", QRgb(i), got[i], exact[size_t(i)])));
        }
    }
}

// Numbers no profile here gives but prepare() takes: light up to 65535, sums that come near 2^31
// either way, light that is not in order. The kernels agree with the form's own arithmetic.
void TestSrgbKernels::extremeNumbers_data() {
    QTest::addColumn<bool>("scrambled"); // light in no order; else 257 × the stored value
    QTest::addColumn<std::vector<int>>("matrix");
    QTest::newRow("largest coefficients")
        << false << std::vector<int>{32768, 0, 0, 0, 32768, 0, 0, 0, 32768};
    QTest::newRow("largest sums either way")
        << false << std::vector<int>{16384, 16384, 0, -16384, 0, -16384, 0, -32768, 0};
    QTest::newRow("light in no order")
        << true << std::vector<int>{9000, 5000, 2000, -3000, 12000, 4000, 1000, -2000, 13000};
}

void TestSrgbKernels::extremeNumbers() {
    QFETCH(bool, scrambled);
    QFETCH(std::vector<int>, matrix);
    MatrixShaper m;
    for (int c = 0; c < 3; ++c) {
        for (int v = 0; v < 256; ++v) {
            m.linear[c][v] = scrambled ? (v * 40503 + c * 12345) & 0xffff : v * 257;
        }
        for (int j = 0; j < 3; ++j) {
            m.matrix[c][j] = matrix[size_t(3 * c + j)];
        }
    }
    for (int step = 0; step <= MatrixShaper::kOne; ++step) {
        m.encode[step] = quint8(step * 255 / MatrixShaper::kOne);
    }
    QVERIFY(m.prepare());
    std::vector<QRgb> exact(kColors);
    std::transform(EveryColor().begin(), EveryColor().end(), exact.begin(), m);
    const QString differs = KernelsDiffer(m, exact);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

QTEST_APPLESS_MAIN(TestSrgbKernels)
#include "test_srgbkernels.moc"
