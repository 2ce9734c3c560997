// The pictures the user sees in the tray and in the overlay.
#include <gtest/gtest.h>
#include "app/Artwork.h"
#include "controls/Handles.h"

namespace dorvane {
namespace {

bool IsWhite(uint32_t px) { return AlphaOf(px) == 255 && RedOf(px) > 240 && GreenOf(px) > 240 && BlueOf(px) > 240; }

TEST(TrayPictures, GreyAndGreenDiscsCarryAWhiteI) {
    Picture grey = TrayPicture(0), green = TrayPicture(1);
    for (const Picture* p : {&grey, &green}) {
        ASSERT_EQ(p->width, 32);
        ASSERT_EQ(p->height, 32);
        EXPECT_EQ(AlphaOf(p->At(0, 0)), 0);        // round: the corners are clear
        EXPECT_EQ(AlphaOf(p->At(31, 31)), 0);
        EXPECT_TRUE(IsWhite(p->At(18, 9)));        // the dot
        EXPECT_TRUE(IsWhite(p->At(16, 18)));       // the stem
        EXPECT_FALSE(IsWhite(p->At(16, 11)));      // the gap between them
    }
    const uint32_t g = grey.At(6, 16), n = green.At(6, 16);
    EXPECT_EQ(RedOf(g), GreenOf(g));
    EXPECT_EQ(GreenOf(g), BlueOf(g));
    EXPECT_GT(GreenOf(n), RedOf(n) + 60);
    EXPECT_GT(GreenOf(n), BlueOf(n) + 60);
    EXPECT_EQ(AlphaOf(n), 255);
}

TEST(TrayPictures, TheNavigationImageIsAWhiteEInAWhiteRing) {
    Picture e = TrayPicture(2);
    EXPECT_TRUE(IsWhite(e.At(16, 2)));    // the ring at the top
    EXPECT_TRUE(IsWhite(e.At(2, 16)));    // and at the left
    EXPECT_TRUE(IsWhite(e.At(16, 16)));   // the bar of the "e"
    EXPECT_TRUE(IsWhite(e.At(9, 19)));    // its bowl
    EXPECT_FALSE(IsWhite(e.At(21, 20)));  // open at the lower right
    EXPECT_FALSE(IsWhite(e.At(16, 12)));  // hollow above the bar
    // Nothing but the white drawing: the background is clear inside the
    // ring and out.
    for (POINT clear : {POINT{16, 12}, POINT{16, 5}, POINT{21, 20}, POINT{0, 0}, POINT{31, 31}})
        EXPECT_EQ(AlphaOf(e.At(clear.x, clear.y)), 0) << clear.x << "," << clear.y;
}

TEST(OverlayPicture, AGreyKeyboardUnderARedProhibitionSign) {
    Picture k = LockedKeyboardPicture();
    ASSERT_EQ(k.width, 84);
    ASSERT_EQ(k.height, 32);
    EXPECT_EQ(AlphaOf(k.At(0, 0)), 0);
    EXPECT_EQ(AlphaOf(k.At(83, 0)), 0);
    const uint32_t body = k.At(10, 27);
    EXPECT_EQ(AlphaOf(body), 255);
    EXPECT_EQ(RedOf(body), BlueOf(body));
    const uint32_t ring = k.At(42, 2);
    EXPECT_GT(RedOf(ring), 180);
    EXPECT_LT(GreenOf(ring), 40);
    const uint32_t bar = k.At(42, 16);
    EXPECT_GT(RedOf(bar), 180);
    // Nothing in it is pure black: black is the overlay's see-through colour.
    for (uint32_t px : k.pixels) {
        if (AlphaOf(px) == 255) {
            EXPECT_NE(px & 0xFFFFFF, 0u);
        }
    }
}

TEST(Icons, EveryPictureBecomesAnIconOfItsSize) {
    for (int i = 0; i < 3; ++i) {
        IconHandle icon = IconFromPicture(TrayPicture(i));
        ASSERT_TRUE(icon);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        GdiObject colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bm{};
        GetObjectA(colour.get(), sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 32);
        EXPECT_EQ(bm.bmHeight, 32);
    }
    GdiObject overlay = BitmapFromPicture(LockedKeyboardPicture(), 0x000000);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectA(overlay.get(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 84);
}

}  // namespace
}  // namespace dorvane
