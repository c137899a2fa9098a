// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/files/Files.h"
#include "platform/pixels/Bmp.h"
#include "render/picture/SolidPicture.h"
#include "support/FigureBuilder.h"
#include "support/Profiles.h"
#include "support/TempDir.h"

using namespace vantor;

namespace {
struct Solid {
    DisplayOptions options;
    FigureStore store{options};
    Solid() {
        options.setFactoryValues();
        store.clearVertices();
        store.resetFigureTable();
        test::addFigure(store, test::vaseProfile(30), 1);
    }
};
}  // namespace

// A new size keeps the colour path: a palette picture that lost its palette
// would be written and shown black.
TEST(SolidPicture, ANewSizeKeepsTheFormatAndThePalette) {
    for (ColourPath path : {ColourPath::TrueColour, ColourPath::Palette}) {
        Solid s;
        SolidPicture picture(s.store, s.options, path);
        EXPECT_EQ(picture.bitmap().width(), SolidPicture::StandardWidth);
        picture.setSize(1, 1);
        picture.setSize(1200, 800);
        EXPECT_EQ(picture.bitmap().width(), 1200);
        EXPECT_EQ(picture.bitmap().height(), 800);
        EXPECT_EQ(picture.bitmap().format(), path == ColourPath::Palette ? PixelFormat::Indexed8 : PixelFormat::Rgb32);
        EXPECT_EQ(picture.bitmap().palette() != nullptr, path == ColourPath::Palette);
    }
}

// The view fills a picture of any size: the solid stands in the middle of
// the picture whatever its size.
TEST(SolidPicture, TheSolidFillsPicturesOfEverySize) {
    for (const auto& [w, h] : {std::pair{600, 400}, std::pair{1200, 800}, std::pair{60, 40}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        Solid s;
        SolidPicture picture(s.store, s.options, ColourPath::TrueColour, w, h);
        picture.drawStill();
        const Bitmap& b = picture.bitmap();
        EXPECT_NE(b.pixelColor(w / 2, h / 2), b.pixelColor(0, 0)) << "the middle shows the solid";
    }
}

// The name decides the format, whatever the case of its extension.
TEST(SolidPicture, SavesPngByTheNameAndBmpOtherwise) {
    test::TempDir dir;
    const Files files(dir.path());
    Solid s;
    SolidPicture picture(s.store, s.options, ColourPath::Palette, 60, 40);
    picture.drawStill();
    struct Case {
        const char* name;
        bool png;
    };
    for (const Case& c : {Case{"a.png", true}, Case{"b.PNG", true}, Case{"c.bmp", false}, Case{"d.png.bmp", false},
                          Case{"png", false}}) {
        SCOPED_TRACE(c.name);
        picture.save(files, dir.file(c.name));
        const std::vector<std::uint8_t> bytes = dir.read(c.name);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G', c.png);
        if (!c.png) {
            EXPECT_EQ(readBmpFile(dir.file(c.name)).format(), PixelFormat::Indexed8);
        }
    }
}
