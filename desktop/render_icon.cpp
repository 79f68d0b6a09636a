#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

// Renders the window icon's SVG to a square PNG for the desktop's icon theme, at build time.
// Qt draws it here as it draws the window's own icon, so both look alike at every size.
//
//     vantrel-render-icon SVG SIZE PNG
namespace {

QImage RenderSquare(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

int Fail(const char* what, const char* name) {
    std::fprintf(stderr, "vantrel-render-icon: %s %s\n", what, name);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: vantrel-render-icon SVG SIZE PNG\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        return Fail("cannot read", argv[1]);
    }
    bool sizeRead = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeRead);
    if (!sizeRead || size <= 0) {
        return Fail("not a size:", argv[2]);
    }
    if (!RenderSquare(svg, size).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        return Fail("cannot write", argv[3]);
    }
    return 0;
}
