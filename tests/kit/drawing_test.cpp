#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QTemporaryFile>
#include <QWidget>

#include <gtest/gtest.h>

#include "kit/drawing.h"

namespace {

QPalette paletteOf(QColor window, QColor text, QColor base) {
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    return p;
}

const QPalette kDark = paletteOf(QColor(0x22, 0x20, 0x20), Qt::white, QColor(0x3d, 0x3d, 0x3d));
const QPalette kLight = paletteOf(QColor(0xef, 0xef, 0xef), Qt::black, Qt::white);

// A 20 x 20 picture: its top half filled with `top`, its bottom half with
// `bottom`, and whatever `extra` adds in its top-left pixel.
QByteArray picture(const char* top, const char* bottom, const char* extra = "") {
    return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\" viewBox=\"0 0 20 20\">"
                      "<rect x=\"0\" y=\"0\" width=\"20\" height=\"10\" fill=\"") +
           top + "\"/><rect x=\"0\" y=\"10\" width=\"20\" height=\"10\" fill=\"" + bottom + "\"/>" + extra + "</svg>";
}

// Circuits drawn in black and white alone follow the palette; a picture with
// any other colour in it (a resistor's body, a graph's curves) keeps them all.
TEST(Drawing, LineArtFollowsThePaletteAndOtherPicturesKeepTheirColours) {
    struct Row {
        const char* name;
        QByteArray svg;
        bool lineArt;
    };
    const Row rows[] = {
        {"black and white", picture("#000000", "#ffffff"), true},
        {"short and capital forms", picture("#000", "#FFF"), true},
        {"a red pixel", picture("#000000", "#ffffff", "<rect width=\"1\" height=\"1\" fill=\"#ff0000\"/>"), false},
        {"a half-transparent shine",
         picture("#000000", "#ffffff", "<rect width=\"1\" height=\"1\" fill=\"#ffffff\" fill-opacity=\"0.5\"/>"),
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        file.write(row.svg);
        file.close();
        for (const QPalette& palette : {kDark, kLight}) {
            QWidget frame;
            frame.setPalette(palette);
            frame.resize(40, 40);
            auto* drawing = new kit::Drawing(&frame);
            kit::Picture* p = drawing->addPicture("picture", {0, 0, 300, 300}, file.fileName());
            EXPECT_EQ(p->isLineArt(), row.lineArt);
            const QImage shown = frame.grab().toImage();
            const bool follows = row.lineArt && palette == kDark;
            EXPECT_EQ(shown.pixelColor(10, 5), follows ? QColor(Qt::white) : QColor(Qt::black));
            EXPECT_EQ(shown.pixelColor(10, 15), follows ? QColor(0x3d, 0x3d, 0x3d) : QColor(Qt::white));
        }
    }
}

// Ink and paper are read when painting, so a palette changed later is followed.
TEST(Drawing, InkAndPaperAreThePalettesAndOwnColoursStay) {
    QWidget frame;
    auto* drawing = new kit::Drawing(&frame);
    kit::Line* wire = drawing->addLine("wire", 0, 0, 300, 0);
    kit::Rect* body = drawing->addRect("body", {0, 0, 150, 150}, kit::kPaper, kit::kInk);
    kit::Rect* band = drawing->addRect("band", {0, 0, 150, 150}, QColor(Qt::red));
    for (const QPalette& palette : {kDark, kLight}) {
        frame.setPalette(palette);
        EXPECT_EQ(wire->colour(), palette.color(QPalette::WindowText));
        EXPECT_EQ(body->outline(), palette.color(QPalette::WindowText));
        EXPECT_EQ(body->fill(), palette.color(QPalette::Base));
        EXPECT_EQ(band->fill(), QColor(Qt::red));
        EXPECT_FALSE(band->outline().isValid());
    }
}

// A card is light only while the application's palette is dark, and follows
// the desktop switching either way.
TEST(Drawing, ALightCardOnlyUnderADarkApplicationPalette) {
    const QPalette before = QApplication::palette();
    QWidget window;
    auto* card = new QWidget(&window);
    kit::lightCard(card);
    EXPECT_FALSE(card->autoFillBackground());  // the default palette is light
    for (const QPalette& desktop : {kDark, kLight, kDark}) {
        QApplication::setPalette(desktop);
        const bool dark = desktop == kDark;
        EXPECT_EQ(card->autoFillBackground(), dark);
        EXPECT_EQ(kit::isDark(card->palette()), false);
        EXPECT_EQ(card->palette().color(QPalette::Window),
                  dark ? QApplication::style()->standardPalette().color(QPalette::Window)
                       : desktop.color(QPalette::Window));
    }
    QApplication::setPalette(before);
}

}  // namespace
