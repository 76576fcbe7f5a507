// The conversion's vector kernels give exactly what the portable one gives, for every colour.

#include "input/cms/MatrixShaper.h"

#include <QTest>
#include <cmath>
#include <vector>

namespace {

// Curves of unlike shape per channel and a matrix with negative entries and entries above 1, as
// a wide-gamut profile has: a kernel that mixes up channels or clamps wrongly differs somewhere.
MatrixShaper Shaper(const double (&matrix)[3][3]) {
    MatrixShaper m;
    const double gamma[3] = {2.2, 1.8, 2.6};
    for (int c = 0; c < 3; ++c) {
        for (int v = 0; v < 256; ++v) {
            m.linear[c][v] =
                qint32(std::lround(std::pow(v / 255.0, gamma[c]) * MatrixShaper::kOne));
        }
        for (int i = 0; i < 3; ++i) {
            m.matrix[i][c] = qint32(std::lround(matrix[i][c] * MatrixShaper::kOne));
        }
    }
    return m;
}

const double kP3[3][3] = {
    {1.2249, -0.2247, 0.0}, {-0.0420, 1.0419, 0.0}, {-0.0197, -0.0786, 1.0979}};
const double kRec2020[3][3] = {
    {1.6605, -0.5876, -0.0728}, {-0.1246, 1.1329, -0.0083}, {-0.0182, -0.1006, 1.1187}};

} // namespace

Q_DECLARE_METATYPE(MatrixShaper::Kernel)

class TestSrgbKernels : public QObject {
    Q_OBJECT

private slots:
    void everyColor_data();
    void everyColor();
};

void TestSrgbKernels::everyColor_data() {
    QTest::addColumn<MatrixShaper::Kernel>("kernel");
    QTest::addColumn<bool>("wide");
    QTest::newRow("AVX2, Display P3") << MatrixShaper::Kernel::Avx2 << false;
    QTest::newRow("AVX2, Rec. 2020") << MatrixShaper::Kernel::Avx2 << true;
    QTest::newRow("AVX-512, Display P3") << MatrixShaper::Kernel::Avx512 << false;
    QTest::newRow("AVX-512, Rec. 2020") << MatrixShaper::Kernel::Avx512 << true;
}

void TestSrgbKernels::everyColor() {
    QFETCH(MatrixShaper::Kernel, kernel);
    QFETCH(bool, wide);
    if (!MatrixShaper::Runs(kernel)) {
        QSKIP("this processor does not run the kernel");
    }
    const MatrixShaper m = Shaper(wide ? kRec2020 : kP3);
    // Every colour once, with alpha of every value, in rows whose width ends every kernel's
    // blocks with a remainder.
    constexpr int kColors = 1 << 24;
    constexpr int kWidth = 4093;
    std::vector<QRgb> in(kColors);
    for (int i = 0; i < kColors; ++i) {
        in[size_t(i)] = QRgb(i) | QRgb(i * 97 & 0xff) << 24;
    }
    std::vector<QRgb> portable(kColors);
    std::vector<QRgb> vector(kColors);
    for (int x = 0; x < kColors; x += kWidth) {
        const int width = std::min(kWidth, kColors - x);
        m.convertRow(&in[size_t(x)], &portable[size_t(x)], width, MatrixShaper::Kernel::Portable);
        m.convertRow(&in[size_t(x)], &vector[size_t(x)], width, kernel);
    }
    for (int i = 0; i < kColors; ++i) {
        if (vector[size_t(i)] != portable[size_t(i)]) {
            QFAIL(qPrintable(QStringLiteral("#%1%2 becomes %3, not %4")
                                 .arg(in[size_t(i)] >> 24, 2, 16, QChar(u'0'))
                                 .arg(in[size_t(i)] & 0xffffff, 6, 16, QChar(u'0'))
                                 .arg(vector[size_t(i)], 8, 16, QChar(u'0'))
                                 .arg(portable[size_t(i)], 8, 16, QChar(u'0'))));
        }
    }
}

QTEST_APPLESS_MAIN(TestSrgbKernels)
#include "test_srgbkernels.moc"
