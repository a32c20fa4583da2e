// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pictures the window shows at start into C++ arrays of ready pixels, so that the game
// decodes no PNG and asks no image reader while it opens. Run by the build:
//   quintara_pack_pictures OUT.cpp PICTURE...
// Each picture is read with Qt's own reader and written as ARGB words with straight alpha, the
// form an X11 window takes its icon in; it is found by its file name. A picture that cannot be read is left out,
// and the game then does without it as before.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kRunsPerLine = 4;

// Runs of equal pixels, as count and pixel: the pictures are mostly flat colour, so they take a
// sixth of the room, and the bitmaps only shown to the window system leave nothing behind in
// memory once it has them.
int WriteRuns(QTextStream& out, int index, const QImage& image) {
    out << "const std::uint32_t kRuns" << index << "[] = {";
    int runs = 0;
    const auto write = [&](quint32 count, quint32 pixel) {
        out << (runs % kRunsPerLine == 0 ? "\n    " : " ") << count << "u, 0x"
            << QString::number(pixel, 16).rightJustified(8, QLatin1Char('0')) << "u,";
        ++runs;
    };
    quint32 count = 0;
    quint32 pixel = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (count > 0 && line[x] != pixel) {
                write(count, pixel);
                count = 0;
            }
            pixel = line[x];
            ++count;
        }
    }
    write(count, pixel);
    out << "\n};\n\n";
    return runs;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.cpp PICTURE...\n", argv[0]);
        return 2;
    }
    // Qt's own pictures (the style's frames) are resources of the widgets library, registered by
    // its application object; no screen is needed for that.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int no_arguments = 1;
    const QApplication application(no_arguments, argv);

    QString table;
    QString arrays;
    QTextStream array_out(&arrays);
    int packed = 0;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "quintara_pack_pictures: %s not read, left out\n", argv[i]);
            continue;
        }
        const int runs = WriteRuns(array_out, packed, image);
        table += QStringLiteral("    {\"%1\", %2, %3, kRuns%4, %5},\n")
                     .arg(QFileInfo(path).fileName())
                     .arg(image.width())
                     .arg(image.height())
                     .arg(packed)
                     .arg(runs);
        ++packed;
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "quintara_pack_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Written by quintara_pack_pictures from the pictures named to it; not edited.\n"
        << "#include \"ui/resources/PackedPictures.h\"\n\n"
        << "namespace quintara {\n\nnamespace {\n\n"
        << arrays << "const PackedPicture kPictures[] = {\n"
        << table << "};\n\n}  // namespace\n\n"
        << "std::span<const PackedPicture> PackedPictures() {\n    return kPictures;\n}\n\n"
        << "}  // namespace quintara\n";
    out.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
