// Compares a rendered PNG with its reference image. Pixels may differ a little (font
// rasterisation and antialiasing vary between machines): a pixel counts as changed when one
// of its channels differs by more than the tolerance, and the images match while few enough
// pixels changed. On a mismatch a diff image shows the changed pixels in red over a faded
// copy of the reference.
//
// Usage: kovel_compare_images ACTUAL REFERENCE DIFF [TOLERANCE [MAX_CHANGED_PIXELS]]
// With KOVEL_UPDATE_REFERENCE_IMAGES=1 in the environment the actual image replaces the
// reference instead (scripts/update-reference-images).
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kDefaultTolerance = 40;
constexpr long kDefaultMaxChanged = 50;

int Fail(const char* what, const char* path) {
    std::fprintf(stderr, "%s: %s\n", what, path);
    return 1;
}

bool Changed(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
           std::abs(qBlue(a) - qBlue(b)) > tolerance || std::abs(qAlpha(a) - qAlpha(b)) > tolerance;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 6) {
        std::fputs("Usage: kovel_compare_images ACTUAL REFERENCE DIFF [TOLERANCE [MAX_CHANGED_PIXELS]]\n", stderr);
        return 2;
    }
    const char* actualPath = argv[1];
    const char* referencePath = argv[2];
    const char* diffPath = argv[3];
    const int tolerance = argc > 4 ? std::atoi(argv[4]) : kDefaultTolerance;
    const long maxChanged = argc > 5 ? std::atol(argv[5]) : kDefaultMaxChanged;

    const char* update = std::getenv("KOVEL_UPDATE_REFERENCE_IMAGES");
    if (update && std::strcmp(update, "1") == 0) {
        QFile::remove(QString::fromLocal8Bit(referencePath));
        if (!QFile::copy(QString::fromLocal8Bit(actualPath), QString::fromLocal8Bit(referencePath)))
            return Fail("cannot write the reference image", referencePath);
        std::printf("updated %s\n", referencePath);
        return 0;
    }

    const QImage actual = QImage(QString::fromLocal8Bit(actualPath)).convertToFormat(QImage::Format_ARGB32);
    const QImage reference = QImage(QString::fromLocal8Bit(referencePath)).convertToFormat(QImage::Format_ARGB32);
    if (actual.isNull()) return Fail("cannot read the rendered image", actualPath);
    if (reference.isNull()) return Fail("cannot read the reference image", referencePath);
    if (actual.size() != reference.size()) {
        std::fprintf(stderr, "size %dx%d differs from the reference's %dx%d\n", actual.width(), actual.height(),
                     reference.width(), reference.height());
        return 1;
    }

    QImage diff(reference.size(), QImage::Format_ARGB32);
    long changed = 0;
    for (int y = 0; y < reference.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const QRgb* r = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(diff.scanLine(y));
        for (int x = 0; x < reference.width(); ++x) {
            if (Changed(a[x], r[x], tolerance)) {
                ++changed;
                d[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 192 + qGray(r[x]) / 4;  // the reference, faded
                d[x] = qRgb(grey, grey, grey);
            }
        }
    }
    if (changed <= maxChanged) return 0;
    diff.save(QString::fromLocal8Bit(diffPath));
    std::fprintf(stderr, "%ld pixels differ from %s by more than %d (at most %ld may); diff image: %s\n", changed,
                 referencePath, tolerance, maxChanged, diffPath);
    return 1;
}
